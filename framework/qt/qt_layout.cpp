#include "qt_layout.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QWindow>
#include <algorithm>

void FitStaticTexts(QWidget& window) {
    // Where the desktop font is wider or taller than the template's, a static text gets the
    // room it needs. Laying out a wrapped text is the costly part of making a dialog, so it is
    // done at two widths at the most.
    const QList<QWidget*> children =
        window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    auto nearest = [&](const QWidget* label, const QRect& rect, bool toTheRight) {
        int limit = toTheRight ? window.width() : window.height();
        for (const QWidget* other : children) {
            if (other == label || qobject_cast<const QGroupBox*>(other) ||
                !other->isVisibleTo(&window)) {
                continue;
            }
            const QRect g = other->geometry();
            if (toTheRight && g.left() >= rect.right() && g.top() <= rect.bottom() &&
                g.bottom() >= rect.top()) {
                limit = std::min(limit, g.left());
            } else if (!toTheRight && g.top() >= rect.bottom() && g.left() <= rect.right() &&
                       g.right() >= rect.left()) {
                limit = std::min(limit, g.top());
            }
        }
        return limit;
    };

    for (QWidget* child : children) {
        auto* label = qobject_cast<QLabel*>(child);
        if (!label || !label->pixmap().isNull() || label->text().isEmpty()) {
            continue;
        }
        QRect rect = label->geometry();
        const QFontMetrics metrics(label->font());
        if (rect.height() < 2 * metrics.height()) {
            // A one-line text: as wide as its text, up to its neighbour to the right.
            const int needWidth =
                metrics.size(Qt::TextShowMnemonic, label->text()).width() + 2 * label->margin();
            if (needWidth > rect.width()) {
                rect.setWidth(std::min(needWidth, nearest(label, rect, true) - rect.left()));
            }
            if (needWidth <= rect.width()) {
                label->setGeometry(rect);
                continue;
            }
        }
        // A wrapped text: down to its neighbour below and, where that is not enough, across
        // to the dialog's edge.
        int needHeight = label->heightForWidth(rect.width());
        if (needHeight > rect.height()) {
            QRect widest = rect;
            widest.setRight(window.width() - 3);
            const int room = nearest(label, widest, false) - rect.top();
            if (needHeight > room && widest.width() > rect.width()) {
                rect = widest;
                needHeight = label->heightForWidth(rect.width());
            }
            rect.setHeight(std::max(rect.height(), std::min(needHeight, room)));
        }
        label->setGeometry(rect);
    }
}

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
