// A calculator window that counts its data exchanges, and an application object that counts the
// help commands reaching it: what the dialogs' tests on any backend count.
#pragma once

#include "calculator_dialog.h"
#include "cwinapp.h"

// A calculation reads all boxes once and writes them once.
class CountingCalculatorDialog : public CCalculatorDialog {
public:
    int exchanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        ++exchanges;
        CCalculatorDialog::DoDataExchange(pDX);
    }
};

class HelpCountingApp : public CWinApp {
public:
    int helps = 0;
    void OnHelpCounted() { ++helps; }

    DECLARE_MESSAGE_MAP()
};
