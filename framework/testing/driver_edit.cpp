// An edit box's own keys: typing, deleting, the caret and selection, and the clipboard, as a
// one-line edit box of the desktop carries them out.
#include "headless_driver.h"
#include "utf8.h"

namespace {

// An edit box takes at most this many UTF-16 units from the keyboard or the clipboard, as the
// desktops' edit boxes do.
constexpr std::size_t kMaxLength = 32767;

std::size_t Utf16Length(const std::string& text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        units += IsUtf8Continuation(c) ? 0 : (byte >= 0xF0 ? 2 : 1);
    }
    return units;
}

std::size_t Previous(const std::string& text, std::size_t at) {
    while (at > 0 && IsUtf8Continuation(text[--at])) {
    }
    return at;
}

std::size_t Next(const std::string& text, std::size_t at) {
    while (at < text.size() && IsUtf8Continuation(text[++at])) {
    }
    return at;
}

// Replaces the selection with `text`, cut to the length the box still takes and, in a box of
// one line, to its first line. True if the box's text changed.
bool Replace(HeadlessWindow& box, std::string text) {
    if (box.control->readOnly) {
        return false;
    }
    const std::size_t start = box.SelectionStart(), end = box.SelectionEnd();
    if (!box.control->multiLine) {
        text = text.substr(0, text.find_first_of("\r\n"));
    }
    const std::size_t kept =
        Utf16Length(box.text) - Utf16Length(box.text.substr(start, end - start));
    while (!text.empty() && kept + Utf16Length(text) > kMaxLength) {
        text.erase(Previous(text, text.size()));
    }
    if (start == end && text.empty()) {
        return false;
    }
    box.text.replace(start, end - start, text);
    box.anchor = box.caret = start + text.size();
    return true;
}

void Move(HeadlessWindow& box, std::size_t to, bool extend) {
    box.caret = to;
    if (!extend) {
        box.anchor = to;
    }
}

} // namespace

bool EditKey(HeadlessWindow& box, const HeadlessKey& key) {
    const std::string& name = key.name;
    const bool plain = !key.ctrl && !key.alt;
    const bool selected = box.anchor != box.caret;
    bool changed = false;
    if (!key.text.empty()) {
        changed = Replace(box, key.text);
    } else if (plain &&
               (name == "Space" || (name.size() == 1 || IsUtf8Continuation(name.back())))) {
        changed = Replace(box, name == "Space" ? " " : name);
    } else if (plain && (name == "Backspace" || name == "Delete")) {
        if (!selected) {
            box.anchor =
                name == "Backspace" ? Previous(box.text, box.caret) : Next(box.text, box.caret);
        }
        changed = Replace(box, "");
    } else if (!key.alt && (name == "Home" || name == "End")) {
        Move(box, name == "Home" ? 0 : box.text.size(), key.shift);
    } else if (!key.alt && (name == "Left" || name == "Right")) {
        const std::size_t to = selected && !key.shift
                                   ? (name == "Left" ? box.SelectionStart() : box.SelectionEnd())
                               : name == "Left" ? Previous(box.text, box.caret)
                                                : Next(box.text, box.caret);
        Move(box, to, key.shift);
    } else if (key.ctrl && !key.alt && name == "A") {
        box.anchor = 0;
        box.caret = box.text.size();
    } else if (key.ctrl && !key.alt && (name == "C" || name == "X") && selected) {
        if (name == "C" || !box.control->readOnly) {
            HeadlessClipboard() = box.Selection();
        }
        changed = name == "X" && Replace(box, "");
    } else if (key.ctrl && !key.alt && name == "V") {
        changed = Replace(box, HeadlessClipboard());
    }
    return changed;
}
