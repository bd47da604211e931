// Build-time tool that turns the program's resources into the files the platforms want:
//   res_tool OUTDIR APP_ID
// writes, from the dialog templates, the string table and the pixel art,
//   OUTDIR/resources.rc                   Windows resource script: both dialogs, the string table,
//                                         the icon and the picture (the version block is added
//                                         by varnholt.rc.in)
//   OUTDIR/varnholt.ico                   icon 128, 16x16 and 32x32
//   OUTDIR/picture.bmp                    bitmap 129, 16 colours
//   OUTDIR/hicolor/NxN/apps/APP_ID.png    the desktop icons
// Standard library only, so that a cross build can make it with the host's compiler.
#include "dialog_templates.h"
#include "resource.h"
#include "string_table.h"

#include "icon_main_16.xpm"
#include "icon_main_32.xpm"
#include "picture.xpm"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::string;

// An image as 0xAARRGGBB pixels, rows top-down.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "res_tool: %s\n", what.c_str());
    std::exit(1);
}

// Reads XPM data with one or two characters a pixel and colours "#RRGGBB" or "None".
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

Bytes IcoFile(const std::vector<Image>& images) {
    Bytes out;
    U16(out, 0);
    U16(out, 1); // an icon
    U16(out, static_cast<std::uint32_t>(images.size()));
    std::vector<Bytes> entries;
    for (const Image& image : images) {
        entries.push_back(IconEntry(image));
    }
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        U8(out, images[i].width);
        U8(out, images[i].height);
        U16(out, 0);  // no palette, reserved
        U16(out, 1);  // planes
        U16(out, 32); // bits a pixel
        U32(out, static_cast<std::uint32_t>(entries[i].size()));
        U32(out, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const Bytes& entry : entries) {
        out += entry;
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

// A resource-script string: quotes doubled, line breaks as \n.
std::string Quoted(const char* text) {
    std::string out = "\"";
    for (const char* c = text; *c; ++c) {
        out += *c == '"'    ? std::string("\"\"")
               : *c == '\n' ? std::string("\\n")
                            : std::string(1, *c);
    }
    return out + "\"";
}

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

// One control as the resource compiler's statement for its kind. Each statement brings default
// style bits; those the row does not have are taken away again with NOT, so the compiled style
// is the row's exactly.
std::string ControlLine(const DialogItemTemplate& item) {
    std::string statement;
    DWORD defaults = 0;
    std::string text = item.text.text ? Quoted(item.text.text) : std::to_string(item.text.image);
    std::string className;
    switch (item.kind) {
    case ControlKind::GroupBox:
        statement = "GROUPBOX", defaults = BS_GROUPBOX;
        break;
    case ControlKind::StaticText:
        statement = "LTEXT", defaults = SS_LEFT | WS_GROUP;
        break;
    case ControlKind::EditBox:
        statement = "EDITTEXT", defaults = WS_BORDER | WS_TABSTOP, text.clear();
        break;
    case ControlKind::PushButton:
        statement = (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON ? "DEFPUSHBUTTON" : "PUSHBUTTON";
        defaults = (item.style & BS_TYPEMASK) | WS_TABSTOP;
        break;
    case ControlKind::Icon:
        statement = "ICON", defaults = SS_ICON;
        break;
    case ControlKind::Picture:
        statement = "CONTROL", className = ", \"Static\"";
        break;
    }
    std::string line = "    " + statement + " ";
    if (!text.empty()) {
        line += text + ", ";
    }
    // Control IDs by their names in resource.h; IDOK, IDCANCEL and IDC_STATIC as numbers.
    line += item.id == IDC_STATIC                            ? std::string("-1")
            : std::string(item.idName).rfind("IDC_", 0) == 0 ? std::string(item.idName)
                                                             : std::to_string(item.id);
    line += className;
    for (const int value : {item.x, item.y, item.cx, item.cy}) {
        line += ", " + std::to_string(value);
    }
    if (item.kind == ControlKind::Picture) {
        // CONTROL takes the style before the rectangle.
        const std::size_t rectangle = line.find(", ", line.find(className) + className.size());
        line.insert(rectangle, ", " + Hex(item.style));
        return line;
    }
    line += ", " + Hex(item.style);
    if (const DWORD extra = defaults & ~item.style) {
        line += " | NOT " + Hex(extra);
    }
    return line;
}

std::string DialogScript(const DialogTemplate& dialog, bool extended) {
    std::ostringstream out;
    out << dialog.name << (extended ? " DIALOGEX " : " DIALOG ") << dialog.x << ", " << dialog.y
        << ", " << dialog.cx << ", " << dialog.cy << "\n"
        << "STYLE " << Hex(dialog.style) << "\n";
    if (extended) {
        out << "EXSTYLE " << Hex(dialog.exStyle) << "\n";
    }
    out << "CAPTION " << Quoted(dialog.caption) << "\n"
        << "FONT " << dialog.pointSize << ", " << Quoted(dialog.fontName)
        << (extended ? ", 0, 0, 0x0" : "") << "\nBEGIN\n";
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        out << ControlLine(dialog.items[i]) << "\n";
    }
    out << "END\n\n";
    return out.str();
}

std::string ResourceScript(const std::filesystem::path& dir) {
    std::ostringstream out;
    out << "// Made by res_tool from res/dialog_templates.cpp, res/string_table.cpp and the pixel\n"
           "// art; edit those, not this file.\n"
           "#include \"resource.h\"\n\n"
           "LANGUAGE 0x09, 0x01 // English (United States)\n\n"
        << DialogScript(kAboutTemplate, false) << DialogScript(kCalculatorTemplate, true)
        << "STRINGTABLE\nBEGIN\n";
    for (std::size_t i = 0; i < kStringTableSize; ++i) {
        out << "    " << kStringTable[i].id << ", " << Quoted(kStringTable[i].text) << "\n";
    }
    out << "END\n\n"
        << "IDI_MAIN ICON " << Quoted((dir / "varnholt.ico").c_str()) << "\n"
        << "IDB_PICTURE BITMAP " << Quoted((dir / "picture.bmp").c_str()) << "\n";
    return out.str();
}

void Write(const std::filesystem::path& path, const Bytes& data) {
    std::filesystem::create_directories(path.parent_path());
    const std::filesystem::path temporary = path.string() + ".new";
    std::ofstream(temporary, std::ios::binary) << data;
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        Fail("cannot write " + path.string());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: res_tool OUTDIR APP_ID\n");
        return 2;
    }
    const std::filesystem::path out = std::filesystem::absolute(argv[1]);
    const std::vector<Image> icon = {FromXpm(icon_main_16_xpm), FromXpm(icon_main_32_xpm)};
    Write(out / "resources.rc", ResourceScript(out));
    Write(out / "varnholt.ico", IcoFile(icon));
    Write(out / "picture.bmp", BmpFile(FromXpm(picture_xpm)));
    for (const Image& image : icon) {
        const std::string size = std::to_string(image.width);
        Write(out / "hicolor" / (size + "x" + size) / "apps" / (std::string(argv[2]) + ".png"),
              PngFile(image));
    }
    return 0;
}
