// Pixel art enlarged for screens with more pixels to the inch than the art was drawn for.
#pragma once

#include <cstdint>
#include <vector>

// Scale2x: each pixel of a `width` x `height` image (rows top-down, any 32-bit pixel format)
// becomes four, each taking the colour of the two neighbours it touches where they agree, so
// that diagonal edges stay sharp instead of turning into steps. Pixels beyond the edges count as
// the edge's own. The result is 2 * width x 2 * height.
std::vector<std::uint32_t> Scale2x(const std::vector<std::uint32_t>& in, int width, int height);
