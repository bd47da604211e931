// A menu of the window system, such as a dialog's window menu.
#pragma once

#include "cstring.h"
#include "win_defs.h"

class CMenu {
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    // MF_SEPARATOR appends a separator; MF_STRING a text item (with &-mnemonic) for `id`.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const CString& text = CString()) {
        const std::wstring wide = text.GetWide();
        return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem,
                             (nFlags & MF_SEPARATOR) ? nullptr : wide.c_str());
    }

    HMENU m_hMenu;
};
