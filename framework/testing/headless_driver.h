// The dialog layer's test driver: the user and the native controls for the headless backend's
// windows, as a program's tests drive them:
// keys, typing, clicks and the close box go into one queue, carried out in order, each event to
// the active window (the one shown last, since the windows under a modal one take no input). A
// modal run carries out the queued input itself until its dialog ends; where the input runs
// out first, it ends with -1, and that is counted. The edit boxes' own keys (typing, deleting,
// the caret and selection, the clipboard) and the open window menu's are played here, as a
// desktop's controls carry them out.
#pragma once

#include "headless/headless_backend.h"

#include <functional>
#include <string>
#include <string_view>

// Queues key presses, written "5, Tab, Shift+Tab, Ctrl+A, Alt+C, Alt+Space, Num+Enter": a
// character ("5", "a", "µ") or a key's name ("Tab", "Return", "Num+Enter", "Esc", "F1",
// "Space", "Backspace", "Delete", "Home", "End", "Left", "Right", "Up", "Down"), modifiers
// (Ctrl, Shift, Alt) joined to it by "+".
void HeadlessPress(std::string_view keys);
// Queues `text` as one input into the focused edit box, as a paste or an input method gives it.
void HeadlessType(std::string_view text);
// Queues a click on the control with ID `id`: of the active window, or with `in` only while that
// window is the active one. A push button is pressed, an edit box takes the focus.
void HeadlessClick(UINT id, const HeadlessDialogWindow* in = nullptr);
// Queues a click on the active window's close box.
void HeadlessCloseBox();
// Queues `step`, run in its turn once the input queued before it has been carried out.
void HeadlessThen(std::function<void()> step);
// Carries out the queued input.
void HeadlessRun();
// How many modal runs have ended because the input ran out before their dialog ended.
int HeadlessStalls();

// A key as a user presses it.
struct HeadlessKey {
    std::string name;
    std::string text; // instead of a name: a whole text at once, as an input method gives it
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Edits an edit box as its keys do; true if its text changed. Text beyond 32,767 UTF-16 units
// is cut, before a character.
bool EditKey(HeadlessWindow& box, const HeadlessKey& key);
