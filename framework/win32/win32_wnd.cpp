// CWnd's members on Win32: the system's own calls on the window handle.
#include "cwnd.h"

#include "win32_text.h"

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}

void CWnd::GetClientRect(CRect* lpRect) const {
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    *lpRect = CRect{int(rect.left), int(rect.top), int(rect.right), int(rect.bottom)};
}

void CWnd::GetWindowText(CString& rString) const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(std::size_t(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    rString = Narrow(text.data(), copied);
}

void CWnd::SetWindowText(const CString& text) {
    ::SetWindowTextW(m_hWnd, Widen(text).c_str());
}

HWND AfxGetDlgItem(HWND hDlg, UINT nID) {
    return ::GetDlgItem(hDlg, int(nID));
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
    return ::IsWindowEnabled(m_hWnd);
}
