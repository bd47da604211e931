#include "cdataexchange.h"

#include "cdialog.h"

void DDX_Text(CDataExchange* pDX, UINT id, CString& value) {
    const HWND control = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, int(id));
    if (!control) {
        return;
    }
    const int length = ::GetWindowTextLengthW(control);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(::GetWindowTextW(control, text.data(), length + 1)));
    const CString shown = CString::FromWide(text);
    if (pDX->m_bSaveAndValidate) {
        value = shown;
    } else if (shown != value) {
        ::SetWindowTextW(control, value.GetWide().c_str());
    }
}
