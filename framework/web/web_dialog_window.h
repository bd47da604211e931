// The page's side of one dialog: its window made from the resolved template as elements of the
// page, and its modal run, which carries the page's events into the CDialog one at a time: the
// controls' notifications, the dialog keys and the window menu's commands.
#pragma once

#include "cdialog.h"
#include "dialog_keys.h"
#include "web_dom.h"

#include <string>
#include <vector>

class CDialogWindow {
public:
    // The window of `dialog`, made from its template in the page's font, hidden.
    CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate);
    ~CDialogWindow();
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;

    // Shows the window with a fresh window menu and runs OnInitDialog (the focus then on the
    // first tab stop if it asks for that).
    void Open();
    // Open, then carries the page's events into the dialog until End. Returns End's result.
    INT_PTR RunModal();
    // A page cannot be minimized; its window menu does not offer it.
    void Minimize() {}
    // Ends the run with `result` and hides the window.
    void End(int result);

    // The control with this ID, or nullptr.
    WebNode* Control(UINT id);
    // The window menu, made afresh at its first use after each opening; nullptr without one.
    CMenu* SystemMenu();
    CDialog& Dialog() const { return m_dialog; }
    const ResolvedDialog& Layout() const { return m_layout; }
    // The title bar shows the small icon; the large one has no place on a page.
    void SetSmallIcon(HICON icon);
    // Whether the window is open and past OnInitDialog: what changes then is the reader's news.
    bool Speaking() const { return m_speaking; }
    // Carries out a dialog key pressed while control `focused` had the focus.
    void DialogKey(enum DialogKey key, int focused, char32_t character = 0);

private:
    void Carry(const WebEvent& event);

    CDialog& m_dialog;
    const ResolvedDialog m_layout;
    std::string m_id;                // the window element's id, unique in the page
    WebNode m_node;                  // the window itself, and its menu
    std::vector<WebNode> m_controls; // in layout order; a vector that never grows
    CMenu m_systemMenu;
    bool m_running = false;
    bool m_speaking = false;
    int m_result = IDCANCEL;
};
