// A window menu: the standard items the dialog can carry out itself, and items the program
// appends. Choosing an item sends its command ID to the dialog's OnSysCommand.
#pragma once

#include "cstring.h"
#include "win_defs.h"

#include <QObject>

class QMenu;
class QWidget;

class CMenu {
public:
    CMenu(QWidget* parent, QObject* receiver, void (*choose)(QObject*, UINT));
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // MF_SEPARATOR appends a separator; MF_STRING a text item (with &-mnemonic) for `id`.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const CString& text = CString());

    int GetMenuItemCount() const;
    // The command ID of item `pos`, 0 for a separator.
    UINT GetMenuItemID(int pos) const;
    // The text of item `pos`, with its &-mnemonic; empty for a separator.
    CString GetMenuString(int pos) const;

    QMenu* menu() const { return m_menu; }

private:
    QMenu* m_menu;
    QObject* m_receiver;
    void (*m_choose)(QObject*, UINT);
};
