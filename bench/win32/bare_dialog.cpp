// The calculator window's controls made the plain way: one CreateWindowEx a control, with the
// kinds, texts, styles and rectangles of the calculator's template, positions converted from
// dialog units with the system's dialog base units; no dialog manager, no message maps, no
// calculation. The picture is an empty sunken frame: this program carries no bitmap.
// Esc or the close box ends it.
#include "dialog_templates.h"

#include <string>
#include <windows.h>

#include <commctrl.h>

namespace {

// The window class that makes a template row's kind of control.
const wchar_t* ClassName(ControlKind kind) {
    switch (kind) {
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
        return L"BUTTON";
    case ControlKind::EditBox:
        return L"EDIT";
    case ControlKind::StaticText:
    case ControlKind::Icon:
    case ControlKind::Picture:
        break;
    }
    return L"STATIC";
}

std::wstring Wide(const char* utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), length);
    wide.resize(std::size_t(length > 0 ? length - 1 : 0));
    return wide;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // As the program's start does.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareDialog";
    RegisterClassW(&windowClass);

    const DialogTemplate& dialog = kCalculatorTemplate;
    const LONG units = GetDialogBaseUnits();
    const int baseX = LOWORD(units), baseY = HIWORD(units);
    RECT frame = {0, 0, MulDiv(dialog.cx, baseX, 4), MulDiv(dialog.cy, baseY, 8)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME);
    HWND window =
        CreateWindowExW(WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME, L"BareDialog", L"Bare Dialog", style,
                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    HFONT font = CreateFontW(-MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        const DialogItemTemplate& item = dialog.items[i];
        const std::wstring text = Wide(item.text.text ? item.text.text : "");
        HWND child = CreateWindowExW(
            0, ClassName(item.kind), text.c_str(),
            WS_CHILD | WS_VISIBLE | (item.style & ~SS_BITMAP), MulDiv(item.x, baseX, 4),
            MulDiv(item.y, baseY, 8), MulDiv(item.cx, baseX, 4), MulDiv(item.cy, baseY, 8), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, show);

    // IsDialogMessage gives the window the dialog keys: Tab, mnemonics, Esc as IDCANCEL.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return 0;
}
