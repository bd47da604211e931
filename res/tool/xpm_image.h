// Images for the resource tool: XPM pixel art read into pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An image as 0xAARRGGBB pixels, rows top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Reports a fault in the program's resources and ends the tool with status 1.
[[noreturn]] void Fail(const std::string& what);

// Reads XPM data with one or two characters a pixel and colours "#RRGGBB" or "None"
// (transparent).
Image FromXpm(const char* const* xpm);
