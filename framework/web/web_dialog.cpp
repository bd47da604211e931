// CDialog's members on the page that the other backends laying dialogs out do their own way: the
// window's icon, and painting.
#include "cdialog.h"

#include "web_dialog_window.h"

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
