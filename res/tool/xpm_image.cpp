#include "xpm_image.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "res_tool: %s\n", what.c_str());
    std::exit(1);
}

Image FromXpm(const char* const* xpm) {
    Image image;
    int colours = 0;
    int perPixel = 0;
    std::istringstream(xpm[0]) >> image.width >> image.height >> colours >> perPixel;
    std::map<std::string, std::uint32_t> palette;
    for (int i = 1; i <= colours; ++i) {
        const std::string line = xpm[i];
        const std::string value = line.substr(line.rfind(' ') + 1);
        palette[line.substr(0, static_cast<std::size_t>(perPixel))] =
            value == "None" ? 0u : 0xFF000000u | std::stoul(value.substr(1), nullptr, 16);
    }
    for (int y = 0; y < image.height; ++y) {
        const std::string row = xpm[1 + colours + y];
        for (int x = 0; x < image.width; ++x) {
            const auto found = palette.find(row.substr(static_cast<std::size_t>(x * perPixel),
                                                       static_cast<std::size_t>(perPixel)));
            if (found == palette.end()) {
                Fail("a pixel of an unknown colour");
            }
            image.pixels.push_back(found->second);
        }
    }
    return image;
}
