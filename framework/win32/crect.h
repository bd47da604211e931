// A rectangle in a window's pixels: right and bottom lie just outside it.
#pragma once

#include "win_defs.h"

struct CRect : RECT {
    CRect() : RECT{0, 0, 0, 0} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
