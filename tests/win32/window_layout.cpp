// window_layout.exe TITLE: prints the layout of the top-level window titled TITLE, as the screen
// shows it, for the end-to-end test to check (xdotool sees top-level windows only):
//   window WIDTH HEIGHT client WIDTH HEIGHT
//   child CLASS ID KIND X Y WIDTH HEIGHT        one line a child, in client coordinates
// KIND is "bitmap" for a static control that shows a picture, "-" for any other.
// Exits 1 when there is no such window.
#include <windows.h>

#include <cstdio>

namespace {

BOOL CALLBACK PrintChild(HWND child, LPARAM parent) {
    // Direct children only: a control's own children (an edit box's scroll bar) are no layout.
    if (GetParent(child) != reinterpret_cast<HWND>(parent)) {
        return TRUE;
    }
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&rect),
                    2);
    const bool picture = lstrcmpiA(className, "Static") == 0 &&
                         (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
    std::printf("child %s %d %s %ld %ld %ld %ld\n", className, GetDlgCtrlID(child),
                picture ? "bitmap" : "-", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
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
    EnumChildWindows(window, PrintChild, reinterpret_cast<LPARAM>(window));
    return 0;
}
