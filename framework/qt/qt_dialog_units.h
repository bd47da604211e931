// Dialog units: a template's positions and sizes, in quarters of the dialog font's average
// character width and eighths of its height, turned into pixels as the window system does.
#pragma once

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
    int m_baseX; // average character width, in pixels
    int m_baseY; // character height, in pixels
};
