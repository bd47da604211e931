#include "qt_window_position.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

void CenterWindow(QWidget& window) {
    // A template at (0, 0) opens centred over its owner, or over the screen's work area: the
    // whole window, frame included. Where the window system has not told this window's frame
    // yet, the owner's frame is the best estimate.
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible()) {
        area = owner->frameGeometry();
    } else if (const QScreen* s = window.screen()) {
        area = s->availableGeometry();
    }
    if (!area.isValid()) {
        return;
    }
    if (!window.windowHandle()) {
        window.winId(); // makes the window system's window, whose frame is asked for below
    }
    QMargins frame = window.windowHandle()->frameMargins();
    if (frame.isNull() && owner && owner->windowHandle()) {
        frame = owner->windowHandle()->frameMargins();
    }
    const QSize outer = window.size().grownBy(frame);
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
}
