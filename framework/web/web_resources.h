// The program's resources as the web backend loads them, from the tables compiled into the
// program (resources.h): strings (CString::LoadString), icons (AfxLoadIcon) and pictures.
#pragma once

#include "win_defs.h"

#include <cstdint>
#include <vector>

// One image, rows top-down: each pixel red, green, blue and alpha bytes in memory (red in the
// lowest byte of the word), as a canvas takes them.
struct WebImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// An icon group or a bitmap, decoded: every image it has, largest first.
struct WebIcon {
    std::vector<WebImage> images;

    const WebImage* Largest() const { return images.empty() ? nullptr : &images.front(); }
    const WebImage* Smallest() const { return images.empty() ? nullptr : &images.back(); }
};

// The images of resource nID, decoded once; no images if there is no such resource. The result
// lives as long as the program.
const WebIcon* WebLoadImages(UINT nID);
