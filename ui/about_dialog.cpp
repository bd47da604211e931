#include "about_dialog.h"

#include "resource.h"
#include "version.h"

BEGIN_MESSAGE_MAP(CAboutDialog, CDialog)
    ON_BN_CLICKED(IDC_COPY, OnCopyAddress)
END_MESSAGE_MAP()

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUT) {
    // The same address names the program to the desktop (its application id).
    m_strWebAddress = VARNHOLT_WEB_ADDRESS;
}

void CAboutDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WEB_ADDRESS, m_strWebAddress);
}

void CAboutDialog::OnCopyAddress() {
    // Select the whole address, bring the caret into view and copy: the clipboard gets all of
    // it even where the box is too narrow to show it. The box keeps the selection.
    if (CWnd* pAddress = GetDlgItem(IDC_WEB_ADDRESS)) {
        pAddress->SendMessage(EM_SETSEL, 0, -1);
        pAddress->SendMessage(EM_SCROLLCARET);
        pAddress->SendMessage(WM_COPY);
    }
}
