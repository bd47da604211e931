#include "cdialog.h"

#include "cwinapp.h"

HICON AfxLoadIcon(UINT id) {
    return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    // A dialog without a parent is owned by the application's main window.
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!owner && AfxGetApp() && AfxGetApp()->m_pMainWnd &&
        AfxGetApp()->m_pMainWnd != static_cast<CWnd*>(this)) {
        owner = AfxGetApp()->m_pMainWnd->m_hWnd;
    }
    const INT_PTR result =
        ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                          DialogProc, reinterpret_cast<LPARAM>(this));
    m_items.clear();
    m_hWnd = nullptr;
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->m_hWnd = hWnd;
        self->CenterWindow();
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!self) {
        return FALSE;
    }
    switch (message) {
    case WM_COMMAND:
        return self->m_lockNotifications == 0 && self->OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    case WM_HELP:
        // F1, wherever the focus is in the dialog.
        self->OnCmdMsg(ID_HELP, 0);
        return TRUE;
    case WM_PAINT:
    case WM_SYSCOMMAND:
        return self->OnWndMsg(message, wParam, lParam);
    case WM_QUERYDRAGICON:
        // One of the messages whose result the dialog procedure returns itself.
        if (AfxFindMessageEntry(self->GetMessageMap(), WM_QUERYDRAGICON, 0, 0)) {
            return reinterpret_cast<INT_PTR>(self->OnQueryDragIcon());
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void CDialog::OnPaint() {
    ::DefWindowProcW(m_hWnd, WM_PAINT, 0, 0);
}

void CDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    ::DefWindowProcW(m_hWnd, WM_SYSCOMMAND, nID, lParam);
}

void CDialog::EndDialog(int nResult) {
    ::EndDialog(m_hWnd, nResult);
}

CWnd* CDialog::GetDlgItem(UINT id) const {
    HWND control = ::GetDlgItem(m_hWnd, int(id));
    if (!control) {
        return nullptr;
    }
    std::unique_ptr<CWnd>& item = m_items[id];
    if (!item) {
        item = std::make_unique<CWnd>(control);
    }
    return item.get();
}

CMenu* CDialog::GetSystemMenu(BOOL bRevert) {
    m_systemMenu.m_hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    return m_systemMenu.m_hMenu ? &m_systemMenu : nullptr;
}

void CDialog::SetIcon(HICON icon, BOOL bBigIcon) {
    SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CDialog::CenterWindow() {
    // A template at (0, 0) opens centred over its owner, or over the work area of the screen.
    RECT area;
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!(owner && ::IsWindowVisible(owner) && ::GetWindowRect(owner, &area))) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT window;
    ::GetWindowRect(m_hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ::SetWindowPos(m_hWnd, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
