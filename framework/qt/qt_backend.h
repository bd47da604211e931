// The Qt backend: each dialog a QDialog whose controls are child widgets named after their IDs,
// made from the resolved template in one place (qt_dialog_builder.h), in the font Qt gives
// dialogs (qt_text_metrics.h), centred as a template at (0, 0) opens (qt_window_position.h).
//
// Implemented:
//  [X] windows made from the resolved templates, measured with QFontMetrics
//  [X] widgets with accessible names and descriptions, mnemonic buddies, the focus chain
//  [X] Tab and mnemonics by Qt itself; Enter, Esc and F1 by the shared rule
//  [X] the window menu as a QMenu (Alt+Space, a right-click on the background); the close box
//  [X] modal runs with QDialog::exec, modeless windows (Create)
//  [X] minimize, and painting with a QPainter
//  [X] icons and pictures from the registered module's art; the program's version and desktop
//      id for Qt
//  [X] texts as UTF-16 at the boundary; a box cut at 32,767 units before a character
#pragma once

#include "laid_out_window.h"

#include <QPointer>
#include <QWidget>

class QtDialog;
class QMenu;

class QtDialogWindow final : public AfxLaidOutWindow {
public:
    // The window of `dialog`, made from its template, owned by the dialog's owner.
    QtDialogWindow(AfxDialogSite& dialog, const DialogTemplate& dialogTemplate);
    ~QtDialogWindow() override;

    HWND Handle() const override;
    void SetIcon(HICON icon, bool big) override;

    // The control with the focus, as the layout numbers it, or -1.
    int FocusedControl() const;
    // Opens the window menu at `at`, in global coordinates.
    void PopUpSystemMenu(const QPoint& at);

protected:
    void Show(bool modal) override;
    void Hide() override;
    void RunEvents() override;
    HMENU MakeMenu() override;
    bool CanMinimize() const override { return true; }
    void Minimize() override;
    void Focus(int index, bool fromKey) override;
    bool Enabled(int index) const override;

private:
    QPointer<QtDialog> m_window; // Qt deletes it with its owner, if that goes first
    QPointer<QMenu> m_menu;      // the window menu, a child of the window
};
