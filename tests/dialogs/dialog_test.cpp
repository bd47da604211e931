#include "dialog_test.h"

#include "dialog_keys.h"

const char* const kBoxes[7] = {"IDC_LOSS_LENGTH", "IDC_LOSS_SWR",   "IDC_LOSS_RESULT",
                               "IDC_SWR_LOSS",    "IDC_SWR_LENGTH", "IDC_SWR_RESULT",
                               "IDC_MESSAGES"};
const char* const kAddress = "https://varnholt.example.org/";

HeadlessDialogWindow& WindowOf(CDialog& dialog) {
    return *dialog.m_hWnd->window;
}

HeadlessWindow& ControlOf(HeadlessDialogWindow& window, const std::string& name) {
    for (const ResolvedControl& control : window.Layout().controls) {
        if (control.idName == name) {
            return *window.Control(control.id);
        }
    }
    ADD_FAILURE() << "no control " << name;
    return window.Self();
}

HeadlessWindow& ControlOf(CDialog& dialog, const std::string& name) {
    return ControlOf(WindowOf(dialog), name);
}

std::string FocusIn(HeadlessDialogWindow& window) {
    return window.Focused() < 0 ? "" : window.Layout().controls[window.Focused()].idName;
}

std::string FocusIn(CDialog& dialog) {
    return FocusIn(WindowOf(dialog));
}

std::string ActiveName() {
    const HeadlessDialogWindow* window = HeadlessActiveWindow();
    return window ? window->Layout().name : "";
}

void Press(const std::string& keys) {
    HeadlessPress(keys);
    HeadlessRun();
}

void CalculatorTest::SetUp() {
    AfxRegisterModule(&ProgramModule());
    m_stalls = HeadlessStalls();
    m_dlg = std::make_unique<CountingCalculatorDialog>();
    m_app.m_pMainWnd = m_dlg.get(); // the About boxes' owner, as in the program
    ASSERT_TRUE(m_dlg->Create());
    HeadlessClipboard().clear();
}

void CalculatorTest::TearDown() {
    // Every modal box a test opened was ended by its input, not left waiting for more.
    EXPECT_EQ(HeadlessStalls(), m_stalls);
    m_app.m_pMainWnd = nullptr;
    m_dlg.reset();
    EXPECT_EQ(HeadlessActiveWindow(), nullptr) << "a window was left open";
}

std::vector<std::string> CalculatorTest::Texts() {
    std::vector<std::string> texts;
    for (const char* name : kBoxes) {
        texts.push_back(ControlOf(*m_dlg, name).text);
    }
    return texts;
}

std::string CalculatorTest::Shown() {
    const std::vector<std::string> texts = Texts();
    return texts[2] + " | " + texts[5] + " | " + texts[6];
}

void CalculatorTest::Focus(const std::string& name) {
    HeadlessClick(ControlOf(*m_dlg, name).control->id, &WindowOf(*m_dlg));
    HeadlessRun();
}
