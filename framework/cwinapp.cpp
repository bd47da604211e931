// What the application object does the same way on every window system; the backend defines
// Enable3dControls, Run and AfxWinMain.
#include "cwinapp.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* lpszAppName) : m_pszAppName(lpszAppName) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxRunApp() {
    CWinApp* app = AfxGetApp();
    if (!app) {
        return 1;
    }
    if (!app->InitInstance()) {
        return app->ExitInstance();
    }
    const int code = app->Run();
    app->ExitInstance();
    return code;
}
