#include "calculator_app.h"

#include "calculator_dialog.h"
#include "program_module.h"

BEGIN_MESSAGE_MAP(CCalculatorApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CCalculatorApp::CCalculatorApp() : CWinApp(nullptr) {
    // The program's name, version and resources, for the dialog layer.
    AfxRegisterModule(&ProgramModule());
}

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
