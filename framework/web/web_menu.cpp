// CMenu on the page: the menu's items live in its element; choosing one sends its command ID to
// the window's dialog as WM_SYSCOMMAND (web_events.js).
#include "cmenu.h"

#include "web_dom.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    web_menu_append(m_hMenu->element, (nFlags & MF_SEPARATOR) != 0, int(nIDNewItem),
                    text.GetUtf8().c_str());
    return TRUE;
}
