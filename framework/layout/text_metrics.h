// A window system's dialog font as the layout of a dialog needs it: its dialog base units and
// the room a text takes. Each backend that lays dialogs out itself measures its own font.
#pragma once

#include "dialog_units.h"

#include <string_view>

class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // The font's base units, by the window system's rule: the average width of the 52 letters,
    // each measured alone and rounded to whole pixels, and the height of a line.
    virtual DialogBaseUnits BaseUnits() const;
    // The width of `text` (UTF-8, one line, no mnemonic markers) in pixels.
    virtual int TextWidth(std::string_view text) const = 0;
    // The height of `text` wrapped at word boundaries to `width` pixels, its line breaks kept; a
    // word wider than that is broken between characters. By default worked out from TextWidth
    // and the line height.
    virtual int WrappedHeight(std::string_view text, int width) const;

protected:
    // What the rule measures: one letter's advance, in pixels with their fraction, and the
    // height of a line.
    virtual double LetterAdvance(char letter) const = 0;
    virtual int LineHeight() const = 0;
};
