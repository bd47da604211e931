// The calculator window: two independent groups of boxes that convert between a cable's
// specific loss and the SWR at its near end, and a message box shared by both.
#pragma once

#include "cdialog.h"

class CCalculatorDialog : public CDialog {
public:
    explicit CCalculatorDialog(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter in a box must neither close the window nor exchange data.
    void OnOK() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnUpdateLossInputs();
    void OnAboutButton();
    void OnUpdateSwrInputs();

    // The dialog keeps texts only; every calculation starts again from the boxes.
    CString m_strLossLength;
    CString m_strSwrLength;
    CString m_strLossResult;
    CString m_strSwrLoss;
    CString m_strLossSwr;
    CString m_strSwrResult;
    CString m_strMessages;
    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
