#include "qt_backend.h"

#include "module.h"
#include "qt_dialog_builder.h"
#include "qt_text_metrics.h"
#include "qt_window_position.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <algorithm>
#include <vector>

namespace {

QFont DialogFont() {
    return QApplication::font("QDialog");
}

} // namespace

// The QDialog of a window: Qt's events, carried to it.
class QtDialog : public QDialog {
public:
    explicit QtDialog(QtDialogWindow& window) : m_window(window) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Tab and mnemonics are Qt's own, along the focus chain and the labels' buddies.
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        const int key = event->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == 0) {
            m_window.Key(DialogKey::Enter, m_window.FocusedControl());
        } else if (key == Qt::Key_Escape && modifiers == 0) {
            m_window.Key(DialogKey::Escape, m_window.FocusedControl());
        } else if (key == Qt::Key_F1 && modifiers == 0) {
            m_window.Key(DialogKey::Help, m_window.FocusedControl());
        } else {
            QWidget::keyPressEvent(event);
        }
    }
    void paintEvent(QPaintEvent*) override { m_window.Dialog().OnWndMsg(WM_PAINT, 0, 0, nullptr); }
    void closeEvent(QCloseEvent* event) override {
        // The close box is the window menu's Close command.
        event->ignore();
        m_window.Command(SC_CLOSE);
    }
    void contextMenuEvent(QContextMenuEvent* event) override {
        // A right-click on the dialog's own background (not on a control) opens the window menu.
        if (childAt(event->pos()) == nullptr && m_window.SystemMenu() != nullptr) {
            m_window.PopUpSystemMenu(event->globalPos());
        } else {
            event->ignore();
        }
    }
    void reject() override { m_window.Key(DialogKey::Escape, -1); }

private:
    QtDialogWindow& m_window;
};

QtDialogWindow::QtDialogWindow(AfxDialogSite& dialog, const DialogTemplate& dialogTemplate)
    : AfxLaidOutWindow(dialog, AfxResolve(dialogTemplate, QtTextMetrics(DialogFont()),
                                          DialogFont().key().toStdString())),
      m_window(new QtDialog(*this)) {
    SetControls(BuildDialog(*m_window, Layout(), dialog.OwnerWindow(),
                            [this](int index, UINT code) { Notify(index, code); }));
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), m_window);
    QObject::connect(systemMenuKey, &QShortcut::activated, m_window,
                     [this]() { PopUpSystemMenu(m_window->mapToGlobal(QPoint(0, 0))); });
    // Qt deletes a window together with its owner; the dialog then has no window any more.
    QObject::connect(m_window, &QObject::destroyed, [&dialog]() { dialog.Attach(nullptr); });
    dialog.Attach(m_window);
}

QtDialogWindow::~QtDialogWindow() {
    delete m_window;
}

HWND QtDialogWindow::Handle() const {
    return m_window.data();
}

void QtDialogWindow::SetIcon(HICON icon, bool) {
    // Qt keeps one icon per window and picks the size it needs from it.
    if (m_window && icon) {
        m_window->setWindowIcon(*icon);
    }
}

void QtDialogWindow::Show(bool modal) {
    CenterWindow(*m_window);
    m_window->setModal(modal);
    m_window->show();
}

void QtDialogWindow::Hide() {
    m_window->done(Result());
}

void QtDialogWindow::RunEvents() {
    m_window->exec();
}

HMENU QtDialogWindow::MakeMenu() {
    delete m_menu;
    m_menu = new QMenu(m_window);
    m_menu->setObjectName("SystemMenu");
    // Queued, so that the menu has closed before the command runs (it may open a dialog).
    QObject::connect(m_menu, &QMenu::triggered, m_window, [this](QAction* item) {
        const UINT id = item->data().toUInt();
        QMetaObject::invokeMethod(
            m_window, [this, id]() { Command(id); }, Qt::QueuedConnection);
    });
    return m_menu;
}

void QtDialogWindow::Minimize() {
    m_window->showMinimized();
}

void QtDialogWindow::PopUpSystemMenu(const QPoint& at) {
    if (CMenu* menu = SystemMenu()) {
        menu->m_hMenu->popup(at);
    }
}

int QtDialogWindow::FocusedControl() const {
    return IndexOf(m_window->focusWidget());
}

void QtDialogWindow::Focus(int index, bool fromKey) {
    ControlAt(index)->setFocus(fromKey && !Opening() ? Qt::TabFocusReason : Qt::OtherFocusReason);
}

bool QtDialogWindow::Enabled(int index) const {
    return ControlAt(index)->isEnabled();
}
