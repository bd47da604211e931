#include "cdataexchange.h"

#include "cdialog.h"

void DDX_Text(CDataExchange* pDX, UINT nIDC, CString& value) {
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (control == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        control->GetWindowText(value);
        return;
    }
    CString shown;
    control->GetWindowText(shown);
    if (shown != value) {
        control->SetWindowText(value);
    }
}
