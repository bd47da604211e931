// What a dialog does the same way on every window system, over the window its backend makes.
#include "cdialog.h"

#include "cwinapp.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    // The window goes first, while the dialog it reports to is whole.
    m_window.reset();
}

const AFX_MSGMAP* CDialog::GetMessageMap() const {
    // IDOK and IDCANCEL, from their buttons or from Enter, Esc and the close box, end up in
    // OnOK and OnCancel, which derived dialogs override.
    static const AFX_MSGMAP_ENTRY entries[] = {
        {WM_COMMAND, BN_CLICKED, IDOK, AFX_HANDLER(AFX_PMSG, &CDialog::OnOK)},
        {WM_COMMAND, BN_CLICKED, IDCANCEL, AFX_HANDLER(AFX_PMSG, &CDialog::OnCancel)},
        {0, 0, 0, AfxHandler()},
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

BOOL CDialog::OnCommand(UINT nID, UINT nCode) {
    return m_lockNotifications == 0 && OnCmdMsg(nID, nCode);
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
    if (entry == nullptr || message == WM_COMMAND) {
        return FALSE;
    }
    LRESULT result = 0;
    if (const auto* onMessage = std::get_if<AFX_PMSG>(&entry->pfn)) {
        (this->**onMessage)();
    } else if (const auto* onSysCommand = std::get_if<AFX_PMSG_WL>(&entry->pfn)) {
        (this->**onSysCommand)(UINT(wParam), lParam);
    } else if (const auto* onQueryIcon = std::get_if<AFX_PMSG_H>(&entry->pfn)) {
        result = reinterpret_cast<LRESULT>((this->**onQueryIcon)());
    }
    if (pResult != nullptr) {
        *pResult = result;
    }
    return TRUE;
}

LRESULT CDialog::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result) && message == WM_SYSCOMMAND) {
        OnSysCommand(UINT(wParam), lParam);
    }
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
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
    // Notifications stay locked out for as long as the exchange runs, and no longer, however it
    // ends: a handler that throws must not leave the dialog deaf.
    struct Lockout {
        explicit Lockout(int& locks) : count(locks) { ++count; }
        ~Lockout() { --count; }
        int& count;
    } lockout(m_lockNotifications);
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

CWnd* CDialog::GetDlgItem(UINT nID) const {
    // One wrapper per ID for the dialog's life, which keeps its control's handle for as long as
    // the window lasts: data exchange asks for every control on every change.
    std::unique_ptr<CWnd>& item = m_items[nID];
    if (!item) {
        item = std::make_unique<CWnd>();
    }
    if (item->m_hWnd == nullptr && m_hWnd != nullptr) {
        item->m_hWnd = AfxGetDlgItem(m_hWnd, nID);
    }
    return item->m_hWnd ? item.get() : nullptr;
}

void CDialog::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    for (auto& [id, item] : m_items) {
        item->m_hWnd = nullptr;
    }
}

HWND CDialog::OwnerWindow() const {
    if (m_pParentWnd != nullptr) {
        return m_pParentWnd->m_hWnd;
    }
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != this) {
        return app->m_pMainWnd->m_hWnd;
    }
    return nullptr;
}

AfxDialogWindow* CDialog::Window() {
    // A window the window system has taken away (a Win32 dialog at its end) is made anew.
    if (!m_window || m_window->Handle() == nullptr) {
        m_window.reset();
        m_window = AfxGetBackend().MakeWindow(*this);
    }
    return m_window.get();
}

INT_PTR CDialog::DoModal() {
    AfxDialogWindow* window = Window();
    return window ? window->RunModal() : -1;
}

BOOL CDialog::Create() {
    AfxDialogWindow* window = Window();
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

void CDialog::SetIcon(HICON hIcon, BOOL bBigIcon) {
    if (m_window) {
        m_window->SetIcon(hIcon, bBigIcon);
    }
}

void CDialog::OnPaint() {
    if (m_window) {
        m_window->DefaultPaint();
    }
}

void CDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    if (m_window) {
        m_window->DefaultSysCommand(nID, lParam);
    }
}
