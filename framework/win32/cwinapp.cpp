#include "cwinapp.h"

int CWinApp::Run() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return int(message.wParam);
}

int AfxWinMain(int, char*[]) {
    return AfxRunApp();
}
