#include "laid_out_window.h"

#include "module.h"

#include <algorithm>

namespace {

// The open windows, to find a window by its handle.
std::vector<AfxLaidOutWindow*> g_windows;

// The window menu's own items, before any the program appends: Minimize where the window has a
// minimize box and the window system can show it minimized, and Close.
void AppendStandardWindowMenu(CMenu& menu, const ResolvedDialog& dialog, bool canMinimize) {
    if (dialog.minimizeBox && canMinimize) {
        menu.AppendMenu(MF_STRING, SC_MINIMIZE, "Mi&nimize");
    }
    menu.AppendMenu(MF_STRING, SC_CLOSE, "&Close");
}

} // namespace

AfxLaidOutWindow::AfxLaidOutWindow(AfxDialogSite& dialog, const ResolvedDialog& layout)
    : m_dialog(dialog), m_layout(layout) {
    g_windows.push_back(this);
}

AfxLaidOutWindow::~AfxLaidOutWindow() {
    g_windows.erase(std::find(g_windows.begin(), g_windows.end(), this));
}

HWND AfxLaidOutWindow::Control(UINT id) const {
    const int index = m_layout.IndexOf(id);
    return index >= 0 && std::size_t(index) < m_controls.size() ? m_controls[index] : nullptr;
}

int AfxLaidOutWindow::IndexOf(HWND control) const {
    const auto found = std::find(m_controls.begin(), m_controls.end(), control);
    return control && found != m_controls.end() ? int(found - m_controls.begin()) : -1;
}

AfxLaidOutWindow* AfxLaidOutWindow::Of(HWND window) {
    for (AfxLaidOutWindow* open : g_windows) {
        if (window != nullptr && open->Handle() == window) {
            return open;
        }
    }
    return nullptr;
}

void AfxLaidOutWindow::Prepare(bool modal) {
    m_menu.m_hMenu = nullptr;
    m_opening = true;
    Show(modal);
    if (m_dialog.InitDialog()) {
        Key(DialogKey::Tab, -1);
    }
    m_opening = false;
    Opened();
}

void AfxLaidOutWindow::Open() {
    Prepare(false);
}

INT_PTR AfxLaidOutWindow::RunModal() {
    m_result = IDCANCEL;
    m_running = true;
    Prepare(true);
    RunEvents();
    return m_result;
}

void AfxLaidOutWindow::End(int result) {
    m_result = result;
    m_running = false;
    Hide();
}

CMenu* AfxLaidOutWindow::SystemMenu() {
    if (!m_layout.windowMenu) {
        return nullptr;
    }
    if (m_menu.m_hMenu == nullptr) {
        m_menu.m_hMenu = MakeMenu();
        AppendStandardWindowMenu(m_menu, m_layout, CanMinimize());
    }
    return &m_menu;
}

void AfxLaidOutWindow::DefaultSysCommand(UINT nID, LPARAM) {
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE:
        Minimize();
        break;
    case SC_CLOSE:
        Key(DialogKey::Close, -1);
        break;
    default:
        break;
    }
}

void AfxLaidOutWindow::Notify(int index, UINT code) {
    if (index >= 0 && std::size_t(index) < m_layout.controls.size()) {
        m_dialog.OnCommand(m_layout.controls[index].id, code);
    }
}

void AfxLaidOutWindow::Key(DialogKey key, int focused, std::string_view character) {
    const KeyAction action = DialogKeyAction(
        m_layout, key, focused, [this](int i) { return Enabled(i); }, MnemonicKey(character));
    if (action.kind == KeyAction::Command) {
        m_dialog.OnCommand(action.id, action.code);
    } else if (action.kind == KeyAction::Focus) {
        Focus(action.control, true);
    }
}

void AfxLaidOutWindow::Command(UINT command) {
    m_dialog.OnWindowMessage(WM_SYSCOMMAND, command, 0);
}

const ResolvedDialog& AfxResolve(const DialogTemplate& dialogTemplate, const TextMetrics& metrics,
                                 const std::string& font) {
    struct Resolved {
        const DialogTemplate* dialogTemplate;
        std::string font;
        unsigned generation;
        std::unique_ptr<const ResolvedDialog> layout;
    };
    // A layout made for an earlier module stays, unused, for the windows that may still show it.
    static std::vector<Resolved> resolved;
    for (const Resolved& entry : resolved) {
        if (entry.dialogTemplate == &dialogTemplate && entry.font == font &&
            entry.generation == AfxModuleGeneration()) {
            return *entry.layout;
        }
    }
    resolved.push_back({&dialogTemplate, font, AfxModuleGeneration(),
                        std::make_unique<const ResolvedDialog>(
                            ResolveDialog(dialogTemplate, metrics, AfxGetModule()))});
    return *resolved.back().layout;
}

std::unique_ptr<AfxDialogWindow> AfxLaidOutBackend::MakeWindow(AfxDialogSite& dialog) {
    const DialogTemplate* dialogTemplate = AfxGetModule().FindDialog(dialog.TemplateId());
    // None: DoModal gives -1, as the window system does for a missing template.
    return dialogTemplate ? MakeLaidOutWindow(dialog, *dialogTemplate) : nullptr;
}

std::string AfxLaidOutBackend::LoadString(UINT id) {
    return AfxGetModule().FindString(id);
}

int AfxLaidOutBackend::GetSystemMetrics(int index) {
    return (index == SM_CXICON || index == SM_CYICON) ? 32 : 0;
}
