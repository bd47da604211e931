// The page's font as Debian's browsers draw it, for laying the first window out at build time:
// the style sheet's 13-pixel system font, which Debian's fontconfig resolves to DejaVu Sans.
// Where the reader's browser draws another font, the program lays the window out again when it
// starts, in the font measured there.
#pragma once

#include "text_metrics.h"

class ReferenceFont : public TextMetrics {
public:
    static constexpr int kPixels = 13;

    int TextWidth(std::string_view text) const override;

protected:
    double LetterAdvance(char letter) const override { return Advance(letter); }
    // The line: the font's ascent and descent, each rounded, as the page's canvas reports them.
    int LineHeight() const override;

private:
    double Advance(char c) const;
};
