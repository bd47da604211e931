// XPM pixel art read into pixels, standard library only: the resource tool makes the Windows
// and desktop image files from it, and the web backend shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// An image as 0xAARRGGBB pixels, rows top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Reads XPM data with one or two characters a pixel and colours "#RRGGBB" or "None"
// (transparent); nothing where a row is short or a pixel has a colour the data does not list.
std::optional<Image> FromXpm(const char* const* xpm);

// The size of XPM data from its header alone, without reading its pixels; 0 x 0 if unreadable.
void XpmSize(const char* const* xpm, int& width, int& height);
