#include "image_files.h"

#include <algorithm>
#include <cstdint>

namespace {

void U8(Bytes& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFFu);
}
void U16(Bytes& out, std::uint32_t value) {
    U8(out, value), U8(out, value >> 8);
}
void U32(Bytes& out, std::uint32_t value) {
    U16(out, value & 0xFFFFu), U16(out, value >> 16);
}
void U32BigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        U8(out, value >> shift);
    }
}

void BitmapInfoHeader(Bytes& out, const Image& image, int rows, int bits, std::uint32_t size,
                      std::uint32_t colours) {
    U32(out, 40);
    U32(out, image.width);
    U32(out, rows);
    U16(out, 1);
    U16(out, bits);
    U32(out, 0); // BI_RGB
    U32(out, size);
    U32(out, 0);
    U32(out, 0);
    U32(out, colours);
    U32(out, 0);
}

// One icon entry: a classic 32-bit DIB, colour rows bottom-up as BGRA and then the AND mask
// (set = transparent), which every version of Windows reads.
Bytes IconEntry(const Image& image) {
    const int maskStride = (image.width + 31) / 32 * 4;
    Bytes out;
    BitmapInfoHeader(out, image, 2 * image.height, 32,
                     image.height * (image.width * 4 + maskStride), 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t argb = image.At(x, y);
            U32(out, argb);
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskStride), '\0');
        for (int x = 0; x < image.width; ++x) {
            if ((image.At(x, y) >> 24) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out += row;
    }
    return out;
}

std::uint32_t Crc32(const Bytes& data) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
    U32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const Bytes typed = type + data;
    out += typed;
    U32BigEndian(out, Crc32(typed));
}

} // namespace

IconImage IconFromPixels(const Image& image) {
    return {image.width, IconEntry(image)};
}

IconImage IconFromPng(const Bytes& png) {
    // The signature, then the IHDR chunk: length, type, width and height, big-endian.
    auto BigEndian = [&png](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = at; i < at + 4; ++i) {
            value = (value << 8) | static_cast<std::uint8_t>(png[i]);
        }
        return value;
    };
    if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 ||
        png.compare(12, 4, "IHDR") != 0) {
        Fail("an icon rendition is no PNG file");
    }
    const std::uint32_t width = BigEndian(16);
    if (width != BigEndian(20) || width == 0 || width > 256) {
        Fail("an icon rendition is not square or larger than 256 pixels");
    }
    return {static_cast<int>(width), png};
}

Bytes IcoFile(std::vector<IconImage> images) {
    std::sort(images.begin(), images.end(),
              [](const IconImage& a, const IconImage& b) { return a.size < b.size; });
    Bytes out;
    U16(out, 0);
    U16(out, 1); // an icon
    U16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IconImage& image : images) {
        U8(out, image.size % 256); // 256 is written as 0
        U8(out, image.size % 256);
        U16(out, 0);  // no palette, reserved
        U16(out, 1);  // planes
        U16(out, 32); // bits a pixel
        U32(out, static_cast<std::uint32_t>(image.data.size()));
        U32(out, offset);
        offset += static_cast<std::uint32_t>(image.data.size());
    }
    for (const IconImage& image : images) {
        out += image.data;
    }
    return out;
}

// A 4-bit palette bitmap file; the picture has no transparent pixels.
Bytes BmpFile(const Image& image) {
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    for (const std::uint32_t pixel : image.pixels) {
        std::size_t index = 0;
        while (index < palette.size() && palette[index] != pixel) {
            ++index;
        }
        if (index == palette.size()) {
            palette.push_back(pixel);
        }
        indices.push_back(static_cast<std::uint8_t>(index));
    }
    if (palette.size() > 16) {
        Fail("the picture has more than 16 colours");
    }
    palette.resize(16, 0);
    const int stride = (image.width * 4 + 31) / 32 * 4;
    const std::uint32_t bitsOffset = 14 + 40 + 16 * 4;
    const std::uint32_t bitsSize = static_cast<std::uint32_t>(stride * image.height);
    Bytes out = "BM";
    U32(out, bitsOffset + bitsSize);
    U32(out, 0);
    U32(out, bitsOffset);
    BitmapInfoHeader(out, image, image.height, 4, bitsSize, 16);
    for (const std::uint32_t colour : palette) {
        U32(out, colour & 0xFFFFFFu); // BGR and a zero byte
    }
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), '\0');
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = indices[static_cast<std::size_t>(y * image.width + x)];
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out += row;
    }
    return out;
}

// An 8-bit RGBA PNG whose zlib stream holds the rows in stored (uncompressed) deflate blocks:
// a valid PNG without a compressor, and these images are small.
Bytes PngFile(const Image& image) {
    Bytes raw;
    for (int y = 0; y < image.height; ++y) {
        raw += '\0'; // filter: none
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t argb = image.At(x, y);
            U8(raw, argb >> 16), U8(raw, argb >> 8), U8(raw, argb), U8(raw, argb >> 24);
        }
    }
    Bytes zlib = "\x78\x01";
    for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
        U8(zlib, at + length == raw.size() ? 1 : 0);
        U16(zlib, static_cast<std::uint32_t>(length));
        U16(zlib, static_cast<std::uint32_t>(~length));
        zlib += raw.substr(at, length);
    }
    std::uint32_t a = 1, b = 0;
    for (const char byte : raw) {
        a = (a + static_cast<std::uint8_t>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    U32BigEndian(zlib, b << 16 | a);
    Bytes header;
    U32BigEndian(header, image.width);
    U32BigEndian(header, image.height);
    header += std::string("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no interlace
    Bytes out = "\x89PNG\r\n\x1a\n";
    PngChunk(out, "IHDR", header);
    PngChunk(out, "IDAT", zlib);
    PngChunk(out, "IEND", "");
    return out;
}
