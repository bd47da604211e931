// The About box, opened from the calculator; the calculator's window menu and its icon while
// minimized.
#include "dialog_test.h"

namespace {

// How the box is opened from the calculator: keys, "button" (a click on About) or "command"
// (the window menu's command, its low four bits set); what is done in it, the focus on OK: keys,
// "copy" (a click on Copy with part of the address selected), "disabled" (Enter with OK
// disabled) or "close" (the close box); whether it stays open, and copies the whole address.
struct AboutRow {
    const char* open;
    const char* keys;
    bool stays;
    bool copies;
};
void PrintTo(const AboutRow& row, std::ostream* os) {
    *os << row.open << " then " << row.keys;
}

const AboutRow kAboutRows[] = {
    {"button", "Return", false, false},
    {"Alt+C, Shift+Tab, Return", "Num+Enter", false, false},
    {"Alt+Space, End, Return", "Tab, Return", false, false},
    {"command", "Esc", false, false},
    {"button", "close", false, false},
    {"button", "Tab, Tab, Return", true, true},
    {"button", "copy", true, true},
    {"button", "disabled", true, false},
};

class About : public CalculatorTest, public testing::WithParamInterface<AboutRow> {};

// The box is modal over the calculator, which keeps its texts and takes no input meanwhile; its
// keys, and its copy of the whole address.
TEST_P(About, IsModalAndCopiesTheWholeAddress) {
    const AboutRow& row = GetParam();
    Press("2, 5, Tab, 1, 2");
    const std::vector<std::string> texts = Texts();
    HeadlessClipboard() = "before";
    bool ran = false;
    const std::string open = row.open;
    if (open == "button") {
        HeadlessClick(IDC_ABOUT);
    } else if (open == "command") {
        HeadlessThen([this]() { m_dlg->SendMessage(WM_SYSCOMMAND, IDM_ABOUT | 0x3); });
    } else {
        HeadlessPress(open);
    }
    HeadlessThen([&]() {
        ran = true;
        ASSERT_EQ(ActiveName(), "IDD_ABOUT");
        HeadlessDialogWindow& box = *HeadlessActiveWindow();
        EXPECT_EQ(FocusIn(box), "IDOK");
        EXPECT_EQ(ControlOf(box, "IDC_WEB_ADDRESS").text, kAddress);
        const std::string keys = row.keys;
        HeadlessClick(IDC_ABOUT, &WindowOf(*m_dlg)); // the calculator takes no input
        HeadlessPress("9");
        if (keys == "copy") {
            CWnd(box.Control(IDC_WEB_ADDRESS)).SendMessage(EM_SETSEL, 8, 15);
            HeadlessClick(IDC_COPY);
        } else if (keys == "disabled") {
            CWnd(box.Control(IDOK)).EnableWindow(FALSE);
            HeadlessPress("Return");
        } else if (keys == "close") {
            HeadlessCloseBox();
        } else {
            HeadlessPress(keys);
        }
        HeadlessThen([&]() {
            EXPECT_EQ(Texts(), texts);
            EXPECT_EQ(ActiveName(), row.stays ? "IDD_ABOUT" : "IDD_CALCULATOR");
            if (row.copies) {
                EXPECT_EQ(ControlOf(box, "IDC_WEB_ADDRESS").Selection(), kAddress); // all of it
            }
            if (row.stays) {
                HeadlessPress("Esc");
            }
        });
    });
    HeadlessRun();
    EXPECT_TRUE(ran);
    EXPECT_EQ(ActiveName(), "IDD_CALCULATOR");
    EXPECT_EQ(HeadlessClipboard(), row.copies ? kAddress : "before");
}

INSTANTIATE_TEST_SUITE_P(Rows, About, testing::ValuesIn(kAboutRows));

// The window menu: the window system's own items, then a separator and the About box's item.
// Minimized, the window paints its icon centred; dragged, it shows the icon.
TEST_F(CalculatorTest, WindowMenuMinimizesAndTheIconIsPaintedCentred) {
    std::vector<std::string> items;
    for (const HeadlessMenuItem& item : m_dlg->m_hWnd->window->Menu().items) {
        items.push_back(item.separator ? "-" : item.text.shown);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"Minimize", "Close", "-", "About Varnholt..."}));
    Press("Alt+Space, n");
    ASSERT_TRUE(m_dlg->IsIconic());
    CRect client;
    m_dlg->GetClientRect(&client);
    const std::vector<HeadlessDrawing>& drawn = m_dlg->m_hWnd->drawn;
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].x, (client.Width() - 32 + 1) / 2);
    EXPECT_EQ(drawn[0].y, (client.Height() - 32 + 1) / 2);
    EXPECT_EQ(drawn[0].icon, AfxLoadIcon(IDI_MAIN));
    EXPECT_EQ(m_dlg->SendMessage(WM_QUERYDRAGICON),
              reinterpret_cast<LRESULT>(AfxLoadIcon(IDI_MAIN)));
    EXPECT_EQ(m_dlg->m_hWnd->icons[0], AfxLoadIcon(IDI_MAIN));
    EXPECT_EQ(m_dlg->m_hWnd->icons[1], AfxLoadIcon(IDI_MAIN));
}

} // namespace
