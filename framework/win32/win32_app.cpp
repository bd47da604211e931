// The application's run on Win32.
#include "cwinapp.h"

#include <commctrl.h>

BOOL CWinApp::Enable3dControls() {
    // Today's equivalent of the three-dimensional look: the common controls of version 6, which
    // the application manifest asks for, drawn in the system's visual style. Registers the
    // standard control classes the dialogs use.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    return ::InitCommonControlsEx(&controls);
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
