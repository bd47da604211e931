// CMenu on the page: a window's menu element; choosing an item sends its command ID to the
// window's dialog as WM_SYSCOMMAND (web_menu.js).
#include "cmenu.h"

#include "mnemonic_text.h"
#include "web_dom.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    const MnemonicText label = ParseMnemonic(text.GetUtf8());
    web_menu_append(m_hMenu->window, (nFlags & MF_SEPARATOR) != 0, int(nIDNewItem),
                    std::string(label.Before()).c_str(), std::string(label.Key()).c_str(),
                    std::string(label.After()).c_str());
    return TRUE;
}
