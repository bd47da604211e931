// CWnd, CMenu, CPaintDC and icons on the headless backend.
#include "cpaintdc.h"
#include "headless_input.h"

#include <map>

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    if (m_hWnd->control == nullptr) {
        return m_hWnd->window->Dialog().OnWindowMessage(message, wParam, lParam);
    }
    HeadlessWindow& box = *m_hWnd;
    if (box.control->kind != ControlKind::EditBox) {
        return 0;
    }
    if (message == EM_SETSEL) {
        // The caret goes to the end of the selection, as the window system puts it.
        box.anchor = std::min(std::size_t(wParam), box.text.size());
        box.caret = lParam < 0 ? box.text.size() : std::min(std::size_t(lParam), box.text.size());
    } else if (message == WM_COPY && box.anchor != box.caret) {
        HeadlessClipboard() = box.Selection();
    }
    return 0;
}

BOOL CWnd::IsIconic() const {
    return m_hWnd->control == nullptr && m_hWnd->window->Minimized();
}

void CWnd::GetClientRect(CRect* lpRect) const {
    const ResolvedDialog& layout = m_hWnd->window->Layout();
    *lpRect = m_hWnd->control
                  ? CRect{0, 0, m_hWnd->control->rect.Width(), m_hWnd->control->rect.Height()}
                  : CRect{0, 0, layout.width, layout.height};
}

void CWnd::GetWindowText(CString& rString) const {
    rString = CString(m_hWnd->text);
}

void CWnd::SetWindowText(const CString& text) {
    if (m_hWnd->control && m_hWnd->control->kind == ControlKind::EditBox) {
        CDialogWindow::SetEditText(*m_hWnd, text.GetUtf8());
    } else {
        m_hWnd->text = text.GetUtf8();
    }
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    const bool wasDisabled = !m_hWnd->enabled;
    m_hWnd->enabled = bEnable;
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return m_hWnd->enabled;
}

HWND AfxGetDlgItem(HWND hDlg, UINT nID) {
    return hDlg && !hDlg->control ? hDlg->window->Control(nID) : nullptr;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    const bool separator = nFlags & MF_SEPARATOR;
    m_hMenu->items.push_back(
        {separator, separator ? 0 : UINT(nIDNewItem), ParseMnemonic(text.GetUtf8())});
    return TRUE;
}

struct CPaintDC::Session {};

CPaintDC::CPaintDC(CWnd* pWnd) : m_session(std::make_unique<Session>()) {
    m_hDC = pWnd->m_hWnd;
}

CPaintDC::~CPaintDC() = default;

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    if (hIcon == nullptr || m_hDC == nullptr) {
        return FALSE;
    }
    m_hDC->drawn.push_back({x, y, hIcon});
    return TRUE;
}

HICON AfxLoadIcon(UINT nID) {
    // Kept in a map whose elements never move, so that an HICON stays valid.
    static std::map<UINT, HeadlessIcon> loaded;
    const AfxImageResource* resource = AfxGetModule().FindImage(nID);
    return resource ? &loaded.emplace(nID, HeadlessIcon{resource}).first->second : nullptr;
}
