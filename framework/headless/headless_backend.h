// The headless backend: no window system at all. Every dialog and control is a plain object with
// its text, selection, focus and enabled state, so that the dialogs' behaviour runs, and can be
// checked, anywhere: the target of the dialogs' behaviour test on every toolchain, and the
// skeleton of a new backend. Whoever drives it (the test driver, framework/testing) plays
// the user and the native controls: it types into the boxes and presses keys and buttons
// through the members below, and feeds the modal runs (HeadlessSetInput).
//
// Implemented:
//  [X] windows made from the resolved templates, in a fixed font: 6 x 13 pixels a character
//  [X] edit boxes: text, selection, EM_SETSEL, WM_COPY to the backend's clipboard
//  [X] push buttons, static texts, group boxes, icons and pictures
//  [X] dialog keys, Tab and mnemonics, by the shared rule (Key)
//  [X] the window menu: its items (the driver opens it and chooses)
//  [X] modal runs, nested, over the driver's input; modeless windows (Create)
//  [X] minimize, and painting: what was drawn is kept
//  [X] icons from the registered module's images, strings from its table
//  [X] EnableWindow
//  [ ] showing anything: nothing is drawn but into the records above
//  [ ] typing and a box's own keys: the driver's
#pragma once

#include "laid_out_window.h"

#include <functional>
#include <string>
#include <vector>

class HeadlessDialogWindow;

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
    HeadlessDialogWindow* window = nullptr;   // the dialog window it is or belongs to
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

class HeadlessDialogWindow final : public AfxLaidOutWindow {
public:
    HeadlessDialogWindow(AfxDialogSite& dialog, const DialogTemplate& dialogTemplate);
    ~HeadlessDialogWindow() override;

    HWND Handle() const override { return &m_self; }
    void SetIcon(HICON icon, bool big) override { m_self.icons[big ? 1 : 0] = icon; }

    HeadlessWindow& Self() { return m_self; }
    HeadlessWindow& At(int index) { return m_controls[std::size_t(index)]; }
    int Focused() const { return m_focus; }
    HeadlessMenu& Menu() { return m_menu; }
    bool Shown() const { return m_shown; }
    bool Minimized() const { return m_minimized; }
    // Gives control `index` the focus: from the keyboard an edit box selects its text, from a
    // click the caret goes to its end.
    void Focus(int index, bool fromKey) override;
    void Minimize() override;

protected:
    void Show(bool modal) override;
    void Hide() override;
    void RunEvents() override;
    HMENU MakeMenu() override;
    bool CanMinimize() const override { return true; }
    bool Enabled(int index) const override { return m_controls[std::size_t(index)].enabled; }
    void Opened() override { Paint(); }

private:
    void Paint();

    mutable HeadlessWindow m_self;
    std::vector<HeadlessWindow> m_controls;
    HeadlessMenu m_menu;
    int m_focus = -1;
    bool m_shown = false;
    bool m_minimized = false;
};

// The input the modal runs carry out, one of the user's events at a time: `next` carries out
// the next and returns false when there is none, and a run that finds none ends with -1.
void HeadlessSetInput(std::function<bool()> next);
// The window shown last, which takes the input (those under a modal one take none), or nullptr.
HeadlessDialogWindow* HeadlessActiveWindow();
// The clipboard's text.
std::string& HeadlessClipboard();
