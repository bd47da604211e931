// The one place where a resolved dialog becomes Qt widgets.
#pragma once

#include "resolved_dialog.h"

#include <functional>
#include <vector>

class QDialog;
class QWidget;

// Called with a control's place in the layout and a notification code: EN_UPDATE on every
// change of an edit box's text, BN_CLICKED when a push button is pressed.
using ControlNotify = std::function<void(int index, UINT code)>;

// Makes `window` what the layout describes, owned by `owner` (nullptr: none): its window flags,
// its caption, its fixed size, and its controls in template order (Qt's focus chain) as direct
// children named after their IDs, with mnemonic buddies and names for screen readers. Returns
// the controls in layout order.
std::vector<QWidget*> BuildDialog(QDialog& window, const ResolvedDialog& layout, QWidget* owner,
                                  const ControlNotify& notify);
