// Painting on a window while it handles its paint message (OnPaint), with the window system's
// drawing calls that the dialogs use.
#pragma once

#include "cwnd.h"

#include <QIcon>
#include <QPainter>
#include <QWidget>

using HICON = QIcon;
using HCURSOR = HICON;

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_painter(pWnd->GetWidget()) {}

    // The painter, passed where the window system passes a device context.
    QPainter* GetSafeHdc() { return &m_painter; }
    // Draws the icon's large image with its top-left corner at (x, y).
    BOOL DrawIcon(int x, int y, const HICON& icon) {
        const int size = GetSystemMetrics(SM_CXICON);
        m_painter.drawPixmap(x, y, icon.pixmap(size, size));
        return TRUE;
    }

private:
    QPainter m_painter;
};
