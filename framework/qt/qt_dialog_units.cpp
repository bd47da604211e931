#include "qt_dialog_units.h"

#include <QFontMetrics>
#include <QHash>
#include <QSize>

namespace {

// Measuring glyphs costs more than building the rest of a dialog, and the result depends on the
// font alone, so it is kept per font.
QSize BaseUnits(const QFont& font) {
    static QHash<QString, QSize> known;
    const QString key = font.key();
    if (const auto found = known.constFind(key); found != known.constEnd()) {
        return *found;
    }
    const QFontMetrics metrics(font);
    int letters = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters +=
            metrics.horizontalAdvance(QChar(c)) + metrics.horizontalAdvance(QChar(c - 'A' + 'a'));
    }
    const QSize units((letters / 26 + 1) / 2, metrics.height());
    known.insert(key, units);
    return units;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QSize units = BaseUnits(font);
    m_units = DialogBaseUnits{units.width(), units.height()};
}

int DialogUnits::ToPixelsX(int x) const {
    return m_units.ToPixelsX(x);
}

int DialogUnits::ToPixelsY(int y) const {
    return m_units.ToPixelsY(y);
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy));
}
