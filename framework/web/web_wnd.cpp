// CWnd's members on the page: a window or a control is an element, reached through the
// backend's JavaScript library. Texts cross as UTF-8.
#include "cwnd.h"

#include "web_dialog_window.h"
#include "web_markup.h"

#include <cstdlib>

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_hWnd == nullptr) {
        return 0;
    }
    if (m_hWnd->control < 0) {
        return m_hWnd->dialog->Dialog().OnWindowMessage(message, wParam, lParam);
    }
    switch (message) {
    case EM_SETSEL:
        // The caret goes to the end of the selection, as the window system puts it.
        web_edit_select(m_hWnd->window, m_hWnd->control, int(wParam),
                        lParam < 0 ? -1 : int(lParam));
        break;
    case EM_SCROLLCARET:
        // Selecting already brings the caret into view.
        break;
    case WM_COPY:
        web_edit_copy(m_hWnd->window, m_hWnd->control);
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
    web_client_size(m_hWnd->window, &width, &height);
    *lpRect = CRect{0, 0, width, height};
}

namespace {

// The control's layout, or nullptr for a window.
const ResolvedControl* Resolved(const WebNode* node) {
    return node->control < 0 ? nullptr : &node->dialog->Layout().controls[node->control];
}

} // namespace

void CWnd::GetWindowText(CString& rString) const {
    const ResolvedControl* control = Resolved(m_hWnd);
    if (control && control->kind != ControlKind::EditBox) {
        rString = CString(m_hWnd->text); // the page shows it without its markers
        return;
    }
    char* text = web_get_text(m_hWnd->window, m_hWnd->control);
    rString = CString(text);
    std::free(text);
}

void CWnd::SetWindowText(const CString& text) {
    const ResolvedControl* control = Resolved(m_hWnd);
    if (!control || control->kind == ControlKind::EditBox) {
        web_set_text(m_hWnd->window, m_hWnd->control, text.GetUtf8().c_str());
        // What the program shows in a box the reader cannot type into is a result: said once,
        // with the box's name. Data exchange sets only the texts that change.
        if (control && control->readOnly && !text.IsEmpty() && m_hWnd->dialog->Speaking()) {
            const bool colon = !control->name.empty() && control->name.back() == ':';
            web_announce(m_hWnd->window,
                         (control->name + (colon ? " " : ": ") + text.GetUtf8()).c_str());
        }
        return;
    }
    m_hWnd->text = text.GetUtf8();
    const MnemonicText label = ParseMnemonic(m_hWnd->text, control->noPrefix);
    web_set_label(m_hWnd->window, m_hWnd->control, WebLabelMarkup(label).c_str(),
                  label.mnemonic.c_str());
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    const bool wasDisabled = !web_enabled(m_hWnd->window, m_hWnd->control);
    web_enable(m_hWnd->window, m_hWnd->control, bEnable);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    return web_enabled(m_hWnd->window, m_hWnd->control);
}

HWND AfxGetDlgItem(HWND hDlg, UINT nID) {
    return (hDlg && hDlg->control < 0) ? hDlg->dialog->Control(nID) : nullptr;
}
