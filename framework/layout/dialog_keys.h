// The keys a dialog takes itself, whatever control has the focus, as a window system's dialog
// manager carries them out: written once here for every backend that does not have a dialog
// manager of its own (AfxLaidOutWindow::Key carries them out).
#pragma once

#include "resolved_dialog.h"

#include <functional>
#include <string_view>

// Numbered, as the web backend's page sends them (its web_protocol.js is made from this list).
enum class DialogKey : int {
    Enter = 1,    // Enter or keypad Enter
    Escape = 2,   // Esc
    Help = 3,     // F1
    Close = 4,    // the close box, or the window menu's Close
    Tab = 5,      // Tab
    BackTab = 6,  // Shift+Tab
    Mnemonic = 7, // Alt with a character
};

struct KeyAction {
    enum Kind { None, Command, Focus };
    Kind kind = None;
    UINT id = 0;      // Command: the command or control ID
    UINT code = 0;    // Command: the notification code (BN_CLICKED; 0 for ID_HELP)
    int control = -1; // Focus: the control (an edit box reached by a key selects its text)
};

// What `key` does in `dialog` while control `focused` has the focus (-1: none); `enabled` tells
// whether a control takes input now. For DialogKey::Mnemonic, `character` is the character typed
// with Alt, as MnemonicKey gives it.
// - Enter presses the focused push button; elsewhere the default push button (nothing while it
//   is disabled) or, without one, gives IDOK.
// - Esc and Close give IDCANCEL; F1 gives the help command ID_HELP.
// - Tab and Shift+Tab go round the enabled tab stops in template order.
// - A mnemonic presses its push button, or moves to the tab stop after its static text; the
//   search starts after the focus, so that a letter marked twice reaches each in turn.
KeyAction DialogKeyAction(const ResolvedDialog& dialog, DialogKey key, int focused,
                          const std::function<bool(int)>& enabled, std::string_view character = {});
