// Pictures at their size in logical pixels: the dialog manager shows a picture control's
// bitmap (SS_BITMAP) at its size in pixels, which on a screen of more than 96 DPI is small
// beside text that grows with the DPI.
#pragma once

#include "win_defs.h"

#include <vector>

// Replaces the bitmap of each picture control of dialog window hDlg by a rendition scaled by
// the window's DPI, if that is more than 96: pixel art doubled as often as needed by Scale2x,
// which keeps its edges sharp, then reduced to the size with halftone averaging. The controls
// take the new size. Returns the bitmaps made, which the caller deletes once the window has
// ended; at 96 DPI it changes nothing and returns none.
std::vector<HBITMAP> ScalePicturesToDpi(HWND hDlg);
