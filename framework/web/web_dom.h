// The page as the C++ side reaches it: the functions of the backend's JavaScript library
// (web_dom.js, web_events.js), and the handle that names an element of the page.
//
// Elements are numbered by the JavaScript side; 0 names none. Texts cross as UTF-8.
#pragma once

#include "dialog_template.h"

#include <cstdint>

class CDialogWindow;

// An element of the page: a dialog's window, one of its controls, or its window menu. `window`
// is set for a dialog's own window only, so that messages sent to it reach its dialog.
struct WebNode {
    int element = 0;
    CDialogWindow* window = nullptr;
};

// What the page reports, one event at a time, to the dialog whose window it concerns.
enum WebEventType : int { WEB_COMMAND = 1, WEB_SYSCOMMAND = 2 };
struct WebEvent {
    CDialogWindow* window; // the window the event is for
    int type;              // WebEventType
    int id;                // the control or command ID
    int code;              // the notification code of a WEB_COMMAND
};

extern "C" {

// The dialog font's base units, measured as the window system measures them: the average width
// of the 52 letters, each alone, in the low 16 bits; the font's height in the high 16.
int web_base_units(void);

// A dialog's window, hidden: its title bar (caption, icon and close box where `style` has
// WS_SYSMENU), a client area of the given size in pixels, named `name`. Owned windows (`owned`)
// open modally over the page; others take their place on the page itself.
int web_window_create(CDialogWindow* window, const char* name, const char* caption, int style,
                      int owned, int width, int height);
// Adds control `kind` (a ControlKind) to a window's client area at the given rectangle in
// pixels; `idName` is its element's id where it has one.
int web_control_create(int windowElement, int kind, const char* idName, const char* text, int style,
                       int id, int x, int y, int width, int height);
// Gives a control what a screen reader says for it (accessible_texts.h), through the labels and
// group boxes of its window that carry those texts.
void web_control_describe(int element, const char* name, const char* description);
// The screen's device pixels to a CSS pixel, rounded up: 1 on a classic screen, 2 or 3 on most
// phones.
int web_pixel_ratio(void);
// Shows a picture or an icon `cssWidth` x `cssHeight` CSS pixels large, drawn from `width` x
// `height` RGBA pixels. For a window, the small icon of its title bar.
void web_image(int element, int cssWidth, int cssHeight, int width, int height,
               const std::uint8_t* pixels);
// Draws an image at (x, y) in a window's client area, over the controls.
void web_paint(int windowElement, int x, int y, int width, int height, const std::uint8_t* pixels);

void web_window_show(int element);
void web_window_hide(int element);
// Removes an element and its children, and the events still queued for its window.
void web_remove(int element);
// Puts the focus on the first tab stop of a window.
void web_focus_first(int windowElement);
void web_client_size(int element, int* width, int* height);

// The text of an element (an edit box's contents, a static text, a button's or window's
// caption), allocated with malloc.
char* web_get_text(int element);
void web_set_text(int element, const char* text);
// Selects characters [start, end) of an edit box; -1 as the end selects to the end of the text.
void web_edit_select(int element, int start, int end);
// Puts the selection of an edit box on the clipboard.
void web_edit_copy(int element);

// Makes a window's menu anew, empty, and appends items to it.
int web_menu_create(int windowElement);
void web_menu_append(int menuElement, int separator, int id, const char* text);

// Waits for the next event of the page and stores it in *event.
void web_next_event(WebEvent* event);
// Tells the page that the program has ended with `code`.
void web_ended(int code);
}
