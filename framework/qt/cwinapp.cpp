#include "cwinapp.h"

#include <QApplication>

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
    return QApplication::exec();
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxGetApp() {
    return g_app;
}

int AfxWinMain(int argc, char* argv[]) {
    // Qt acts on arguments such as -reverse, -style and -platform; the program reads no command
    // line, so Qt sees the program's name only.
    static char* programName[] = {argc > 0 ? argv[0] : const_cast<char*>("varnholt"), nullptr};
    static int programArgc = 1;
    QApplication application(programArgc, programName);

    CWinApp* app = AfxGetApp();
    if (!app) {
        return 1;
    }
    if (app->m_pszAppName) {
        QApplication::setApplicationName(QString::fromUtf8(app->m_pszAppName));
    }
    if (!app->InitInstance()) {
        return app->ExitInstance();
    }
    const int code = app->Run();
    app->ExitInstance();
    return code;
}
