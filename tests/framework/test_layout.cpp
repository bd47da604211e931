// The dialog layer through its own API, with made-up templates on the headless backend and its
// font (6 x 13 pixels a character: a dialog unit is 1.5 pixels across, 1.625 down): how static
// texts are fitted to the font, what the dialog keys do, how controls are named for a screen
// reader, and which keys the web page is told reach a mnemonic.
#include "headless_driver.h"
#include "made_up_dialog.h"
#include "web_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using K = ControlKind;

// The made-up dialog, open without a run.
class MadeUp {
public:
    explicit MadeUp(std::vector<DialogItemTemplate> items) : m_module(std::move(items)) {
        EXPECT_TRUE(m_dialog.Create());
    }

    HeadlessDialogWindow& Window() { return *m_dialog.m_hWnd->window; }
    const ResolvedControl& At(int i) { return Window().Layout().controls[std::size_t(i)]; }
    std::string Focus() { return Window().Focused() < 0 ? "" : At(Window().Focused()).idName; }

private:
    MadeUpModule m_module;
    CDialog m_dialog{500};
};

struct FitRow {
    const char* what;
    const char* text;
    int x, y, cx, cy; // the text's rectangle in dialog units
    bool neighbour;   // with an edit box at (50, 10) to its right and one at (10, 30) below
    CRect fitted;     // in pixels
};
void PrintTo(const FitRow& row, std::ostream* os) {
    *os << row.what;
}

// clang-format off
const FitRow kFitRows[] = {
    {"a text that fits keeps its box", "Fits", 10, 10, 40, 8, true, {15, 16, 75, 29}},
    {"a text of one line grows to the right", "A longer label", 10, 10, 40, 8, false, {15, 16, 99, 29}},
    {"stopped by its neighbour, it wraps down", "A longer label", 10, 10, 40, 8, true, {15, 16, 75, 42}},
    {"a wrapped text with no room below widens to the edge", "one two three four five six seven eight",
     10, 10, 40, 16, true, {15, 16, 298, 42}},
};
// clang-format on

class Fit : public testing::TestWithParam<FitRow> {};

TEST_P(Fit, GivesEachTextTheRoomItNeeds) {
    const FitRow& row = GetParam();
    std::vector<DialogItemTemplate> items = {{K::StaticText, DIALOG_ITEM_ID(IDC_STATIC), row.text,
                                              kMadeUpText, row.x, row.y, row.cx, row.cy}};
    if (row.neighbour) {
        items.push_back({K::EditBox, 1001, "IDC_RIGHT", "", kMadeUpBox, 50, 10, 40, 14});
        items.push_back({K::EditBox, 1002, "IDC_BELOW", "", kMadeUpBox, 10, 30, 40, 14});
    }
    MadeUp dialog(items);
    const CRect r = dialog.At(0).rect;
    EXPECT_EQ(
        (std::vector<int>{r.left, r.top, r.right, r.bottom}),
        (std::vector<int>{row.fitted.left, row.fitted.top, row.fitted.right, row.fitted.bottom}));
}

INSTANTIATE_TEST_SUITE_P(Rows, Fit, testing::ValuesIn(kFitRows));

struct KeyRow {
    const char* keys;
    bool disabled;     // the default button disabled
    const char* after; // the focus then, or "ended"
};
void PrintTo(const KeyRow& row, std::ostream* os) {
    *os << row.keys << (row.disabled ? " (OK disabled)" : "") << " -> " << row.after;
}

const KeyRow kKeyRows[] = {
    {"Alt+N", false, "IDC_NUMBER"}, // a letter marked twice reaches each in turn
    {"Alt+N, Alt+N", false, "IDC_NAME"},
    {"Alt+Shift+N", false, "IDC_NUMBER"}, // A-Z in either case
    {"Alt+\xc3\x84", false, "IDC_FRUIT"}, // beyond A-Z: the character itself
    {"Alt+\xc3\xa4", false, "IDC_NAME"},  // and no other case
    {"Return", false, "ended"},           // the default button
    {"Return", true, "IDC_NAME"},         // disabled: Enter does nothing
    {"Tab, Tab, Tab, Tab", false, "IDC_NAME"},
};

class Keys : public testing::TestWithParam<KeyRow> {};

TEST_P(Keys, MoveTheFocusOrPressTheButton) {
    const KeyRow& row = GetParam();
    MadeUp dialog(MadeUpKeyItems());
    CWnd(dialog.Window().Control(IDOK)).EnableWindow(!row.disabled);
    HeadlessPress(row.keys);
    HeadlessRun();
    EXPECT_EQ(dialog.Window().Shown() ? dialog.Focus() : "ended", row.after);
}

INSTANTIATE_TEST_SUITE_P(Rows, Keys, testing::ValuesIn(kKeyRows));

// A box is named after the static text before it in its group and described by the group; the
// page is told the keys that reach each mnemonic, by the same rule.
TEST(Layout, NamesControlsAndTellsThePageTheirKeys) {
    MadeUp dialog(MadeUpKeyItems());
    EXPECT_EQ(dialog.At(4).label.shown, "\xc3\x84pfel & Birnen:");
    EXPECT_EQ(dialog.At(5).name, "\xc3\x84pfel & Birnen:");
    EXPECT_EQ(dialog.At(5).description, "Fruit");
    EXPECT_EQ(dialog.At(1).name, "Name:");
    EXPECT_EQ(dialog.At(1).description, "");
    const std::string markup = WebWindowMarkup(dialog.Window().Layout(), "w", false);
    for (const char* keys : {"nN\"", "\xc3\x84\""}) {
        EXPECT_NE(markup.find(std::string("data-keys=\"") + keys), std::string::npos) << keys;
    }
}

} // namespace
