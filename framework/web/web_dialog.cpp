// CDialog's members on the page: the window's making, modal run and end, its window menu, its
// icon, and the default handling of painting and of window-menu commands.
#include "cdialog.h"

#include "web_dialog_window.h"

INT_PTR CDialog::DoModal() {
    CDialogWindow* window = CDialogWindow::For(*this);
    return window ? window->RunModal() : -1;
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
    // A page shows a window's small icon in its title bar; the large one has nowhere to go (the
    // installed app's icon comes from the web app manifest).
    if (m_window && !bBigIcon) {
        m_window->SetSmallIcon(hIcon);
    }
}

void CDialog::OnPaint() {
    // The browser paints the window's elements itself.
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    // A page can be neither minimized nor moved: Close is the one command of its own.
    if ((nID & 0xFFF0) == SC_CLOSE) {
        m_window->DialogKey(DialogKey::Close, -1);
    }
}
