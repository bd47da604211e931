// Typing into the calculator: key scripts with what the results and the message box show after
// each step, how often data is exchanged and which boxes the write-back touches; texts as typed;
// random edits against the calculation library; the notification lockout.
#include "dialog_test.h"

#include "line_calculations.h"

#include <algorithm>
#include <random>
#include <stdexcept>

namespace {

// One step: focus `box` (or stay), press `keys` (or type `paste:TEXT` as one input), then the
// loss result, SWR result and message box show `shown`, joined by " | ".
struct Step {
    const char* box;
    const char* keys;
    const char* shown;
};
struct Script {
    const char* name;
    std::vector<Step> steps;
};
void PrintTo(const Script& script, std::ostream* os) {
    *os << script.name;
}

const char *L = "IDC_LOSS_LENGTH", *S = "IDC_LOSS_SWR", *D = "IDC_SWR_LOSS", *M = "IDC_SWR_LENGTH";
const char* kSwrLow = "Currently incalculatable |  | SWR must be greater than 1";
const char* kSwrBorder = "Infinity |  | The current value is the border case";
const char* kBoth = "95.424251 | 86.862734 | "; // length 5, SWR 2; loss 5, length 2

const Script kScripts[] = {
    {"opens empty, focus in the first length", {{nullptr, "", " |  | "}}},
    {"length 5, SWR 1.5 -> 139.794001",
     {{L, "5", kSwrLow},
      {S, "1", kSwrBorder},
      {nullptr, ".", kSwrBorder},
      {nullptr, "5", "139.794001 |  | "}}},
    {"loss 5, length 20 -> 8.724232",
     {{D, "5", " | Infinity | The current value is the border case."},
      {M, "2", " | 86.862734 | "},
      {nullptr, "0", " | 8.724232 | "}}},
    {"other group's result kept, latest message shown, empty is 0",
     {{L, "5", kSwrLow},
      {D, "5", "Currently incalculatable | Infinity | The current value is the border case."},
      {M, "2", "Currently incalculatable | 86.862734 | "},
      {S, "2", kBoth},
      {L, "Backspace", "Infinity | 86.862734 | The current value is the border case."},
      {nullptr, "5", kBoth},
      {D, "Ctrl+A", kBoth},
      {nullptr, "Ctrl+X", "95.424251 | Infinity | The current value is the border case"},
      {nullptr, "Ctrl+V", kBoth}}},
    {"pasted text with a comma, a blank and a micro sign: read up to them",
     {{L, "paste:2,5", kSwrLow}, {S, "paste:1.5 \u00b5", "349.485002 |  | "}}},
};

class Typing : public CalculatorTest, public testing::WithParamInterface<Script> {};

// After every step the outputs; one exchange each way per change of the focused box's text, none
// otherwise (so none from the write-back); the boxes written are those whose text changed, each
// once, so that the others keep their caret, selection and undo history.
TEST_P(Typing, ShowsResultsAndWritesOnlyChangedBoxes) {
    EXPECT_EQ(FocusIn(*m_dlg), L);
    for (const Step& step : GetParam().steps) {
        if (step.box) {
            Focus(step.box);
        }
        const std::string focused = FocusIn(*m_dlg);
        const std::vector<std::string> before = Texts();
        const int exchanges = m_dlg->exchanges;
        for (const char* box : kBoxes) {
            ControlOf(*m_dlg, box).writes = 0;
        }
        const std::string keys = step.keys;
        if (keys.rfind("paste:", 0) == 0) {
            HeadlessType(keys.substr(6));
            HeadlessRun();
        } else {
            Press(keys);
        }
        SCOPED_TRACE(keys);
        EXPECT_EQ(Shown(), step.shown);
        const std::vector<std::string> after = Texts();
        for (std::size_t i = 0; i < after.size(); ++i) {
            const bool written = after[i] != before[i] && kBoxes[i] != focused;
            EXPECT_EQ(ControlOf(*m_dlg, kBoxes[i]).writes, written ? 1 : 0) << kBoxes[i];
        }
        const bool changed = ControlOf(*m_dlg, focused).text !=
                             before[std::find(kBoxes, kBoxes + 7, focused) - kBoxes];
        EXPECT_EQ(m_dlg->exchanges - exchanges, changed ? 2 : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, Typing, testing::ValuesIn(kScripts));

// Random typing and deleting: both results and the message box always show what the library
// gives for the four inputs.
TEST_F(CalculatorTest, RandomEditsMatchTheLibrary) {
    const char* const inputs[] = {L, S, D, M};
    const std::string chars = "0123456789012345678901234567890123456789.,-+eE xa";
    std::mt19937 random(20010611);
    std::string results[2], message;
    for (int i = 0; i < 3000; ++i) {
        const unsigned index = random() % 4, group = index / 2;
        const std::string before = ControlOf(*m_dlg, inputs[index]).text;
        Focus(inputs[index]);
        if (!before.empty() && random() % 3 == 0) {
            Press("Backspace");
        } else {
            Press(std::string(1, chars[random() % chars.size()]));
        }
        std::string in[4];
        for (int j = 0; j < 4; ++j) {
            in[j] = ControlOf(*m_dlg, inputs[j]).text;
        }
        if (in[index] != before) { // the box's own group, the latest message
            const CalcOutcome want =
                (group ? CalcSwrFromLoss : CalcLossFromSwr)(in[2 * group], in[2 * group + 1]);
            results[group] = want.result;
            message = want.message;
        }
        ASSERT_EQ(Shown(), results[0] + " | " + results[1] + " | " + message)
            << "edit " << i << ", inputs \"" << in[0] << "\" \"" << in[1] << "\" \"" << in[2]
            << "\" \"" << in[3] << "\"";
    }
}

// Fields written into the boxes by UpdateData(FALSE) start no calculation: the exchange locks
// the notifications out. The lockout ends with the exchange, also when the exchange throws.
class LockoutDialog : public CountingCalculatorDialog {
public:
    bool fail = false;
    void Fill() {
        m_strLossLength = "10";
        m_strLossSwr = "2";
        UpdateData(FALSE);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CountingCalculatorDialog::DoDataExchange(pDX);
        if (fail) {
            throw std::runtime_error("exchange failed");
        }
    }
};

TEST_F(CalculatorTest, WriteBackStartsNoCalculationAndTheLockoutEndsWithIt) {
    LockoutDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.Fill();
    EXPECT_EQ(ControlOf(dialog, "IDC_LOSS_SWR").text, "2");
    EXPECT_EQ(ControlOf(dialog, "IDC_LOSS_RESULT").text, "");
    EXPECT_EQ(dialog.exchanges, 2); // OnInitDialog's and Fill's
    dialog.fail = true;
    EXPECT_THROW(dialog.UpdateData(TRUE), std::runtime_error);
    dialog.fail = false;
    Press("Backspace, 0");
    EXPECT_EQ(ControlOf(dialog, "IDC_LOSS_RESULT").text, "47.712125");
    dialog.EndDialog(IDCANCEL);
}

} // namespace
