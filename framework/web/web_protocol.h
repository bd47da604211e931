// What the page tells a dialog's window, one event at a time (web_next_event): a record of
// 32-bit numbers. The backend's JavaScript reads these numbers, the record's fields and
// DialogKey's from web_protocol.js, which CMake makes from this header and dialog_keys.h, so
// that the two sides cannot drift; the record's layout is checked here against its fields.
#pragma once

#include <cstddef>
#include <cstdint>

enum class WebEventType : int {
    Changed = 1, // an edit box's text changed: `control`
    Clicked = 2, // a push button was pressed: `control`
    Closed = 3,  // the close box
    Command = 4, // a window-menu item was chosen: `value`, its command
    Key = 5,     // a dialog key: `value` a DialogKey, `control` the focused one (or -1),
                 // `character` the one typed with Alt
};

// The record's fields, each the place of a 32-bit number.
enum class WebEventField : int {
    Window = 0,    // the window the event is for: its number (web_window_create)
    Type = 1,      // a WebEventType
    Control = 2,   // the control, by its place in the layout; -1 for none
    Value = 3,     // a command, or a DialogKey
    Character = 4, // the character typed with Alt, a code point
    Count = 5,
};

struct WebEvent {
    std::int32_t window;
    std::int32_t type;
    std::int32_t control;
    std::int32_t value;
    std::int32_t character;
};

constexpr std::size_t WebEventOffset(WebEventField field) {
    return std::size_t(field) * sizeof(std::int32_t);
}
static_assert(sizeof(WebEvent) == WebEventOffset(WebEventField::Count));
static_assert(offsetof(WebEvent, window) == WebEventOffset(WebEventField::Window));
static_assert(offsetof(WebEvent, type) == WebEventOffset(WebEventField::Type));
static_assert(offsetof(WebEvent, control) == WebEventOffset(WebEventField::Control));
static_assert(offsetof(WebEvent, value) == WebEventOffset(WebEventField::Value));
static_assert(offsetof(WebEvent, character) == WebEventOffset(WebEventField::Character));
