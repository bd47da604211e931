// Dialog units: a template's positions and sizes, in quarters of the dialog font's average
// character width and eighths of its height, turned into pixels as the window system does. For
// the backends that lay dialogs out themselves; each measures its font's base units: the
// average width of the 52 letters, each measured alone, and the character height.
#pragma once

struct DialogBaseUnits {
    int x = 0; // average character width, in pixels
    int y = 0; // character height, in pixels

    // Rounded to the nearest pixel, as the window system's MulDiv rounds.
    int ToPixelsX(int dialogX) const { return Rounded(dialogX * x, 4); }
    int ToPixelsY(int dialogY) const { return Rounded(dialogY * y, 8); }

private:
    static int Rounded(int value, int denominator) {
        return (value + denominator / 2) / denominator;
    }
};
