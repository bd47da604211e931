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

int CWinApp::Run() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return int(message.wParam);
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxWinMain(int, char*[]) {
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
