// Build-time tool that turns the program's resource table into the files the platforms want:
//   res_tool OUTDIR APP_ID [RENDITION.png ...]
// writes
//   OUTDIR/resources.rc                   the Windows resource script: the dialogs, the string
//                                         table and the images (varnholt.rc.in adds the
//                                         version block and the manifest)
//   OUTDIR/IDI_MAIN.ico, IDB_PICTURE.bmp  the images, as Windows reads them; the program's
//                                         icon with the larger renditions of its drawing
//   OUTDIR/hicolor/NxN/apps/APP_ID.png    the desktop icons of the pixel art's sizes
// Standard library only, so that a cross build can make it with the build machine's compiler.
#include "fail.h"
#include "image_files.h"
#include "program_module.h"
#include "resource.h"
#include "resource_script.h"
#include "whole_file.h"
#include "xpm_image.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "res_tool: %s\n", what.c_str());
    std::exit(1);
}

namespace {

void Write(const std::filesystem::path& path, const Bytes& data) {
    if (!WriteWholeFile(path, data)) {
        Fail("cannot write " + path.string());
    }
}

Bytes Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Fail("cannot read " + path.string());
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: res_tool OUTDIR APP_ID [RENDITION.png ...]\n");
        return 2;
    }
    const std::filesystem::path out = std::filesystem::absolute(argv[1]);
    const AfxModule& resources = ProgramModule();
    Write(out / "resources.rc", ResourceScript(resources, out));
    for (const AfxImageResource& resource : resources.images) {
        std::vector<Image> images;
        for (const char* const* xpm : resource.images) {
            std::optional<Image> image = FromXpm(xpm);
            if (!image) {
                Fail("a pixel of an unknown colour");
            }
            images.push_back(std::move(*image));
        }
        if (!resource.icon) {
            Write(out / ImageFileName(resource), BmpFile(images[0]));
            continue;
        }
        std::vector<IconImage> icon;
        for (const Image& image : images) {
            icon.push_back(IconFromPixels(image));
        }
        if (resource.id != IDI_MAIN) {
            Write(out / ImageFileName(resource), IcoFile(icon));
            continue;
        }
        for (int i = 3; i < argc; ++i) {
            icon.push_back(IconFromPng(Read(argv[i])));
        }
        Write(out / ImageFileName(resource), IcoFile(icon));
        for (const Image& image : images) {
            const std::string size = std::to_string(image.width);
            Write(out / "hicolor" / (size + "x" + size) / "apps" / (std::string(argv[2]) + ".png"),
                  PngFile(image));
        }
    }
    return 0;
}
