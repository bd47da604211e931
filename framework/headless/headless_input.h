// Input for the headless backend's windows, as a user gives it, and the clipboard it copies to.
// Input goes into one queue, which HeadlessRun carries out in order, each event to the active
// window: the one shown last, since the windows under a modal one take no input. A modal run
// (DoModal) carries out the queued input itself until its dialog ends.
#pragma once

#include "headless_dialog_window.h"

#include <functional>
#include <string>
#include <string_view>

// Queues key presses, written "5, Tab, Shift+Tab, Ctrl+A, Alt+C, Alt+Space, Num+Enter": keys
// as HeadlessKey names them, modifiers (Ctrl, Shift, Alt) joined to a key by "+".
void HeadlessPress(std::string_view keys);
// Queues `text` as one input into the focused edit box, as a paste or an input method gives it.
void HeadlessType(std::string_view text);
// Queues a click on the control with ID `id`: of the active window, or with `in` only while that
// dialog's window is the active one. A push button is pressed, an edit box takes the focus.
void HeadlessClick(UINT id, const CDialog* in = nullptr);
// Queues a click on the active window's close box.
void HeadlessCloseBox();
// Queues `step`, run in its turn once the input queued before it has been carried out.
void HeadlessThen(std::function<void()> step);
// Carries out the queued input.
void HeadlessRun();

// The active window, or nullptr while none is shown.
CDialogWindow* HeadlessActiveWindow();
// The clipboard's text.
std::string& HeadlessClipboard();
// How many modal runs have ended because the input ran out before their dialog ended.
int HeadlessStalls();

// For the backend: windows shown and hidden, one queued event carried out (false if the queue
// is empty), and a modal run that ran out of input.
void HeadlessShown(CDialogWindow* window, bool shown);
bool HeadlessStep();
void HeadlessStalled();
