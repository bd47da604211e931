// CDialog's members that every backend laying dialogs out itself carries out the same way, over
// its CDialogWindow (dialog_window.h, made by CMake: the backend's NAME_dialog_window.h). That
// class supplies the constructor, which makes the window from the template in the backend's
// font, and Open, RunModal, End, SystemMenu, Minimize and Layout (see framework/README.md).
#include "cdialog.h"

#include "dialog_keys.h"
#include "dialog_window.h"

void CDialogWindowDeleter::operator()(CDialogWindow* window) const {
    delete window;
}

// Not inlined into its callers: a backend that instruments the modal runs (the web's, with
// Asyncify) can then leave the making of a window alone.
[[gnu::noinline]] CDialogWindow* CDialog::Window() {
    if (!m_window) {
        const DialogTemplate* dialogTemplate = AfxGetModule().FindDialog(m_nIDTemplate);
        if (dialogTemplate == nullptr) {
            return nullptr; // DoModal gives -1, as the window system does for a missing template
        }
        m_window.reset(new CDialogWindow(*this, *dialogTemplate));
    }
    return m_window.get();
}

INT_PTR CDialog::DoModal() {
    CDialogWindow* window = Window();
    return window ? window->RunModal() : -1;
}

BOOL CDialog::Create() {
    CDialogWindow* window = Window();
    if (window) {
        window->Open();
    }
    return window != nullptr;
}

void CDialog::EndDialog(int nResult) {
    if (m_window) {
        m_window->End(nResult);
    }
}

CMenu* CDialog::GetSystemMenu(BOOL) {
    return m_window ? m_window->SystemMenu() : nullptr;
}

void CDialog::OnSysCommand(UINT nID, LPARAM) {
    switch (nID & 0xFFF0) {
    case SC_MINIMIZE:
        m_window->Minimize();
        break;
    case SC_CLOSE: {
        const KeyAction close =
            DialogKeyAction(m_window->Layout(), DialogKey::Close, -1, [](int) { return true; });
        OnCommand(close.id, close.code);
        break;
    }
    default:
        break;
    }
}
