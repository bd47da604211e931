// The program's images as the web backend loads them, from the registered module: icons and
// pictures.
#pragma once

#include "vocabulary.h"
#include "xpm_image.h"

#include <vector>

// An icon group or a bitmap, decoded: every image it has, largest first. Its pixels are in the
// order a canvas takes them: red, green, blue and alpha bytes in memory (red in the lowest byte
// of the word).
struct WebIcon {
    std::vector<Image> images;

    const Image* Largest() const { return images.empty() ? nullptr : &images.front(); }
    const Image* Smallest() const { return images.empty() ? nullptr : &images.back(); }
};

// The images of resource nID, decoded once; no images if there is no such resource. The result
// lives as long as the program.
const WebIcon* WebLoadImages(UINT nID);
