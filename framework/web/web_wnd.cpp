// CWnd's members on the page: a window is an element, reached through the backend's JavaScript
// library. Texts cross as UTF-8.
#include "cwnd.h"

#include "web_dialog_window.h"

#include <cstdlib>

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    if (m_hWnd->window != nullptr) {
        return m_hWnd->window->Dialog().OnWindowMessage(message, wParam, lParam);
    }
    switch (message) {
    case EM_SETSEL:
        // The caret goes to the end of the selection, as the window system puts it.
        web_edit_select(m_hWnd->element, int(wParam), lParam < 0 ? -1 : int(lParam));
        break;
    case EM_SCROLLCARET:
        // Selecting already brings the caret into view.
        break;
    case WM_COPY:
        web_edit_copy(m_hWnd->element);
        break;
    default:
        break;
    }
    return 0;
}

BOOL CWnd::IsIconic() const {
    // A page is never shown as an icon: a hidden tab is not painted at all.
    return FALSE;
}

void CWnd::GetClientRect(CRect* lpRect) const {
    int width = 0;
    int height = 0;
    web_client_size(m_hWnd->element, &width, &height);
    *lpRect = CRect{0, 0, width, height};
}

void CWnd::GetWindowText(CString& rString) const {
    char* text = web_get_text(m_hWnd->element);
    rString = CString(text);
    std::free(text);
}

void CWnd::SetWindowText(const CString& text) {
    web_set_text(m_hWnd->element, text.GetUtf8().c_str());
}

HWND AfxGetDlgItem(HWND hDlg, UINT nID) {
    return (hDlg && hDlg->window) ? hDlg->window->Control(nID) : nullptr;
}

int GetSystemMetrics(int nIndex) {
    return (nIndex == SM_CXICON || nIndex == SM_CYICON) ? 32 : 0;
}
