// CDialog's members on Win32: the system's dialog manager makes the window from the template
// resource of the dialog's ID in the executable and carries out Tab, mnemonics, Enter (IDOK, or
// the focused button), Esc and the close box (IDCANCEL) and F1 (WM_HELP); the dialog procedure
// below passes the rest to the CDialog.
#include "cdialog.h"

#include "win32_picture.h"

#include <string>

namespace {

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

class CDialogWindow {
public:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void CenterWindow(HWND hWnd);

    CDialogWindow() = default;
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;
    ~CDialogWindow() {
        // A modeless window still open when its dialog goes is destroyed first, and no longer
        // calls on the dialog.
        if (modeless && window != nullptr) {
            ::SetWindowLongPtrW(window, DWLP_USER, 0);
            ::DestroyWindow(window);
        }
        DeletePictures(pictures);
    }

    CMenu systemMenu;                    // the window system's own window menu of the dialog
    std::vector<ScaledPicture> pictures; // the pictures scaled to the window's DPI
    bool modeless = false;               // made by Create: its end destroys the window
    HWND window = nullptr;               // the window, until its last message
};

INT_PTR CALLBACK CDialogWindow::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->AttachWindow(hWnd);
        self->m_window->window = hWnd;
        ScalePicturesToDpi(hWnd, WindowDpi(hWnd), self->m_window->pictures);
        ::EnumChildWindows(hWnd, LimitEditBox, 0);
        CenterWindow(hWnd);
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    LRESULT result = 0;
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == EN_UPDATE && MendedCut(reinterpret_cast<HWND>(lParam))) {
            return TRUE; // the mended text has been reported
        }
        return self->OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_HELP:
        // F1, wherever the focus is in the dialog.
        self->OnCommand(ID_HELP, 0);
        return TRUE;
    case WM_PAINT:
    case WM_SYSCOMMAND:
        return self->OnWndMsg(message, wParam, lParam, &result);
    case WM_DPICHANGED: {
        // Moved to a screen of another scale: the rectangle the system suggests for it there, and
        // the pictures at the new DPI (in both words of wParam).
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(hWnd, nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        ScalePicturesToDpi(hWnd, HIWORD(wParam), self->m_window->pictures);
        // Not taken: where the system scales a dialog's font and controls itself (per-monitor
        // awareness v2), the dialog manager's own handling does that next.
        return FALSE;
    }
    case WM_NCDESTROY:
        // The last message of the window. A modal dialog's run ends in DoModal.
        self->m_window->window = nullptr;
        if (self->m_window->modeless) {
            self->m_window.reset();
            self->AttachWindow(nullptr);
        }
        return FALSE;
    case WM_QUERYDRAGICON:
        // One of the messages whose result the dialog procedure returns itself.
        return self->OnWndMsg(message, wParam, lParam, &result) ? INT_PTR(result) : FALSE;
    default:
        return FALSE;
    }
}

void CDialogWindow::CenterWindow(HWND hWnd) {
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

void CDialogWindowDeleter::operator()(CDialogWindow* window) const {
    delete window;
}

INT_PTR CDialog::DoModal() {
    m_window.reset(new CDialogWindow());
    const INT_PTR result = ::DialogBoxParamW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), GetOwnerHwnd(),
        CDialogWindow::DialogProc, reinterpret_cast<LPARAM>(this));
    m_window.reset();
    AttachWindow(nullptr);
    return result;
}

BOOL CDialog::Create() {
    if (m_window && !m_window->modeless) {
        return FALSE; // running modally
    }
    if (!m_window) {
        m_window.reset(new CDialogWindow());
        m_window->modeless = true;
        if (::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate),
                                 GetOwnerHwnd(), CDialogWindow::DialogProc,
                                 reinterpret_cast<LPARAM>(this)) == nullptr) {
            m_window.reset();
            AttachWindow(nullptr);
            return FALSE;
        }
    }
    ::ShowWindow(m_hWnd, SW_SHOW);
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    if (m_window && m_window->modeless) {
        ::DestroyWindow(m_hWnd);
    } else {
        ::EndDialog(m_hWnd, nResult);
    }
}

CMenu* CDialog::GetSystemMenu(BOOL bRevert) {
    if (!m_window) {
        return nullptr; // not running
    }
    CMenu& menu = m_window->systemMenu;
    menu.m_hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    return menu.m_hMenu ? &menu : nullptr;
}

void CDialog::SetIcon(HICON hIcon, BOOL bBigIcon) {
    SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
}

void CDialog::OnPaint() {
    ::DefWindowProcW(m_hWnd, WM_PAINT, 0, 0);
}

void CDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    ::DefWindowProcW(m_hWnd, WM_SYSCOMMAND, nID, lParam);
}
