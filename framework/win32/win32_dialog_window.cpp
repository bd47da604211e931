#include "win32_backend.h"

#include <string>

namespace {

void CenterWindow(HWND hWnd) {
    // A template at (0, 0) opens centred over its owner, or over the work area of the screen.
    RECT area;
    const HWND owner = ::GetWindow(hWnd, GW_OWNER);
    if (!(owner && ::IsWindowVisible(owner) && ::GetWindowRect(owner, &area))) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT window;
    ::GetWindowRect(hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ::SetWindowPos(hWnd, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Edit boxes take 32,767 UTF-16 units, as on the other window systems (an edit box's own
// default differs between Windows and Wine).
constexpr int kEditLimit = 32767;

BOOL CALLBACK LimitEditBox(HWND child, LPARAM) {
    wchar_t name[8] = {};
    ::GetClassNameW(child, name, 8);
    if (::lstrcmpiW(name, L"Edit") == 0) {
        ::SendMessageW(child, EM_SETLIMITTEXT, kEditLimit, 0);
    }
    return TRUE;
}

// The edit box cuts what is typed or pasted at its limit, which can fall inside a character:
// the half of a pair left before the caret goes too. True if the box's text was mended, which
// it reports as a change of its own.
bool MendedCut(HWND box) {
    const int length = ::GetWindowTextLengthW(box);
    DWORD caret = 0;
    ::SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    if (length < kEditLimit || caret == 0 || int(caret) > length) {
        return false;
    }
    std::wstring text(std::size_t(length) + 1, L'\0');
    ::GetWindowTextW(box, text.data(), length + 1);
    const auto high = [](wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto low = [](wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    if (!high(text[caret - 1]) || (int(caret) < length && low(text[caret]))) {
        return false;
    }
    ::SendMessageW(box, EM_SETSEL, caret - 1, caret);
    ::SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    return true;
}

} // namespace

Win32DialogWindow::~Win32DialogWindow() {
    // A modeless window still open when its dialog goes is destroyed first, and no longer calls
    // on the dialog.
    if (m_modeless && m_window != nullptr) {
        ::SetWindowLongPtrW(m_window, DWLP_USER, 0);
        ::DestroyWindow(m_window);
    }
    DeletePictures(m_pictures);
}

INT_PTR CALLBACK Win32DialogWindow::DialogProc(HWND hWnd, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Win32DialogWindow*>(lParam);
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->m_window = hWnd;
        self->m_dialog.Attach(hWnd);
        ScalePicturesToDpi(hWnd, WindowDpi(hWnd), self->m_pictures);
        ::EnumChildWindows(hWnd, LimitEditBox, 0);
        CenterWindow(hWnd);
        return self->m_dialog.InitDialog();
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    return self ? self->Message(message, wParam, lParam) : FALSE;
}

INT_PTR Win32DialogWindow::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_UPDATE && MendedCut(reinterpret_cast<HWND>(lParam))) {
            return TRUE; // the mended text has been reported
        }
        return m_dialog.OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_HELP:
        // F1, wherever the focus is in the dialog.
        m_dialog.OnCommand(ID_HELP, 0);
        return TRUE;
    case WM_PAINT:
    case WM_SYSCOMMAND:
        return m_dialog.OnWndMsg(message, wParam, lParam, &result);
    case WM_DPICHANGED: {
        // Moved to a screen of another scale: the rectangle the system suggests for it there, and
        // the pictures at the new DPI (in both words of wParam).
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ScalePicturesToDpi(m_window, HIWORD(wParam), m_pictures);
        // Not taken: where the system scales a dialog's font and controls itself (per-monitor
        // awareness v2), the dialog manager's own handling does that next.
        return FALSE;
    }
    case WM_NCDESTROY:
        // The last message of the window: its pictures go with it, and the dialog lets go of it.
        DeletePictures(m_pictures);
        m_window = nullptr;
        m_dialog.Attach(nullptr);
        return FALSE;
    case WM_QUERYDRAGICON:
        // One of the messages whose result the dialog procedure returns itself.
        return m_dialog.OnWndMsg(message, wParam, lParam, &result) ? INT_PTR(result) : FALSE;
    default:
        return FALSE;
    }
}

INT_PTR Win32DialogWindow::RunModal() {
    m_modeless = false;
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_dialog.TemplateId()),
                             m_dialog.OwnerWindow(), DialogProc, reinterpret_cast<LPARAM>(this));
}

void Win32DialogWindow::Open() {
    if (m_window == nullptr) {
        m_modeless = true;
        if (::CreateDialogParamW(::GetModuleHandleW(nullptr),
                                 MAKEINTRESOURCEW(m_dialog.TemplateId()), m_dialog.OwnerWindow(),
                                 DialogProc, reinterpret_cast<LPARAM>(this)) == nullptr) {
            return;
        }
    }
    ::ShowWindow(m_window, SW_SHOW);
}

void Win32DialogWindow::End(int result) {
    if (m_modeless) {
        ::DestroyWindow(m_window);
    } else {
        ::EndDialog(m_window, result);
    }
}

CMenu* Win32DialogWindow::SystemMenu() {
    m_systemMenu.m_hMenu = m_window ? ::GetSystemMenu(m_window, FALSE) : nullptr;
    return m_systemMenu.m_hMenu ? &m_systemMenu : nullptr;
}

void Win32DialogWindow::SetIcon(HICON icon, bool big) {
    ::SendMessageW(m_window, WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                   reinterpret_cast<LPARAM>(icon));
}

void Win32DialogWindow::DefaultPaint() {
    ::DefWindowProcW(m_window, WM_PAINT, 0, 0);
}

void Win32DialogWindow::DefaultSysCommand(UINT nID, LPARAM lParam) {
    ::DefWindowProcW(m_window, WM_SYSCOMMAND, nID, lParam);
}
