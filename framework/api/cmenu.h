// A menu of the window system, such as a dialog's window menu. Choosing an item of a window menu
// sends its command ID to the dialog as WM_SYSCOMMAND.
#pragma once

#include "cstring.h"
#include "vocabulary.h"

class CMenu {
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    // MF_SEPARATOR appends a separator; MF_STRING a text item (with &-mnemonic) for command
    // nIDNewItem.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const CString& text = CString());

    HMENU m_hMenu;
};
