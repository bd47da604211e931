#include "calculator_app.h"

#include "calculator_dialog.h"

BEGIN_MESSAGE_MAP(CCalculatorApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

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
