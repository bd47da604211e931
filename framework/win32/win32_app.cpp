// The application's run on Win32.
#include "cwinapp.h"

BOOL CWinApp::Enable3dControls() {
    // Windows draws dialog controls in three dimensions by itself.
    return TRUE;
}

int CWinApp::Run() {
    MSG message{};
    BOOL got;
    while ((got = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    // WM_QUIT carries the exit code; a failing GetMessage carries none.
    return got == 0 ? int(message.wParam) : 1;
}

int AfxWinMain(int, char*[]) {
    return AfxRunApp();
}
