#include "qt_dialog_window.h"

#include "qt_dialog_builder.h"
#include "qt_text_metrics.h"
#include "qt_window_position.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <algorithm>

CDialogWindow::CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : m_dialog(dialog),
      m_layout(ResolveDialog(dialogTemplate, QtTextMetrics(QApplication::font("QDialog")),
                             AfxGetModule())) {
    dialog.AttachWindow(this);
    m_controls = BuildDialog(*this, m_layout, dialog.GetOwnerHwnd(),
                             [&dialog](UINT id, UINT code) { dialog.OnCommand(id, code); });
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenuKey, &QShortcut::activated, this,
            [this]() { PopUpSystemMenu(mapToGlobal(QPoint(0, 0))); });
}

CDialogWindow::~CDialogWindow() {
    // Qt deletes a window together with its owner; the dialog then has no window any more.
    if (m_dialog.m_window.get() == this) {
        (void)m_dialog.m_window.release();
    }
    m_dialog.AttachWindow(nullptr);
}

void CDialogWindow::Prepare() {
    delete m_systemMenu.m_hMenu;
    m_systemMenu.m_hMenu = nullptr;
    if (m_dialog.OnInitDialog()) {
        const KeyAction first = DialogKeyAction(
            m_layout, DialogKey::Tab, -1, [this](int i) { return m_controls[i]->isEnabled(); });
        if (first.kind == KeyAction::Focus) {
            m_controls[first.control]->setFocus(Qt::OtherFocusReason);
        }
    }
    CenterWindow(*this);
}

void CDialogWindow::Open() {
    Prepare();
    show();
}

INT_PTR CDialogWindow::RunModal() {
    Prepare();
    setModal(true);
    return exec();
}

QWidget* CDialogWindow::Control(UINT id) const {
    const int index = m_layout.IndexOf(id);
    return index >= 0 ? m_controls[index] : nullptr;
}

CMenu* CDialogWindow::SystemMenu() {
    if (!m_layout.windowMenu) {
        return nullptr;
    }
    if (m_systemMenu.m_hMenu == nullptr) {
        auto* menu = new QMenu(this);
        menu->setObjectName("SystemMenu");
        // Queued, so that the menu has closed before the command runs (it may open a dialog).
        connect(menu, &QMenu::triggered, this, [this](QAction* item) {
            const UINT id = item->data().toUInt();
            QMetaObject::invokeMethod(
                this, [this, id]() { m_dialog.OnWindowMessage(WM_SYSCOMMAND, id, 0); },
                Qt::QueuedConnection);
        });
        m_systemMenu.m_hMenu = menu;
        AppendStandardWindowMenu(m_systemMenu, m_layout, true);
    }
    return &m_systemMenu;
}

void CDialogWindow::PopUpSystemMenu(const QPoint& at) {
    if (CMenu* menu = SystemMenu()) {
        menu->m_hMenu->popup(at);
    }
}

int CDialogWindow::FocusedControl() const {
    const auto found = std::find(m_controls.begin(), m_controls.end(), focusWidget());
    return found == m_controls.end() ? -1 : int(found - m_controls.begin());
}

void CDialogWindow::DialogKey(enum DialogKey key) {
    const KeyAction action = DialogKeyAction(m_layout, key, FocusedControl(),
                                             [this](int i) { return m_controls[i]->isEnabled(); });
    if (action.kind == KeyAction::Command) {
        m_dialog.OnCommand(action.id, action.code);
    }
}

void CDialogWindow::keyPressEvent(QKeyEvent* event) {
    // Tab and mnemonics are Qt's own, along the focus chain and the labels' buddies.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == 0) {
        DialogKey(DialogKey::Enter);
    } else if (key == Qt::Key_Escape && modifiers == 0) {
        DialogKey(DialogKey::Escape);
    } else if (key == Qt::Key_F1 && modifiers == 0) {
        DialogKey(DialogKey::Help);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void CDialogWindow::paintEvent(QPaintEvent*) {
    m_dialog.OnWndMsg(WM_PAINT, 0, 0, nullptr);
}

void CDialogWindow::closeEvent(QCloseEvent* event) {
    // The close box is the window menu's Close command.
    event->ignore();
    m_dialog.OnWindowMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void CDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    // A right-click on the dialog's own background (not on a control) opens the window menu.
    if (childAt(event->pos()) == nullptr && SystemMenu() != nullptr) {
        PopUpSystemMenu(event->globalPos());
    } else {
        event->ignore();
    }
}

void CDialogWindow::reject() {
    m_dialog.OnCancel();
}
