// The application's run on the page.
#include "cwinapp.h"

BOOL CWinApp::Enable3dControls() {
    // The page's style sheet draws the controls that way.
    return TRUE;
}

int CWinApp::Run() {
    // Every dialog runs its own loop over the page's events (CDialog::DoModal); beyond them
    // there is nothing to wait for.
    return 0;
}

int AfxWinMain(int, char*[]) {
    return AfxRunApp();
}
