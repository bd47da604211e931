#include "resource_script.h"

#include <cstdio>
#include <sstream>

namespace {

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

// A template with an extended window style needs the extended statement, DIALOGEX.
std::string DialogScript(const DialogTemplate& dialog) {
    const bool extended = dialog.exStyle != 0;
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

} // namespace

std::string ResourceScript(const AfxModule& resources, const std::filesystem::path& dir) {
    std::ostringstream out;
    out << "// Made by res_tool from the program's module (res/program_module.cpp); edit\n"
           "// that, not this file.\n"
           "#include \"resource.h\"\n\n"
           "LANGUAGE 0x09, 0x01 // English (United States)\n\n";
    for (const DialogTemplate* dialog : resources.dialogs) {
        out << DialogScript(*dialog);
    }
    out << "STRINGTABLE\nBEGIN\n";
    for (const AfxStringResource& entry : resources.strings) {
        out << "    " << entry.id << ", " << Quoted(entry.text) << "\n";
    }
    out << "END\n\n";
    for (const AfxImageResource& image : resources.images) {
        out << image.name << (image.icon ? " ICON " : " BITMAP ")
            << Quoted((dir / ImageFileName(image)).string().c_str()) << "\n";
    }
    return out.str();
}

std::string ImageFileName(const AfxImageResource& image) {
    return std::string(image.name) + (image.icon ? ".ico" : ".bmp");
}
