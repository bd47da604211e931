// CDialog's members that talk to Qt: the window's making, run and end, its window menu, its icon
// and Qt's own handling of painting and of window-menu commands.
#include "cdialog.h"

#include "qt_dialog_window.h"

#include <QIcon>

INT_PTR CDialog::DoModal() {
    CDialogWindow* window = CDialogWindow::For(*this);
    if (window == nullptr) {
        return -1;
    }
    window->Open();
    window->setModal(true);
    return window->exec();
}

BOOL CDialog::Create() {
    CDialogWindow* window = CDialogWindow::For(*this);
    if (window == nullptr) {
        return FALSE;
    }
    window->Open();
    window->show();
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    if (m_window) {
        m_window->done(nResult);
    }
}

CMenu* CDialog::GetSystemMenu(BOOL) {
    return m_window ? m_window->SystemMenu() : nullptr;
}

void CDialog::SetIcon(HICON hIcon, BOOL) {
    // Qt keeps one icon per window and picks the size it needs from it.
    if (m_window && hIcon) {
        m_window->setWindowIcon(*hIcon);
    }
}

void CDialog::OnPaint() {
    // Qt paints the dialog's background and its controls itself.
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE:
        m_window->showMinimized();
        break;
    case SC_CLOSE:
        m_window->DialogKey(DialogKey::Close);
        break;
    default:
        break;
    }
}
