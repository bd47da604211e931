// The Qt side of one dialog: a QDialog built from the dialog's template, which carries Qt's
// events into the CDialog: its controls' notifications, the dialog keys (Enter, Esc, F1), the
// close box, the window menu (Alt+Space, a right-click on the background) and painting.
#pragma once

#include "cdialog.h"
#include "dialog_template.h"

#include <QDialog>
#include <map>

class CDialogWindow : public QDialog {
public:
    // The window of `dialog`, made at its first opening from the template with its ID and owned
    // by the dialog's owner; nullptr if there is no such template.
    static CDialogWindow* For(CDialog& dialog);
    ~CDialogWindow() override;

    // Readies the window for a run or a showing: a fresh window menu, OnInitDialog, the focus on
    // the first tab stop if it asks for that, and the window centred.
    void Open();

    // The control with this ID, or nullptr.
    QWidget* Control(UINT id) const;
    // The window menu, made at its first use after each Open; nullptr without WS_SYSMENU.
    CMenu* SystemMenu();
    // The dialog whose window this is.
    CDialog& Dialog() const { return m_dialog; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void reject() override;

private:
    CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate);
    void PopUpSystemMenu(const QPoint& at);

    CDialog& m_dialog;
    const DialogTemplate& m_template;
    std::map<UINT, QWidget*> m_controls;
    CMenu m_systemMenu; // its QMenu is a child of the window, made anew for each opening
};
