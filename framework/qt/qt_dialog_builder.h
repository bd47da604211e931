// The one place where a dialog template becomes Qt widgets.
#pragma once

#include "dialog_template.h"

#include <functional>
#include <map>

class QDialog;
class QWidget;

// Called with a control's ID and notification code: EN_UPDATE on every change of an edit box's
// text, BN_CLICKED when a push button is pressed.
using ControlNotify = std::function<void(UINT id, UINT code)>;

// Makes `window` what the template describes, owned by `owner` (nullptr: none): its window flags
// from the template's styles, its caption, its fixed size in dialog units of the window's font,
// and its controls in template order as direct children named after their IDs, with mnemonic
// buddies, names for screen readers and static texts fitted to the font. Returns the controls
// that have an ID, by ID.
std::map<UINT, QWidget*> BuildDialog(QDialog& window, const DialogTemplate& dialog, QWidget* owner,
                                     const ControlNotify& notify);
