// CDialog's members on the headless backend that the other backends laying dialogs out do
// their own way: the icons, and painting.
#include "headless_input.h"

void CDialog::SetIcon(HICON hIcon, BOOL bBigIcon) {
    if (m_window) {
        m_window->Self().icons[bBigIcon ? 1 : 0] = hIcon;
    }
}

void CDialog::OnPaint() {
    // Nothing to paint: the controls are plain objects.
}
