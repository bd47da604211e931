// window_layout.exe TITLE: prints the sizes of the top-level window titled TITLE and of its
// picture, as the screen shows them, for the end-to-end test to check (xdotool sees top-level
// windows only):
//   window WIDTH HEIGHT client WIDTH HEIGHT
//   picture WIDTH HEIGHT        for each static control that shows a picture
// Exits 1 when there is no such window.
#include <windows.h>

#include <cstdio>

namespace {

BOOL CALLBACK PrintPicture(HWND child, LPARAM) {
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    RECT rect;
    if (lstrcmpiA(className, "Static") == 0 &&
        (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP &&
        GetWindowRect(child, &rect)) {
        std::printf("picture %ld %ld\n", rect.right - rect.left, rect.bottom - rect.top);
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_layout.exe TITLE\n");
        return 2;
    }
    // Sizes in pixels as they are on the screen: a program that is not DPI-aware itself would
    // be shown the windows of a DPI-aware one scaled down to 96 DPI.
    SetProcessDPIAware();
    HWND window = FindWindowA(nullptr, argv[1]);
    if (!window) {
        std::fprintf(stderr, "no window \"%s\"\n", argv[1]);
        return 1;
    }
    RECT frame, client;
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    std::printf("window %ld %ld client %ld %ld\n", frame.right - frame.left,
                frame.bottom - frame.top, client.right, client.bottom);
    EnumChildWindows(window, PrintPicture, 0);
    return 0;
}
