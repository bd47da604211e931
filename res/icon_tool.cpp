// Build-time converter from the program's pixel art to the icon files the desktops want:
//   icon_tool png OUT.png IN.xpm           one PNG of the picture's own size
//   icon_tool ico OUT.ico IN.xpm...        one Windows icon holding every picture given
// The Windows icon is written here rather than through an image plugin: the plugins write one
// picture per file, and the icon must hold both sizes. Each entry is a classic 32-bit DIB with
// its AND mask, which every version of Windows reads.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSaveFile>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

void AppendU8(QByteArray& out, unsigned value) {
    out.append(static_cast<char>(value & 0xFFu));
}

void AppendU16(QByteArray& out, unsigned value) {
    AppendU8(out, value);
    AppendU8(out, value >> 8);
}

void AppendU32(QByteArray& out, std::uint32_t value) {
    AppendU16(out, value & 0xFFFFu);
    AppendU16(out, value >> 16);
}

// One icon entry: BITMAPINFOHEADER, the colour rows bottom-up as BGRA, then the AND mask
// bottom-up, one bit a pixel (set = transparent), each row padded to four bytes.
QByteArray DibEntry(const QImage& image) {
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;
    QByteArray out;
    AppendU32(out, 40);         // biSize
    AppendU32(out, width);      // biWidth
    AppendU32(out, 2 * height); // biHeight: colour rows and mask rows together
    AppendU16(out, 1);          // biPlanes
    AppendU16(out, 32);         // biBitCount
    AppendU32(out, 0);          // biCompression: BI_RGB
    AppendU32(out, height * (width * 4 + maskStride)); // biSizeImage
    AppendU32(out, 0);                                 // biXPelsPerMeter
    AppendU32(out, 0);                                 // biYPelsPerMeter
    AppendU32(out, 0);                                 // biClrUsed
    AppendU32(out, 0);                                 // biClrImportant
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            AppendU8(out, qBlue(pixel));
            AppendU8(out, qGreen(pixel));
            AppendU8(out, qRed(pixel));
            AppendU8(out, qAlpha(pixel));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

// ICONDIR, one ICONDIRENTRY a picture, then the pictures.
QByteArray IcoFile(const QList<QImage>& images) {
    QByteArray out;
    AppendU16(out, 0); // reserved
    AppendU16(out, 1); // type: icon
    AppendU16(out, images.size());
    QList<QByteArray> entries;
    for (const QImage& image : images) {
        entries << DibEntry(image);
    }
    std::uint32_t offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        AppendU8(out, images[i].width() & 0xFF); // 0 stands for 256
        AppendU8(out, images[i].height() & 0xFF);
        AppendU8(out, 0);   // colours in a palette: none
        AppendU8(out, 0);   // reserved
        AppendU16(out, 1);  // planes
        AppendU16(out, 32); // bits a pixel
        AppendU32(out, entries[i].size());
        AppendU32(out, offset);
        offset += entries[i].size();
    }
    for (const QByteArray& entry : entries) {
        out.append(entry);
    }
    return out;
}

bool Load(const char* path, QImage& image) {
    if (!image.load(QString::fromLocal8Bit(path), "XPM")) {
        std::fprintf(stderr, "icon_tool: cannot read %s as XPM\n", path);
        return false;
    }
    if (image.width() < 1 || image.width() > 256 || image.height() < 1 || image.height() > 256) {
        std::fprintf(stderr, "icon_tool: %s is not 1 to 256 pixels a side\n", path);
        return false;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    return true;
}

bool Write(const char* path, const QByteArray& data) {
    QSaveFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        std::fprintf(stderr, "icon_tool: cannot write %s\n", path);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    const bool png = argc == 4 && std::strcmp(argv[1], "png") == 0;
    const bool ico = argc >= 4 && std::strcmp(argv[1], "ico") == 0;
    if (!png && !ico) {
        std::fprintf(stderr, "usage: icon_tool png OUT.png IN.xpm\n"
                             "       icon_tool ico OUT.ico IN.xpm...\n");
        return 2;
    }
    QList<QImage> images;
    for (int i = 3; i < argc; ++i) {
        QImage image;
        if (!Load(argv[i], image)) {
            return 1;
        }
        images << image;
    }
    if (png) {
        QSaveFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::WriteOnly) || !images.front().save(&file, "PNG") ||
            !file.commit()) {
            std::fprintf(stderr, "icon_tool: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    return Write(argv[2], IcoFile(images)) ? 0 : 1;
}
