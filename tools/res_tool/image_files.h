// The image files that Windows and the desktops read, written without any library.
#pragma once

#include "fail.h"
#include "xpm_image.h"

#include <string>
#include <vector>

using Bytes = std::string;

// One image of an icon: its size in pixels (square) and its data as the icon file holds it.
struct IconImage {
    int size;
    Bytes data;
};

// A classic 32-bit DIB with an AND mask, which every version of Windows reads.
IconImage IconFromPixels(const Image& image);
// A PNG file as it is, which Windows reads since Vista: the way to store large renditions.
IconImage IconFromPng(const Bytes& png);

// An icon file (.ico) of these images, smallest first.
Bytes IcoFile(std::vector<IconImage> images);
// A 4-bit palette bitmap file (.bmp); the image may have at most 16 colours, none transparent.
Bytes BmpFile(const Image& image);
// An 8-bit RGBA PNG file.
Bytes PngFile(const Image& image);
