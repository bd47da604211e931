// The page's side of one dialog: its window made from the dialog's template as elements of the
// page, and its modal run, which carries the page's events into the CDialog one at a time: the
// controls' notifications, the dialog keys (Enter, Esc, F1) and the window menu's commands.
#pragma once

#include "cdialog.h"
#include "dialog_template.h"
#include "web_dom.h"

#include <map>

class CDialogWindow {
public:
    // The window of `dialog`, made at its first opening from the template with its ID; nullptr
    // if there is no such template.
    static CDialogWindow* For(CDialog& dialog);
    ~CDialogWindow();
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;

    // Shows the window with a fresh window menu, runs OnInitDialog (the focus on the first tab
    // stop if it asks for that), then carries the page's events into the dialog until End.
    // Returns End's result.
    INT_PTR RunModal();
    // Ends the run with `result` and hides the window.
    void End(int result);

    // The control with this ID, or nullptr.
    WebNode* Control(UINT id);
    // The window menu, made at its first use after each opening; nullptr without WS_SYSMENU.
    CMenu* SystemMenu();
    // The dialog whose window this is.
    CDialog& Dialog() const { return m_dialog; }
    // The title bar shows the small icon; the large one has no place on a page.
    void SetSmallIcon(HICON icon);

private:
    CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate);
    void Build();

    CDialog& m_dialog;
    const DialogTemplate& m_template;
    WebNode m_node;
    std::map<UINT, WebNode> m_controls; // by ID; a map's elements stay where they are
    WebNode m_menuNode;
    CMenu m_systemMenu;
    bool m_running = false;
    int m_result = IDCANCEL;
};
