// The application's run on Qt.
#include "cwinapp.h"
#include "module.h"

#include <QApplication>
#include <string>

BOOL CWinApp::Enable3dControls() {
    // Qt's styles always draw dialog controls that way.
    return TRUE;
}

int CWinApp::Run() {
    return QApplication::exec();
}

int AfxWinMain(int argc, char* argv[]) {
    // Qt acts on arguments such as -reverse, -style and -platform; the program reads no command
    // line, so Qt sees the program's name only.
    static std::string fallback = AfxGetModule().appId;
    static char* programName[] = {argc > 0 ? argv[0] : fallback.data(), nullptr};
    static int programArgc = 1;
    QApplication application(programArgc, programName);
    if (AfxGetApp() && AfxGetApp()->m_pszAppName) {
        QApplication::setApplicationName(QString::fromUtf8(AfxGetApp()->m_pszAppName));
    }
    return AfxRunApp();
}
