// Dialog units in a Qt font: its base units measured once, and a template's rectangles in
// pixels.
#pragma once

#include "dialog_units.h"

#include <QRect>

class QFont;

class DialogUnits {
public:
    // The base units of `font`: the average width of the 52 letters, each measured alone (no
    // kerning), and the character height. Measured once per font.
    explicit DialogUnits(const QFont& font);

    // Rounded to the nearest pixel, as the window system's MulDiv rounds.
    int ToPixelsX(int x) const;
    int ToPixelsY(int y) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    DialogBaseUnits m_units;
};
