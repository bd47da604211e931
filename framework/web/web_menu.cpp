// CMenu on the page: a window's menu element; choosing an item sends its command ID to the
// window's dialog as WM_SYSCOMMAND (web_menu.js).
#include "cmenu.h"

#include "web_dom.h"
#include "web_markup.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    const MnemonicText label = ParseMnemonic(text.GetUtf8());
    web_menu_append(m_hMenu->window, (nFlags & MF_SEPARATOR) != 0, int(nIDNewItem),
                    WebLabelMarkup(label).c_str(), label.mnemonic.c_str());
    return TRUE;
}
