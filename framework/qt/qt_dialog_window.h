// The Qt side of one dialog: a QDialog made from the dialog's resolved template, which carries
// Qt's events into the CDialog: its controls' notifications, the dialog keys (Enter, Esc, F1),
// the close box, the window menu (Alt+Space, a right-click on the background) and painting.
#pragma once

#include "cdialog.h"
#include "dialog_keys.h"

#include <QDialog>
#include <vector>

class CDialogWindow : public QDialog {
public:
    // The window of `dialog`, made from its template in the font Qt gives dialogs, owned by the
    // dialog's owner.
    CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate);
    ~CDialogWindow() override;

    // Shows the window, modeless: a fresh window menu, OnInitDialog, the focus on the first tab
    // stop if it asks for that, and the window centred.
    void Open();
    // Open, modal over its owner, until End; returns End's result.
    INT_PTR RunModal();
    void End(int result) { done(result); }
    void Minimize() { showMinimized(); }
    const ResolvedDialog& Layout() const { return m_layout; }

    // The control with this ID, or nullptr.
    QWidget* Control(UINT id) const;
    // The window menu, made at its first use after each Open; nullptr without one.
    CMenu* SystemMenu();
    // The dialog whose window this is.
    CDialog& Dialog() const { return m_dialog; }
    // Carries out a dialog key (Enter, Esc, F1, the close box).
    void DialogKey(enum DialogKey key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void reject() override;

private:
    // Readies the window for a run or a showing: a fresh window menu, OnInitDialog, the focus on
    // the first tab stop if it asks for that, and the window centred.
    void Prepare();
    void PopUpSystemMenu(const QPoint& at);
    int FocusedControl() const;

    CDialog& m_dialog;
    const ResolvedDialog m_layout;
    std::vector<QWidget*> m_controls; // in layout order
    CMenu m_systemMenu; // its QMenu is a child of the window, made anew for each opening
};
