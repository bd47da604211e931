// What the page tells a dialog's window, one event at a time (web_next_event). The backend's
// JavaScript reads these numbers, and DialogKey's, from web_protocol.js, which CMake makes from
// this header and dialog_keys.h.
#pragma once

class CDialogWindow;

enum class WebEventType : int {
    Changed = 1, // an edit box's text changed: `control`
    Clicked = 2, // a push button was pressed: `control`
    Closed = 3,  // the close box
    Command = 4, // a window-menu item was chosen: `value`, its command
    Key = 5,     // a dialog key: `value` a DialogKey, `control` the focused one (or -1),
                 // `character` the one typed with Alt
};

struct WebEvent {
    CDialogWindow* window; // the window the event is for
    int type;              // a WebEventType
    int control;
    int value;
    int character;
};
