// The headless backend's windows: every dialog and control a plain object with its text,
// selection, focus and enabled state, so that the dialogs' behaviour runs, and can be checked,
// without any window system.
#pragma once

#include "cdialog.h"
#include "dialog_keys.h"
#include "module.h"
#include "resolved_dialog.h"

#include <string>
#include <vector>

class CDialogWindow;

struct HeadlessIcon {
    const AfxImageResource* resource;
};

// One item of a window menu; a separator has no text.
struct HeadlessMenuItem {
    bool separator;
    UINT command;
    MnemonicText text;
};

struct HeadlessMenu {
    std::vector<HeadlessMenuItem> items;
    bool open = false;
    int highlighted = -1;
};

// What was drawn on a window while it painted: DrawIcon's calls.
struct HeadlessDrawing {
    int x, y;
    HICON icon;
};

// A dialog's window, or one of its controls (`control` set).
struct HeadlessWindow {
    CDialogWindow* window = nullptr;          // the dialog window it is or belongs to
    const ResolvedControl* control = nullptr; // nullptr for the dialog's own window
    int index = -1;                           // the control's place in its window's layout
    std::string text;       // UTF-8: an edit box's contents, a caption, a static text or a button's
    std::size_t anchor = 0; // the selection runs from the anchor to the caret (byte offsets)
    std::size_t caret = 0;
    bool enabled = true;
    int writes = 0; // an edit box: how often the program has set its text (SetWindowText)
    std::vector<HeadlessDrawing> drawn; // a dialog's window: what its painting drew
    HICON icons[2] = {};                // a dialog's window: its small and large icon

    std::size_t SelectionStart() const { return anchor < caret ? anchor : caret; }
    std::size_t SelectionEnd() const { return anchor < caret ? caret : anchor; }
    std::string Selection() const {
        return text.substr(SelectionStart(), SelectionEnd() - SelectionStart());
    }
};

// A key as a user presses it: a character ("5", "a", "µ") or a key's name ("Tab", "Return",
// "Num+Enter", "Esc", "F1", "Space", "Backspace", "Delete", "Home", "End", "Left", "Right",
// "Up", "Down"), with the modifiers held.
struct HeadlessKey {
    std::string name;
    std::string text; // instead of a name: a whole text at once, as an input method gives it
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

class CDialogWindow {
public:
    // The window of `dialog`, made from its template in the headless font.
    CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate);
    ~CDialogWindow();
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;

    // Shows the window with a fresh window menu, runs OnInitDialog (the focus then on the first
    // tab stop if it asks for that) and paints it.
    void Open();
    // Open, then carries out queued input (headless_input.h) until End; where the input runs out
    // first, the run ends with -1. Returns End's result.
    INT_PTR RunModal();
    void End(int result);

    // A key pressed while this window is the active one; a click on control `index`.
    void Key(const HeadlessKey& key);
    void Click(int index);
    // Gives control `index` the focus: from the keyboard an edit box selects its text, from a
    // click the caret goes to its end.
    void Focus(int index, bool fromKeyboard);
    void Minimize();

    CDialog& Dialog() const { return m_dialog; }
    const ResolvedDialog& Layout() const { return m_layout; }
    HeadlessWindow* Control(UINT id);
    HeadlessWindow& Self() { return m_self; }
    int Focused() const { return m_focus; }
    int Result() const { return m_result; }
    const HeadlessMenu& Menu() const { return m_menu; }
    bool Shown() const { return m_shown; }
    bool Minimized() const { return m_minimized; }
    CMenu* SystemMenu();

    // Edits an edit box as its keys do; headless_edit.cpp.
    static void EditKey(HeadlessWindow& box, const HeadlessKey& key);
    // Sets an edit box's text as the program does (SetWindowText): one change, reported.
    static void SetEditText(HeadlessWindow& box, const std::string& text);

private:
    void Carry(const KeyAction& action);
    bool MenuKey(const HeadlessKey& key);
    void Paint();

    CDialog& m_dialog;
    ResolvedDialog m_layout;
    HeadlessWindow m_self;
    std::vector<HeadlessWindow> m_controls;
    HeadlessMenu m_menu;
    CMenu m_systemMenu;
    int m_focus = -1;
    bool m_shown = false;
    bool m_minimized = false;
    bool m_running = false;
    int m_result = IDCANCEL;
};
