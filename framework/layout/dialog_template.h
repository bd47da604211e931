// A dialog template as data: the dialog's caption, style and size, and its controls in
// template order, which is also their creation order and tab order. Positions and sizes are in
// dialog units: the resolve pass (resolved_dialog.h) turns them into pixels of a font, and the
// Win32 dialog manager does the same from the resource script made of them.
#pragma once

#include "vocabulary.h"

#include <cstddef>

enum class ControlKind { GroupBox, StaticText, EditBox, PushButton, Icon, Picture };

// A control's text, or for an icon or picture the resource ID of its image.
struct ControlText {
    constexpr ControlText(const char* text) : text(text) {}
    static constexpr ControlText Image(UINT id) { return ControlText(nullptr, id); }

    const char* text;
    UINT image = 0;

private:
    constexpr ControlText(const char* text, UINT image) : text(text), image(image) {}
};

// One row of a template. `style` holds the bits besides WS_CHILD and WS_VISIBLE, which every
// control has.
struct DialogItemTemplate {
    ControlKind kind;
    UINT id;
    const char* idName; // the control's objectName; empty for IDC_STATIC
    ControlText text;
    DWORD style;
    int x, y, cx, cy;
};

struct DialogTemplate {
    UINT id;
    const char* name; // the dialog's objectName, for example "IDD_ABOUT"
    const char* caption;
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
    // The template's font. Where that face is not installed, the desktop's default UI font
    // takes its place and dialog units follow its metrics, so the layout stays proportional.
    const char* fontName;
    int pointSize;
    const DialogItemTemplate* items;
    std::size_t itemCount;
};

// Pairs a control ID with its name, for the ID and name columns of a template row.
#define DIALOG_ITEM_ID(id) id, ((id) == IDC_STATIC ? "" : #id)
