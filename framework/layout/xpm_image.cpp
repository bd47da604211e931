#include "xpm_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>

std::optional<Image> FromXpm(const char* const* xpm) {
    Image image;
    char* next = nullptr;
    image.width = int(std::strtol(xpm[0], &next, 10));
    image.height = int(std::strtol(next, &next, 10));
    const int colours = int(std::strtol(next, &next, 10));
    const auto perPixel = std::size_t(std::strtol(next, &next, 10));

    // The palettes are a handful of colours, so a list searched in order is the quickest lookup.
    struct Colour {
        std::string_view key;
        std::uint32_t argb;
    };
    std::vector<Colour> palette;
    for (int i = 1; i <= colours; ++i) {
        const char* value = std::strrchr(xpm[i], ' ');
        value = value ? value + 1 : xpm[i];
        const std::uint32_t argb =
            value[0] == '#' ? 0xFF000000u | std::uint32_t(std::strtoul(value + 1, nullptr, 16)) : 0;
        palette.push_back({std::string_view(xpm[i], perPixel), argb});
    }
    image.pixels.reserve(std::size_t(image.width) * std::size_t(image.height));
    for (int y = 0; y < image.height; ++y) {
        const char* row = xpm[1 + colours + y];
        if (std::strlen(row) < std::size_t(image.width) * perPixel) {
            return std::nullopt;
        }
        for (int x = 0; x < image.width; ++x) {
            const std::string_view key(row + std::size_t(x) * perPixel, perPixel);
            const auto found = std::find_if(palette.begin(), palette.end(),
                                            [key](const Colour& c) { return c.key == key; });
            if (found == palette.end()) {
                return std::nullopt;
            }
            image.pixels.push_back(found->argb);
        }
    }
    return image;
}

void XpmSize(const char* const* xpm, int& width, int& height) {
    char* next = nullptr;
    width = int(std::strtol(xpm[0], &next, 10));
    height = int(std::strtol(next, &next, 10));
}
