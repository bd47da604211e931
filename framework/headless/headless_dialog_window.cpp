#include "headless_input.h"
#include "headless_text_metrics.h"

CDialogWindow::CDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
    : m_dialog(dialog),
      m_layout(ResolveDialog(dialogTemplate, HeadlessTextMetrics(), AfxGetModule())),
      m_controls(m_layout.controls.size()) {
    m_self.window = this;
    m_self.text = m_layout.caption;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        HeadlessWindow& control = m_controls[i];
        control.window = this;
        control.control = &m_layout.controls[i];
        control.index = int(i);
        control.text = control.control->kind == ControlKind::EditBox ? "" : control.control->text;
    }
    dialog.AttachWindow(&m_self);
}

CDialogWindow::~CDialogWindow() {
    HeadlessShown(this, false);
    m_dialog.AttachWindow(nullptr);
}

void CDialogWindow::Open() {
    m_menu = HeadlessMenu();
    m_systemMenu.m_hMenu = nullptr;
    m_shown = true;
    m_minimized = false;
    HeadlessShown(this, true);
    if (m_dialog.OnInitDialog()) {
        Carry(DialogKeyAction(m_layout, DialogKey::Tab, -1,
                              [this](int i) { return m_controls[i].enabled; }));
    }
    Paint();
}

INT_PTR CDialogWindow::RunModal() {
    Open();
    m_running = true;
    m_result = IDCANCEL;
    while (m_running) {
        if (!HeadlessStep()) {
            HeadlessStalled();
            End(-1);
        }
    }
    return m_result;
}

void CDialogWindow::End(int result) {
    m_result = result;
    m_running = false;
    m_shown = false;
    HeadlessShown(this, false);
}

HeadlessWindow* CDialogWindow::Control(UINT id) {
    const int index = m_layout.IndexOf(id);
    return index >= 0 ? &m_controls[index] : nullptr;
}

CMenu* CDialogWindow::SystemMenu() {
    if (!m_layout.windowMenu) {
        return nullptr;
    }
    if (m_systemMenu.m_hMenu == nullptr) {
        m_systemMenu.m_hMenu = &m_menu;
        AppendStandardWindowMenu(m_systemMenu, m_layout, true);
    }
    return &m_systemMenu;
}

void CDialogWindow::Key(const HeadlessKey& key) {
    if (MenuKey(key)) {
        return;
    }
    const auto enabled = [this](int i) { return m_controls[i].enabled; };
    const std::string& name = key.name;
    if (key.alt && !key.ctrl && name == "Space" && SystemMenu()) {
        m_menu.open = true;
        m_menu.highlighted = 0;
    } else if (key.alt && !key.ctrl) {
        Carry(DialogKeyAction(m_layout, DialogKey::Mnemonic, m_focus, enabled, MnemonicKey(name)));
    } else if (!key.ctrl && name == "Tab") {
        Carry(DialogKeyAction(m_layout, key.shift ? DialogKey::BackTab : DialogKey::Tab, m_focus,
                              enabled));
    } else if (!key.ctrl && (name == "Return" || name == "Esc" || name == "F1")) {
        const DialogKey dialogKey = name == "Return" ? DialogKey::Enter
                                    : name == "Esc"  ? DialogKey::Escape
                                                     : DialogKey::Help;
        Carry(DialogKeyAction(m_layout, dialogKey, m_focus, enabled));
    } else if (m_focus >= 0 && m_layout.controls[m_focus].kind == ControlKind::EditBox) {
        EditKey(m_controls[m_focus], key);
    } else if (m_focus >= 0 && m_layout.controls[m_focus].kind == ControlKind::PushButton &&
               name == "Space" && !key.ctrl) {
        m_dialog.OnCommand(m_layout.controls[m_focus].id, BN_CLICKED);
    }
}

// The keys of an open window menu: Up, Down, Home and End move, Return chooses, a mnemonic
// chooses its item, Esc closes it. True if the menu took the key.
bool CDialogWindow::MenuKey(const HeadlessKey& key) {
    if (!m_menu.open) {
        return false;
    }
    const int count = int(m_menu.items.size());
    const std::string& name = key.name;
    UINT chosen = 0;
    if (name == "Up" || name == "Down" || name == "Home" || name == "End") {
        int at = name == "Home" ? -1 : name == "End" ? count : m_menu.highlighted;
        const int step = (name == "Up" || name == "End") ? -1 : 1;
        do {
            at = (at + step + count) % count;
        } while (m_menu.items[at].separator);
        m_menu.highlighted = at;
        return true;
    }
    if (name == "Return" && m_menu.highlighted >= 0) {
        chosen = m_menu.items[m_menu.highlighted].command;
    }
    for (const HeadlessMenuItem& item : m_menu.items) {
        if (!item.separator && !key.alt && item.text.mnemonic == MnemonicKey(name)) {
            chosen = item.command;
        }
    }
    m_menu.open = m_menu.open && chosen == 0 && name != "Esc" && name != "Return";
    if (chosen != 0) {
        m_dialog.OnWindowMessage(WM_SYSCOMMAND, chosen, 0);
    }
    return true;
}

void CDialogWindow::Click(int index) {
    if (index < 0 || !m_controls[index].enabled || m_menu.open) {
        m_menu.open = false;
        return;
    }
    const ResolvedControl& control = m_layout.controls[index];
    if (control.kind == ControlKind::EditBox || control.kind == ControlKind::PushButton) {
        Focus(index, false);
    }
    if (control.kind == ControlKind::PushButton) {
        m_dialog.OnCommand(control.id, BN_CLICKED);
    }
}

void CDialogWindow::Focus(int index, bool fromKeyboard) {
    m_focus = index;
    HeadlessWindow& control = m_controls[index];
    if (control.control->kind == ControlKind::EditBox) {
        control.anchor = fromKeyboard ? 0 : control.text.size();
        control.caret = control.text.size();
    }
}

void CDialogWindow::Minimize() {
    m_minimized = true;
    Paint();
}

void CDialogWindow::Carry(const KeyAction& action) {
    if (action.kind == KeyAction::Command) {
        m_dialog.OnCommand(action.id, action.code);
    } else if (action.kind == KeyAction::Focus) {
        Focus(action.control, true);
    }
}

void CDialogWindow::Paint() {
    m_self.drawn.clear();
    m_dialog.OnWindowMessage(WM_PAINT, 0, 0);
}
