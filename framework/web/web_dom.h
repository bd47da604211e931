// The page as the C++ side reaches it: the functions of the backend's JavaScript library
// (web_dom.js, web_events.js, web_menu.js), and the handle that names a window or a control.
//
// Windows are numbered by the JavaScript side (0 names none); a control is its window's number
// and its place in the window's layout. Texts cross as UTF-8.
#pragma once

#include "web_protocol.h"

#include <cstdint>
#include <string>

class WebDialogWindow;

struct WebNode {
    WebDialogWindow* dialog = nullptr; // the window it is or belongs to
    int window = 0;                    // the window's number
    int control = -1;                  // the control's place; -1 for the window itself
    std::string text; // a static text's or button's, markers and all, as GetWindowText gives it
};

extern "C" {

// What the dialog font's base units are worked out from (TextMetrics::BaseUnits): the width of
// one letter in pixels, with its fraction, and the height of a line.
double web_letter_width(int letter);
int web_line_height(void);
// The width of a text in the dialog font, in pixels, rounded up.
int web_text_width(const char* text);

// Puts a window into the page from its markup (web_markup.h), hidden, or takes the element
// with its id where the page already has it; `controls` names its controls' element ids in
// layout order, one a line. Places its client area (`places[0]`, in pixels) and its controls
// (`places[1...]`), four numbers each: left, top, width, height. Owned windows open modally
// over the page; others take their place on the page itself.
// Returns the window's number, which its events carry.
int web_window_create(const char* id, const char* markup, const char* controls, int owned,
                      const int* places, int count);
void web_window_show(int window);
void web_window_hide(int window);
// Removes a window and the events still queued for it.
void web_window_remove(int window);
void web_client_size(int window, int* width, int* height);

// The screen's device pixels to a CSS pixel, rounded up: 1 on a classic screen, 2 or 3 on most
// phones.
int web_pixel_ratio(void);
// Shows a control's image (control -1: the window's title-bar icon) `cssWidth` x `cssHeight`
// CSS pixels large, drawn from `width` x `height` RGBA pixels.
void web_image(int window, int control, int cssWidth, int cssHeight, int width, int height,
               const std::uint8_t* pixels);
// Draws an image at (x, y) in a window's client area, over the controls.
void web_paint(int window, int x, int y, int width, int height, const std::uint8_t* pixels);

// Gives a control the focus; an edit box reached by a key selects its text (`select`); with
// `scroll`, the control is brought into view.
void web_focus(int window, int control, int select, int scroll);
int web_enabled(int window, int control);
void web_enable(int window, int control, int enabled);
// The text of an edit box or a window's caption, allocated with malloc; and set as one change,
// which a screen reader hears once.
char* web_get_text(int window, int control);
void web_set_text(int window, int control, const char* text);
// Says `text` through the window's live region, politely, once the event at hand is carried out;
// what is said within one event is said together.
void web_announce(int window, const char* text);
// Shows a static text's or a button's text: `html` as WebLabelMarkup makes it, `keys` the
// characters that reach it with Alt (MnemonicKeys, "" for none).
void web_set_label(int window, int control, const char* html, const char* keys);
// Selects characters [start, end) of an edit box; -1 as the end selects to the end of the text.
void web_edit_select(int window, int control, int start, int end);
// Puts the selection of an edit box on the clipboard.
void web_edit_copy(int window, int control);

// Empties a window's menu, and appends an item to it, its text as web_set_label takes it.
void web_menu_reset(int window);
void web_menu_append(int window, int separator, int command, const char* html, const char* keys);

// Waits for the next event of the page and stores it in *event.
void web_next_event(WebEvent* event);
// Tells the page that the program has ended with `code`.
void web_ended(int code);
}
