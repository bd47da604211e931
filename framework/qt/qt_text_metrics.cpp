#include "qt_text_metrics.h"

#include <QFontMetrics>
#include <QHash>
#include <QSize>

DialogBaseUnits QtTextMetrics::BaseUnits() const {
    static QHash<QString, DialogBaseUnits> known;
    const QString key = m_font.key();
    if (const auto found = known.constFind(key); found != known.constEnd()) {
        return *found;
    }
    const DialogBaseUnits units = TextMetrics::BaseUnits();
    known.insert(key, units);
    return units;
}

double QtTextMetrics::LetterAdvance(char letter) const {
    return m_metrics.horizontalAdvance(QChar(letter));
}

int QtTextMetrics::LineHeight() const {
    return m_metrics.height();
}

int QtTextMetrics::TextWidth(std::string_view text) const {
    return m_metrics.size(0, QString::fromUtf8(text)).width();
}

int QtTextMetrics::WrappedHeight(std::string_view text, int width) const {
    return m_metrics
        .boundingRect(QRect(0, 0, width, 2000), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                      QString::fromUtf8(text))
        .height();
}
