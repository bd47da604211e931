// CDialog's members on Win32: the system's dialog manager makes the window from the template
// resource of the dialog's ID in the executable and carries out Tab, mnemonics, Enter (IDOK, or
// the focused button), Esc and the close box (IDCANCEL) and F1 (WM_HELP); the dialog procedure
// below passes the rest to the CDialog.
#include "cdialog.h"

#include "win32_picture.h"

class CDialogWindow {
public:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void CenterWindow(HWND hWnd);

    CDialogWindow() = default;
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;
    ~CDialogWindow() {
        for (const HBITMAP picture : pictures) {
            ::DeleteObject(picture);
        }
    }

    CMenu systemMenu;              // the window system's own window menu of the running dialog
    std::vector<HBITMAP> pictures; // the pictures scaled to the screen, while the window is shown
};

INT_PTR CALLBACK CDialogWindow::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->AttachWindow(hWnd);
        self->m_window->pictures = ScalePicturesToDpi(hWnd);
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
        return self->OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_HELP:
        // F1, wherever the focus is in the dialog.
        self->OnCommand(ID_HELP, 0);
        return TRUE;
    case WM_PAINT:
    case WM_SYSCOMMAND:
        return self->OnWndMsg(message, wParam, lParam, &result);
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

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
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
