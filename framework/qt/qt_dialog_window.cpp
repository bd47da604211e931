#include "qt_dialog_window.h"

#include "qt_dialog_builder.h"
#include "qt_layout.h"
#include "resources.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

void CDialogWindowDeleter::operator()(CDialogWindow* window) const {
    delete window;
}

CDialogWindow* CDialogWindow::For(CDialog& dialog) {
    if (dialog.m_window) {
        return dialog.m_window.get();
    }
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(dialog.m_nIDTemplate);
    if (dialogTemplate == nullptr) {
        qWarning("no dialog template %u", dialog.m_nIDTemplate);
        return nullptr;
    }
    auto* window = new CDialogWindow(dialog, *dialogTemplate);
    dialog.m_window.reset(window);
    dialog.AttachWindow(window);
    window->m_controls = BuildDialog(*window, *dialogTemplate, dialog.GetOwnerHwnd(),
                                     [&dialog](UINT id, UINT code) { dialog.OnCommand(id, code); });
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
    connect(systemMenuKey, &QShortcut::activated, window,
            [window]() { window->PopUpSystemMenu(window->mapToGlobal(QPoint(0, 0))); });
    return window;
}

CDialogWindow::CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : m_dialog(dialog), m_template(dialogTemplate) {}

CDialogWindow::~CDialogWindow() {
    // Qt deletes a window together with its owner; the dialog then has no window any more.
    if (m_dialog.m_window.get() == this) {
        (void)m_dialog.m_window.release();
    }
    m_dialog.AttachWindow(nullptr);
}

void CDialogWindow::Open() {
    delete m_systemMenu.m_hMenu;
    m_systemMenu.m_hMenu = nullptr;
    if (m_dialog.OnInitDialog()) {
        for (std::size_t i = 0; i < m_template.itemCount; ++i) {
            const DialogItemTemplate& item = m_template.items[i];
            QWidget* control = Control(item.id);
            if ((item.style & WS_TABSTOP) && control && control->isEnabled()) {
                control->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    CenterWindow(*this);
}

QWidget* CDialogWindow::Control(UINT id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

CMenu* CDialogWindow::SystemMenu() {
    if (!(m_template.style & WS_SYSMENU)) {
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
        if (m_template.style & WS_MINIMIZEBOX) {
            m_systemMenu.AppendMenu(MF_STRING, SC_MINIMIZE, "Mi&nimize");
        }
        m_systemMenu.AppendMenu(MF_STRING, SC_CLOSE, "&Close");
    }
    return &m_systemMenu;
}

void CDialogWindow::PopUpSystemMenu(const QPoint& at) {
    if (CMenu* menu = SystemMenu()) {
        menu->m_hMenu->popup(at);
    }
}

void CDialogWindow::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == 0) {
        // A focused push button takes Enter; otherwise the default button, or IDOK.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button->isEnabled()) {
            button->click();
            return;
        }
        for (const auto& [id, control] : m_controls) {
            auto* button = qobject_cast<QPushButton*>(control);
            if (button && button->isDefault() && button->isVisible()) {
                if (button->isEnabled()) {
                    button->click();
                }
                return;
            }
        }
        m_dialog.OnCommand(IDOK, BN_CLICKED);
    } else if (key == Qt::Key_Escape && modifiers == 0) {
        m_dialog.OnCommand(IDCANCEL, BN_CLICKED);
    } else if (key == Qt::Key_F1 && modifiers == 0) {
        m_dialog.OnCommand(ID_HELP, 0);
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
