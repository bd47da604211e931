// The application's run where every dialog runs its own loop over the window system's events
// (CDialog::DoModal), and beyond them there is nothing to wait for: the web page, the headless
// backend.
#include "cwinapp.h"

BOOL CWinApp::Enable3dControls() {
    // The backend draws its controls that way, or draws nothing.
    return TRUE;
}

int CWinApp::Run() {
    return 0;
}

int AfxWinMain(int, char*[]) {
    return AfxRunApp();
}
