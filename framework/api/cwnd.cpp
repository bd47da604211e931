// The classic API's calls on the window system, each passed on to the backend.
#include "cwnd.h"

#include "afx_backend.h"
#include "cdialog.h"
#include "cmenu.h"
#include "cpaintdc.h"

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_hWnd ? AfxGetBackend().SendMessage(m_hWnd, message, wParam, lParam) : 0;
}

BOOL CWnd::IsIconic() const {
    return AfxGetBackend().IsIconic(m_hWnd);
}

void CWnd::GetClientRect(CRect* lpRect) const {
    *lpRect = AfxGetBackend().GetClientRect(m_hWnd);
}

void CWnd::GetWindowText(CString& rString) const {
    rString = CString(AfxGetBackend().GetWindowText(m_hWnd));
}

void CWnd::SetWindowText(const CString& text) {
    AfxGetBackend().SetWindowText(m_hWnd, text.GetUtf8());
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    return AfxGetBackend().EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const {
    return AfxGetBackend().IsWindowEnabled(m_hWnd);
}

HWND AfxGetDlgItem(HWND hDlg, UINT nID) {
    return hDlg ? AfxGetBackend().GetDlgItem(hDlg, nID) : nullptr;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CString& text) {
    return m_hMenu && AfxGetBackend().AppendMenu(m_hMenu, nFlags, nIDNewItem, text.GetUtf8());
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_session(AfxGetBackend().BeginPaint(pWnd->m_hWnd)) {
    m_hDC = m_session ? m_session->Device() : HDC();
}

CPaintDC::~CPaintDC() = default;

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    return m_session && hIcon && m_session->DrawIcon(x, y, hIcon);
}

BOOL CString::LoadString(UINT nID) {
    *this = CString(AfxGetBackend().LoadString(nID));
    return !IsEmpty();
}

HICON AfxLoadIcon(UINT nID) {
    return AfxGetBackend().LoadIcon(nID);
}

#ifndef AFX_WINDOWS
int GetSystemMetrics(int nIndex) {
    return AfxGetBackend().GetSystemMetrics(nIndex);
}
#endif
