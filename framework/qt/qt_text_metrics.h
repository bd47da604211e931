// The layout's font on Qt: a dialog's font as QFontMetrics measures it.
#pragma once

#include "text_metrics.h"

#include <QFont>
#include <QFontMetrics>

class QtTextMetrics : public TextMetrics {
public:
    explicit QtTextMetrics(const QFont& font) : m_font(font), m_metrics(font) {}

    // Measured once per font: measuring glyphs costs more than building the rest of a dialog.
    DialogBaseUnits BaseUnits() const override;
    int TextWidth(std::string_view text) const override;
    // As a word-wrapped QLabel lays its text out.
    int WrappedHeight(std::string_view text, int width) const override;

protected:
    double LetterAdvance(char letter) const override;
    int LineHeight() const override;

private:
    QFont m_font;
    QFontMetrics m_metrics;
};
