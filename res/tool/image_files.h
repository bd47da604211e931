// The image files that Windows and the desktops read, written without any library.
#pragma once

#include "xpm_image.h"

#include <string>
#include <vector>

using Bytes = std::string;

// An icon file (.ico) with one image a size: classic 32-bit DIBs with an AND mask.
Bytes IcoFile(const std::vector<Image>& images);
// A 4-bit palette bitmap file (.bmp); the image may have at most 16 colours, none transparent.
Bytes BmpFile(const Image& image);
// An 8-bit RGBA PNG file.
Bytes PngFile(const Image& image);
