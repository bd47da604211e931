#include "accessible_texts.h"

#include "resources.h"

namespace {

// A label as it is read: "&&" stands for "&", a single "&" marks the mnemonic and is dropped,
// and a line break reads as a blank.
std::string ReadableText(const char* text) {
    std::string readable;
    for (const char* c = text ? text : ""; *c != '\0'; ++c) {
        if (*c == '&') {
            if (c[1] != '&') {
                continue;
            }
            ++c;
        }
        readable += (*c == '\n') ? ' ' : *c;
    }
    return readable;
}

bool Contains(const DialogItemTemplate& outer, const DialogItemTemplate& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

// The innermost group box around a row, wherever it stands in the template, or nullptr.
const DialogItemTemplate* GroupOf(const DialogTemplate& dialog, const DialogItemTemplate& item) {
    const DialogItemTemplate* group = nullptr;
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        const DialogItemTemplate& box = dialog.items[i];
        if (&box != &item && box.kind == ControlKind::GroupBox && Contains(box, item) &&
            (!group || Contains(*group, box))) {
            group = &box;
        }
    }
    return group;
}

} // namespace

std::vector<AccessibleText> AccessibleTexts(const DialogTemplate& dialog) {
    std::vector<AccessibleText> texts(dialog.itemCount);
    for (std::size_t i = 0; i < dialog.itemCount; ++i) {
        const DialogItemTemplate& item = dialog.items[i];
        AccessibleText& text = texts[i];
        switch (item.kind) {
        case ControlKind::EditBox: {
            const DialogItemTemplate* group = GroupOf(dialog, item);
            for (std::size_t j = i; j-- > 0;) {
                const DialogItemTemplate& label = dialog.items[j];
                if (label.kind == ControlKind::StaticText && GroupOf(dialog, label) == group) {
                    text.name = ReadableText(label.text.text);
                    break;
                }
            }
            const std::string title = group ? ReadableText(group->text.text) : std::string();
            if (text.name.empty()) {
                text.name = title;
            }
            if (title != text.name) {
                text.description = title;
            }
            break;
        }
        case ControlKind::PushButton:
            text.name = ReadableText(item.text.text);
            break;
        case ControlKind::Icon:
        case ControlKind::Picture:
            text.description = AfxFindImageText(item.text.image);
            break;
        case ControlKind::GroupBox:
        case ControlKind::StaticText:
            break;
        }
    }
    return texts;
}
