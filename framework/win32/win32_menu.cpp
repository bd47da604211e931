// CMenu on Win32: the system's menu handle.
#include "cmenu.h"

#include "win32_text.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    const std::wstring wide = Widen(text);
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem,
                         (nFlags & MF_SEPARATOR) ? nullptr : wide.c_str());
}
