#include "calculator_app.h"

#include "calculator_dialog.h"

CCalculatorApp::CCalculatorApp() : CWinApp(nullptr) {}

BOOL CCalculatorApp::InitInstance() {
    Enable3dControls();
    CCalculatorDialog dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal(); // the window can only end with IDCANCEL
    m_pMainWnd = nullptr;
    // Returning FALSE ends the application: there is no message loop beyond the dialog's.
    return FALSE;
}

CCalculatorApp theApp;
