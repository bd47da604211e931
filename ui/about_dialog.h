// The About box: the program's name and version, the authors' web address with a button that
// copies it to the clipboard, and the terms of use.
#pragma once

#include "cdialog.h"

class CAboutDialog : public CDialog {
public:
    CAboutDialog();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnCopyAddress();

    CString m_strWebAddress;

    DECLARE_MESSAGE_MAP()
};
