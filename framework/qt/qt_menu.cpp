// CMenu on Qt: a menu is its QMenu. An item's command ID is its action's data; the dialog window
// that made the menu carries out the chosen item (CDialogWindow::SystemMenu).
#include "cmenu.h"

#include <QAction>
#include <QMenu>

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    if (nFlags & MF_SEPARATOR) {
        m_hMenu->addSeparator();
        return TRUE;
    }
    QAction* action = m_hMenu->addAction(QString::fromStdString(text.GetUtf8()));
    action->setData(static_cast<uint>(nIDNewItem));
    return TRUE;
}
