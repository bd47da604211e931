// What the application object does, the same way on every window system, over the backend.
#include "cwinapp.h"

#include "afx_backend.h"

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

BOOL CWinApp::Enable3dControls() {
    return AfxGetBackend().Enable3dControls();
}

int CWinApp::Run() {
    return AfxGetBackend().Run();
}

int AfxWinMain(int argc, char* argv[]) {
    return AfxGetBackend().Start(argc, argv, AfxRunApp);
}
