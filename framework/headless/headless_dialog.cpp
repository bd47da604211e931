// CDialog's members on the headless backend: the window's making, run and end, its window menu,
// its icons, and the default handling of painting and of window-menu commands.
#include "headless_input.h"

INT_PTR CDialog::DoModal() {
    CDialogWindow* window = CDialogWindow::For(*this);
    return window ? window->RunModal() : -1;
}

BOOL CDialog::Create() {
    CDialogWindow* window = CDialogWindow::For(*this);
    if (window == nullptr) {
        return FALSE;
    }
    window->Open();
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    if (m_window) {
        m_window->End(nResult);
    }
}

CMenu* CDialog::GetSystemMenu(BOOL) {
    return m_window ? m_window->SystemMenu() : nullptr;
}

void CDialog::SetIcon(HICON hIcon, BOOL bBigIcon) {
    if (m_window) {
        m_window->Self().icons[bBigIcon ? 1 : 0] = hIcon;
    }
}

void CDialog::OnPaint() {
    // Nothing to paint: the controls are plain objects.
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE:
        m_window->Minimize(true);
        break;
    case SC_CLOSE:
        OnCommand(IDCANCEL, BN_CLICKED);
        break;
    default:
        break;
    }
}
