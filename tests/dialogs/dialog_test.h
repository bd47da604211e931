// Shared by the dialogs' behaviour tests: the calculator window on the headless backend, opened
// afresh for each test, with its boxes read back, keys typed into it and the data exchanges and
// help commands counted.
#pragma once

#include "about_dialog.h"
#include "counting_dialogs.h"
#include "headless_driver.h"
#include "program_module.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

extern const char* const kBoxes[7]; // the seven boxes' ID names, in template order
extern const char* const kAddress;  // the About box's web address

// The window of a dialog that is open.
HeadlessDialogWindow& WindowOf(CDialog& dialog);
// The control `name` ("IDC_LOSS_LENGTH", "IDOK") of a dialog's window.
HeadlessWindow& ControlOf(HeadlessDialogWindow& window, const std::string& name);
HeadlessWindow& ControlOf(CDialog& dialog, const std::string& name);
// The ID name of the control that has the focus in a dialog's window ("" if none).
std::string FocusIn(HeadlessDialogWindow& window);
std::string FocusIn(CDialog& dialog);
// The active window's template name ("IDD_ABOUT"), "" if none is shown.
std::string ActiveName();
// Presses keys (HeadlessPress) and carries them out.
void Press(const std::string& keys);

class CalculatorTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The seven boxes' texts, in template order; the two results and the message box.
    std::vector<std::string> Texts();
    std::string Shown();
    // Clicks box `name` of the calculator, which puts the caret at its end.
    void Focus(const std::string& name);

    HelpCountingApp m_app;
    std::unique_ptr<CountingCalculatorDialog> m_dlg;
    int m_stalls = 0;
};
