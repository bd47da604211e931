// Pictures at their size in logical pixels: the dialog manager shows a picture control's
// bitmap (SS_BITMAP) at its size in pixels, which on a screen of more than 96 DPI is small
// beside text that grows with the DPI.
#pragma once

#include "vocabulary.h"

#include <vector>

// A picture control that shows a rendition of its bitmap: the bitmap it loaded from the
// resources, which is ours from then on, and the rendition it shows (nullptr while it shows the
// original again).
struct ScaledPicture {
    HWND control;
    HBITMAP original;
    HBITMAP rendition;
};

// The DPI the window is shown at.
UINT WindowDpi(HWND hWnd);

// Shows each picture control of dialog window hDlg at `dpi`: above 96, a rendition of its
// original bitmap, pixel art doubled as often as needed by Scale2x, which keeps its edges sharp,
// then reduced to the size with halftone averaging; at 96 or below, the original. The controls
// take the new size. `pictures` keeps, across calls for the same window, the controls whose
// originals have been taken and the renditions they show; a rendition replaced is deleted. A
// control that has never shown a rendition keeps its own bitmap.
void ScalePicturesToDpi(HWND hDlg, UINT dpi, std::vector<ScaledPicture>& pictures);
// Deletes the originals and renditions kept, once the window has ended.
void DeletePictures(std::vector<ScaledPicture>& pictures);
