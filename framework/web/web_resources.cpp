#include "web_resources.h"

#include "cdialog.h"
#include "resources.h"

#include <cstdlib>
#include <cstring>
#include <map>

namespace {

// A palette key: the one or two characters that stand for a colour.
unsigned Key(const char* pixel, int perPixel) {
    const auto first = static_cast<unsigned char>(pixel[0]);
    return perPixel == 1 ? first : first | (static_cast<unsigned char>(pixel[1]) << 8);
}

// Decodes XPM data with one or two characters a pixel and colours "#RRGGBB" or "None"
// (transparent). A pixel of a colour the data does not list comes out transparent. The
// palettes are a handful of colours, so a list searched in order is the quickest lookup.
WebImage DecodeXpm(const char* const* xpm) {
    WebImage image;
    char* next = nullptr;
    image.width = int(std::strtol(xpm[0], &next, 10));
    image.height = int(std::strtol(next, &next, 10));
    const int colours = int(std::strtol(next, &next, 10));
    const int perPixel = int(std::strtol(next, &next, 10)) == 2 ? 2 : 1;

    struct Colour {
        unsigned key;
        std::uint32_t rgba; // red in the lowest byte
    };
    std::vector<Colour> palette;
    for (int i = 1; i <= colours; ++i) {
        const char* value = std::strrchr(xpm[i], ' ');
        value = value ? value + 1 : xpm[i];
        std::uint32_t rgba = 0;
        if (value[0] == '#') {
            const unsigned long rgb = std::strtoul(value + 1, nullptr, 16);
            rgba = 0xFF000000u | ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
        }
        palette.push_back({Key(xpm[i], perPixel), rgba});
    }
    image.pixels.reserve(std::size_t(image.width) * std::size_t(image.height));
    for (int y = 0; y < image.height; ++y) {
        const char* row = xpm[1 + colours + y];
        for (int x = 0; x < image.width; ++x) {
            const unsigned key = Key(row + x * perPixel, perPixel);
            std::uint32_t rgba = 0;
            for (const Colour& colour : palette) {
                if (colour.key == key) {
                    rgba = colour.rgba;
                    break;
                }
            }
            image.pixels.push_back(rgba);
        }
    }
    return image;
}

} // namespace

const WebIcon* WebLoadImages(UINT nID) {
    // Kept in a map whose elements never move, so that an HICON stays valid.
    static std::map<UINT, WebIcon> loaded;
    if (const auto found = loaded.find(nID); found != loaded.end()) {
        return &found->second;
    }
    WebIcon icon;
    for (const char* const* xpm : AfxFindImages(nID)) {
        icon.images.push_back(DecodeXpm(xpm));
    }
    return &loaded.emplace(nID, std::move(icon)).first->second;
}

BOOL CString::LoadString(UINT nID) {
    *this = CString(AfxFindString(nID));
    return !IsEmpty();
}

HICON AfxLoadIcon(UINT nID) {
    return WebLoadImages(nID);
}
