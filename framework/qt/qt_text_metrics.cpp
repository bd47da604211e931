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
    const QFontMetrics metrics(m_font);
    int letters = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
        letters +=
            metrics.horizontalAdvance(QChar(c)) + metrics.horizontalAdvance(QChar(c - 'A' + 'a'));
    }
    const DialogBaseUnits units{(letters / 26 + 1) / 2, metrics.height()};
    known.insert(key, units);
    return units;
}

int QtTextMetrics::TextWidth(std::string_view text) const {
    return QFontMetrics(m_font).size(0, QString::fromUtf8(text)).width();
}

int QtTextMetrics::WrappedHeight(std::string_view text, int width) const {
    return QFontMetrics(m_font)
        .boundingRect(QRect(0, 0, width, 2000), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                      QString::fromUtf8(text))
        .height();
}
