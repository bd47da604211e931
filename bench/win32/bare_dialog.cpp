// The calculator window's controls made the plain way: one CreateWindowEx a control, positions
// converted from dialog units with the system's dialog base units, no templates, no message
// maps, no calculation. Esc or the close box ends it.
#include <windows.h>

namespace {

struct Control {
    const wchar_t* className;
    const wchar_t* text;
    int id;
    DWORD style;
    int x, y, cx, cy;
};

// clang-format off
const Control kControls[] = {
    {L"BUTTON", L"Cable Loss from SWR", -1, BS_GROUPBOX, 7, 7, 160, 65},
    {L"STATIC", L"&Cable Length (m):", -1, WS_GROUP, 17, 22, 68, 8},
    {L"EDIT", L"", 1000, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 17, 32, 65, 14},
    {L"STATIC", L"&SWR:", -1, WS_GROUP, 92, 22, 19, 8},
    {L"EDIT", L"", 1001, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 92, 32, 65, 14},
    {L"STATIC", L"dB/100m:", -1, WS_GROUP, 17, 52, 32, 8},
    {L"EDIT", L"", 1002, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 52, 52, 105, 14},
    {L"BUTTON", L"SWR from Cable Loss", -1, BS_GROUPBOX, 7, 77, 160, 65},
    {L"STATIC", L"&dB/100m:", -1, WS_GROUP, 17, 92, 32, 8},
    {L"EDIT", L"", 1003, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 17, 102, 65, 14},
    {L"STATIC", L"Cable &Length (m):", -1, WS_GROUP, 92, 92, 68, 8},
    {L"EDIT", L"", 1004, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 92, 102, 65, 14},
    {L"STATIC", L"SWR:", -1, WS_GROUP, 22, 122, 19, 8},
    {L"EDIT", L"", 1005, ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 52, 122, 105, 14},
    {L"BUTTON", L"Exit", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 174, 7, 50, 14},
    {L"EDIT", L"", 1006, ES_MULTILINE | ES_READONLY | WS_BORDER | WS_TABSTOP, 12, 157, 150, 25},
    {L"BUTTON", L"Program messages", -1, BS_GROUPBOX, 7, 147, 160, 40},
    {L"BUTTON", L"About", 1007, BS_PUSHBUTTON | WS_TABSTOP, 174, 23, 50, 14},
    {L"STATIC", L"", -1, SS_SUNKEN, 185, 151, 24, 27},
    {L"STATIC", L"Instructions:\nSimply type in the values and the program will automatically "
                L"calculate them.", -1, WS_GROUP, 172, 46, 52, 96},
    {L"STATIC", L"IMPORTANT: This calculations are correct only when the cable is open (or "
                L"short) circuited at the far end", -1, WS_GROUP, 7, 190, 205, 20},
};
// clang-format on

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
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareDialog";
    RegisterClassW(&windowClass);

    const LONG units = GetDialogBaseUnits();
    const int baseX = LOWORD(units), baseY = HIWORD(units);
    RECT frame = {0, 0, MulDiv(231, baseX, 4), MulDiv(217, baseY, 8)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME);
    HWND window =
        CreateWindowExW(WS_EX_APPWINDOW | WS_EX_DLGMODALFRAME, L"BareDialog", L"Bare Dialog", style,
                        CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    HFONT font = CreateFontW(-MulDiv(8, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
    for (const Control& control : kControls) {
        HWND child = CreateWindowExW(
            0, control.className, control.text, WS_CHILD | WS_VISIBLE | control.style,
            MulDiv(control.x, baseX, 4), MulDiv(control.y, baseY, 8), MulDiv(control.cx, baseX, 4),
            MulDiv(control.cy, baseY, 8), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance, nullptr);
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
