#include "calculator_dialog.h"

#include "about_dialog.h"
#include "line_calculations.h"
#include "resource.h"

namespace {

// Runs one conversion on two box texts and stores its result and message texts.
template <typename Calculation>
void Calculate(Calculation calculation, const CString& first, const CString& second,
               CString& result, CString& message) {
    const CalcOutcome outcome = calculation(first.GetUtf8(), second.GetUtf8());
    result = CString(outcome.result);
    message = CString(outcome.message);
}

} // namespace

BEGIN_MESSAGE_MAP(CCalculatorDialog, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_EN_UPDATE(IDC_LOSS_LENGTH, OnUpdateLossInputs)
    ON_EN_UPDATE(IDC_LOSS_SWR, OnUpdateLossInputs)
    ON_BN_CLICKED(IDC_ABOUT, OnAboutButton)
    ON_EN_UPDATE(IDC_SWR_LENGTH, OnUpdateSwrInputs)
    ON_EN_UPDATE(IDC_SWR_LOSS, OnUpdateSwrInputs)
END_MESSAGE_MAP()

CCalculatorDialog::CCalculatorDialog(CWnd* pParent)
    : CDialog(IDD_CALCULATOR, pParent), m_hIcon(AfxLoadIcon(IDI_MAIN)) {}

void CCalculatorDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LOSS_LENGTH, m_strLossLength);
    DDX_Text(pDX, IDC_SWR_LENGTH, m_strSwrLength);
    DDX_Text(pDX, IDC_LOSS_RESULT, m_strLossResult);
    DDX_Text(pDX, IDC_SWR_LOSS, m_strSwrLoss);
    DDX_Text(pDX, IDC_LOSS_SWR, m_strLossSwr);
    DDX_Text(pDX, IDC_SWR_RESULT, m_strSwrResult);
    DDX_Text(pDX, IDC_MESSAGES, m_strMessages);
}

BOOL CCalculatorDialog::OnInitDialog() {
    CDialog::OnInitDialog();

    // "About Varnholt..." at the end of the window menu.
    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUT_MENU);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUT, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}

void CCalculatorDialog::OnOK() {}

void CCalculatorDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUT) {
        CAboutDialog dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

// Minimized, the window shows its icon centred in the client area; otherwise it paints as
// every dialog does.
void CCalculatorDialog::OnPaint() {
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - cxIcon + 1) / 2;
        const int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

// The icon shown while the minimized window is dragged.
HCURSOR CCalculatorDialog::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_hIcon);
}

void CCalculatorDialog::OnAboutButton() {
    CAboutDialog dlgAbout;
    dlgAbout.DoModal();
}

void CCalculatorDialog::OnUpdateLossInputs() {
    UpdateData(TRUE);
    Calculate(CalcLossFromSwr, m_strLossLength, m_strLossSwr, m_strLossResult, m_strMessages);
    UpdateData(FALSE);
}

void CCalculatorDialog::OnUpdateSwrInputs() {
    UpdateData(TRUE);
    Calculate(CalcSwrFromLoss, m_strSwrLoss, m_strSwrLength, m_strSwrResult, m_strMessages);
    UpdateData(FALSE);
}
