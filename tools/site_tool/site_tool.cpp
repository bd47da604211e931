// Build-time tool that lays out the web page's first window, so that the page shows it before
// the program has started:
//   site_tool OUTDIR DIALOG
// writes, for the program's dialog template named DIALOG (IDD_CALCULATOR):
//   OUTDIR/window.html   the window's markup, as the web backend makes it, not yet taking input
//   OUTDIR/layout.css    where its client area and controls go, laid out in the reference font,
//                        as the custom properties the web backend sets when it takes the window
// Standard library only, so that a cross build can make it with the build machine's compiler.
#include "program_module.h"
#include "reference_font.h"
#include "web_markup.h"
#include "whole_file.h"

#include <cstdio>
#include <string>

namespace {

std::string Pixels(int value) {
    return std::to_string(value) + "px";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: site_tool OUTDIR DIALOG\n");
        return 2;
    }
    const std::string out = argv[1], name = argv[2];
    const AfxModule& module = ProgramModule();
    const DialogTemplate* found = nullptr;
    for (const DialogTemplate* dialog : module.dialogs) {
        found = name == dialog->name ? dialog : found;
    }
    if (found == nullptr) {
        std::fprintf(stderr, "site_tool: no dialog %s\n", name.c_str());
        return 1;
    }
    const ResolvedDialog layout = ResolveDialog(*found, ReferenceFont(), module);
    const std::string markup = WebWindowMarkup(layout, name, false, true);
    std::string css =
        "/* Made by site_tool: the first window laid out in the reference font. */\n#" + name +
        " .client{--w:" + Pixels(layout.width) + ";--h:" + Pixels(layout.height) +
        ";--line:" + Pixels(layout.units.y) + "}\n";
    const std::vector<CRect> places = WebControlPlaces(layout);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const CRect& r = places[i];
        css += "#" + WebControlId(name, layout, i) + "{--l:" + Pixels(r.left) +
               ";--t:" + Pixels(r.top) + ";--w:" + Pixels(r.Width()) +
               ";--h:" + Pixels(r.Height()) + "}\n";
    }
    if (!WriteWholeFile(out + "/window.html", markup + "\n") ||
        !WriteWholeFile(out + "/layout.css", css)) {
        std::fprintf(stderr, "site_tool: cannot write into %s\n", out.c_str());
        return 1;
    }
    return 0;
}
