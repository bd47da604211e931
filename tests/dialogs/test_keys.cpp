// The calculator's keys: where the focus goes, what opens or closes, and that no text changes,
// no data is exchanged and nothing is copied on the way; F1 alone reaches the application.
#include "dialog_test.h"

namespace {

struct KeyRow {
    std::string from;  // the control with the focus
    std::string keys;  // "close": the close box
    std::string after; // the focus then, "closed", or the modal box opened
};
void PrintTo(const KeyRow& row, std::ostream* os) {
    *os << row.keys << " in " << row.from << " -> " << row.after;
}

std::vector<KeyRow> KeyRows() {
    std::vector<KeyRow> rows;
    for (const char* name : kBoxes) {
        rows.push_back({name, "Return", name});
        rows.push_back({name, "Num+Enter", name});
    }
    rows.insert(rows.end(), {{"IDCANCEL", "Return", "closed"},
                             {"IDCANCEL", "Space", "closed"},
                             {"IDC_LOSS_LENGTH", "Esc", "closed"},
                             {"IDC_SWR_LOSS", "close", "closed"},
                             {"IDC_SWR_LENGTH", "Alt+Space, c", "closed"},
                             {"IDC_ABOUT", "Return", "IDD_ABOUT"},
                             {"IDC_ABOUT", "Alt+Space, a", "IDD_ABOUT"},
                             {"IDC_LOSS_SWR", "F1", "IDC_LOSS_SWR"},
                             {"IDC_ABOUT", "F1", "IDC_ABOUT"},
                             {"IDC_SWR_LENGTH", "Alt+C", "IDC_LOSS_LENGTH"},
                             {"IDC_MESSAGES", "Alt+S", "IDC_LOSS_SWR"},
                             {"IDC_ABOUT", "Alt+D", "IDC_SWR_LOSS"},
                             {"IDC_LOSS_RESULT", "Alt+L", "IDC_SWR_LENGTH"},
                             {"IDC_LOSS_RESULT", "Alt+X", "IDC_LOSS_RESULT"}});
    const char* const order[] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                                 "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                                 "IDCANCEL",        "IDC_MESSAGES",   "IDC_ABOUT"};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        rows.push_back({order[i], "Tab", order[(i + 1) % std::size(order)]});
        rows.push_back({order[(i + 1) % std::size(order)], "Shift+Tab", order[i]});
    }
    for (const char* name : {"IDC_LOSS_RESULT", "IDC_SWR_RESULT", "IDC_MESSAGES"}) {
        for (const char* keys :
             {"9", "Backspace", "Ctrl+A, Delete", "Ctrl+A, Ctrl+X", "Ctrl+V", "Space"}) {
            rows.push_back({name, keys, name}); // read-only
        }
    }
    return rows;
}

class Keys : public CalculatorTest, public testing::WithParamInterface<KeyRow> {};

TEST_P(Keys, MoveOpenOrCloseAndChangeNoText) {
    const KeyRow& row = GetParam();
    Press("5");
    Focus("IDC_SWR_LOSS");
    Press("5");
    const std::vector<std::string> before = Texts();
    const int exchanges = m_dlg->exchanges;
    const int helps = m_app.helps;
    HeadlessClipboard() = "77";
    HeadlessDialogWindow* window = m_dlg->m_hWnd->window;
    window->Focus(window->Layout().IndexOf(ControlOf(*m_dlg, row.from).control->id), true);
    std::string opened;
    if (row.keys == "close") {
        HeadlessCloseBox();
    } else {
        HeadlessPress(row.keys);
    }
    HeadlessThen([&]() {
        if (HeadlessActiveWindow() && HeadlessActiveWindow() != window) {
            opened = ActiveName();
            HeadlessPress("Esc");
        }
    });
    HeadlessRun();
    EXPECT_EQ(Texts(), before);
    EXPECT_EQ(m_dlg->exchanges, exchanges);
    EXPECT_EQ(m_app.helps - helps, row.keys == "F1" ? 1 : 0);
    EXPECT_EQ(HeadlessClipboard(), "77");
    EXPECT_EQ(window->Shown(), row.after != "closed");
    if (row.after == "closed") {
        EXPECT_EQ(window->Result(), int(IDCANCEL));
        return;
    }
    EXPECT_EQ(opened.empty() ? FocusIn(*m_dlg) : opened, row.after);
    // Every box, read-only too, selects and copies its text.
    const HeadlessWindow& box = ControlOf(*m_dlg, row.from);
    if (row.after == row.from && box.control->kind == ControlKind::EditBox && !box.text.empty()) {
        Press("Ctrl+A, Ctrl+C");
        EXPECT_EQ(HeadlessClipboard(), box.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Keys, testing::ValuesIn(KeyRows()));

} // namespace
