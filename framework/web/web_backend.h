// The web backend: each dialog an element of a web page whose markup the C++ side makes from the
// resolved template (web_markup.h): meanings as classes and attributes, each control found by
// its ID name in `data-id`, element ids unique in the page. A build tool can put a window's
// markup into the page beforehand (shown at once, inert); the backend then takes that element
// over. The JavaScript library (web_dom.js, web_events.js, web_menu.js; web_dom.h, the C++ side
// of it) puts the markup in the page, places the controls and reports the page's events, whose
// numbers and record it reads from web_protocol.js, made by CMake from web_protocol.h and
// dialog_keys.h. A modal run waits for the page's next event with Asyncify, so that DoModal
// returns only when its dialog ends. The elements are drawn in two layouts: the classic dialog
// for a fine pointer on a wide page (web_style.css), one that flows for a finger or a narrow
// page (web_reflow.css).
//
// Implemented:
//  [X] windows made from the resolved templates, in the page's font measured on a canvas
//  [X] elements from the layout, or taken over from the page; two layouts, dark, forced colours
//  [X] labels, descriptions and image texts for screen readers; results said in a live region
//  [X] dialog keys, Tab and mnemonics by the shared rule (the page sends the keys)
//  [X] the window menu (the title bar's icon, Alt+Space, a right-click), the close box, the
//      browser's own closing of a modal window; installing the site, where the browser offers it
//  [X] modal runs with Asyncify, nested; modeless windows (Create)
//  [X] the clipboard, a refusal told; 32,767 characters a box, cut before a character
//  [X] the decimal keypad where the language writes a point
//  [X] pictures and icons drawn for the screen's pixel density (Scale2x); painting
//  [ ] minimize: a page cannot be minimized, and its window menu does not offer it
#pragma once

#include "laid_out_window.h"
#include "web_dom.h"

#include <string>
#include <vector>

class WebDialogWindow final : public AfxLaidOutWindow {
public:
    // The window of `dialog`, made from its template in the page's font, hidden.
    WebDialogWindow(AfxDialogSite& dialog, const DialogTemplate& dialogTemplate);
    ~WebDialogWindow() override;

    HWND Handle() const override { return &m_node; }
    // The title bar shows the small icon; the large one has no place on a page.
    void SetIcon(HICON icon, bool big) override;
    // Whether the window is open and past OnInitDialog: what changes then is the reader's news.
    bool Speaking() const { return m_speaking; }

protected:
    void Show(bool modal) override;
    void Hide() override;
    void RunEvents() override;
    HMENU MakeMenu() override;
    bool CanMinimize() const override { return false; }
    void Minimize() override {}
    void Focus(int index, bool fromKey) override;
    bool Enabled(int index) const override;
    void Opened() override;

private:
    void Carry(const WebEvent& event);

    std::string m_id;                // the window element's id, unique in the page
    mutable WebNode m_node;          // the window itself, and its menu
    std::vector<WebNode> m_controls; // in layout order; a vector that never grows
    bool m_speaking = false;
};
