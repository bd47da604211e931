// A rectangle in a window's pixels: right and bottom lie just outside it.
#pragma once

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};
