#include "cmenu.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

CMenu::CMenu(QWidget* parent, QObject* receiver, void (*choose)(QObject*, UINT))
    : m_menu(new QMenu(parent)), m_receiver(receiver), m_choose(choose) {}

// A CMenu owns its menu. A dialog destroys its CMenu before Qt deletes the dialog's children,
// so the menu is deleted once.
CMenu::~CMenu() {
    delete m_menu;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const CString& text) {
    if (flags & MF_SEPARATOR) {
        m_menu->addSeparator();
        return TRUE;
    }
    QAction* action = m_menu->addAction(text);
    action->setData(static_cast<uint>(id));
    QPointer<QObject> receiver = m_receiver;
    auto choose = m_choose;
    // Queued, so the menu has closed before the command runs (a command may open a dialog).
    QObject::connect(
        action, &QAction::triggered, m_receiver,
        [receiver, choose, id]() {
            if (receiver) {
                choose(receiver, static_cast<UINT>(id));
            }
        },
        Qt::QueuedConnection);
    return TRUE;
}

int CMenu::GetMenuItemCount() const {
    return static_cast<int>(m_menu->actions().size());
}

UINT CMenu::GetMenuItemID(int pos) const {
    const QAction* action = m_menu->actions().value(pos);
    return action && !action->isSeparator() ? action->data().toUInt() : 0;
}

CString CMenu::GetMenuString(int pos) const {
    const QAction* action = m_menu->actions().value(pos);
    return action && !action->isSeparator() ? CString(action->text()) : CString();
}
