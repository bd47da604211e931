// What a dialog does the same way on every window system: its base message map, the dispatch of
// commands, paint and window-menu messages through it, its default handlers, and data exchange
// with notifications ignored meanwhile. Each window system's folder declares CDialog and supplies
// the rest.
#include "cdialog.h"

#include "cwinapp.h"

const AFX_MSGMAP* CDialog::GetMessageMap() const {
    // IDOK and IDCANCEL, from their buttons or from Enter, Esc and the close box, end up in
    // OnOK and OnCancel.
    static const AFX_MSGMAP_ENTRY entries[] = {
        {WM_COMMAND, BN_CLICKED, IDOK, static_cast<AFX_PMSG>(&CDialog::OnOK), nullptr},
        {WM_COMMAND, BN_CLICKED, IDCANCEL, static_cast<AFX_PMSG>(&CDialog::OnCancel), nullptr},
        {0, 0, 0, nullptr, nullptr},
    };
    static const AFX_MSGMAP map = {CCmdTarget::GetMessageMap(), entries};
    return &map;
}

BOOL CDialog::OnCmdMsg(UINT nID, UINT nCode) {
    if (CCmdTarget::OnCmdMsg(nID, nCode)) {
        return TRUE;
    }
    // A control's notification (EN_UPDATE, ...) concerns this dialog alone.
    CWinApp* app = AfxGetApp();
    return nCode == 0 && app != nullptr && app->OnCmdMsg(nID, nCode);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam) {
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr) {
        return FALSE;
    }
    if (message == WM_SYSCOMMAND) {
        (this->*entry->onSysCommand)(UINT(wParam), lParam);
    } else {
        (this->*entry->onCommand)();
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE; // the first tab stop takes the focus
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    ++m_lockNotifications;
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    --m_lockNotifications;
    return TRUE;
}
