#include "scale2x.h"

std::vector<std::uint32_t> Scale2x(const std::vector<std::uint32_t>& in, int width, int height) {
    std::vector<std::uint32_t> out(in.size() * 4);
    auto at = [&](int x, int y) {
        x = x < 0 ? 0 : x >= width ? width - 1 : x;
        y = y < 0 ? 0 : y >= height ? height - 1 : y;
        return in[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    };
    const auto put = [&](int x, int y, std::uint32_t pixel) {
        out[std::size_t(y) * std::size_t(2 * width) + std::size_t(x)] = pixel;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t e = at(x, y), b = at(x, y - 1), d = at(x - 1, y), f = at(x + 1, y),
                                h = at(x, y + 1);
            const bool apart = b != h && d != f;
            put(2 * x, 2 * y, apart && d == b ? d : e);
            put(2 * x + 1, 2 * y, apart && b == f ? f : e);
            put(2 * x, 2 * y + 1, apart && d == h ? d : e);
            put(2 * x + 1, 2 * y + 1, apart && h == f ? f : e);
        }
    }
    return out;
}
