// CDialog's members on Qt that the other backends laying dialogs out do their own way: the
// window's icon, and painting.
#include "cdialog.h"

#include "qt_dialog_window.h"

#include <QIcon>

void CDialog::SetIcon(HICON hIcon, BOOL) {
    // Qt keeps one icon per window and picks the size it needs from it.
    if (m_window && hIcon) {
        m_window->setWindowIcon(*hIcon);
    }
}

void CDialog::OnPaint() {
    // Qt paints the dialog's background and its controls itself.
}
