// A dialog built from a template, with data exchange, a message map and a modal run.
//
// The controls are created from the template (looked up by ID among the program's resources)
// in template order, as direct children of the dialog, and named after their IDs. Line edits
// report EN_UPDATE on every change of their text, push buttons BN_CLICKED; both reach the
// handlers of the message map unless UpdateData is exchanging data at that moment.
//
// Keys: Enter on a focused push button presses it; elsewhere it presses the default push
// button (BS_DEFPUSHBUTTON) or, without one, calls OnOK. Esc and the close box call OnCancel.
// F1 is the help command, ID_HELP.
#pragma once

#include "cdataexchange.h"
#include "cmenu.h"
#include "cpaintdc.h"
#include "cstring.h"
#include "cwnd.h"
#include "dialog_template.h"
#include "message_map.h"
#include "win_defs.h"

#include <QDialog>
#include <QIcon>
#include <map>
#include <memory>

// The icon group `id` from the program's resources, with all its image sizes.
HICON AfxLoadIcon(UINT id);

// CWnd comes first, so that a dialog begins with its CCmdTarget: the message map's member
// pointers are converted to CCmdTarget's, and calls through them then find the dialog at the
// address they expect.
class CDialog : public CWnd, public QDialog {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Creates the controls (once), calls OnInitDialog, runs the dialog modally and returns the
    // result passed to EndDialog: IDOK or IDCANCEL.
    INT_PTR DoModal();
    // Creates the controls (once), calls OnInitDialog and shows the dialog without a modal
    // loop of its own; EndDialog hides it again.
    BOOL Create();
    void EndDialog(int nResult);

    // The control with this ID, or nullptr.
    CWnd* GetDlgItem(UINT id) const;
    // The widget of the control with this ID, or nullptr.
    QWidget* GetControl(UINT id) const;
    // Runs DoDataExchange: TRUE copies the controls' texts into the fields, FALSE the fields
    // into the controls. Control notifications are ignored while it runs.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The window menu. bRevert is accepted for the familiar signature; each opening of the
    // dialog starts with a fresh menu.
    CMenu* GetSystemMenu(BOOL bRevert);
    void SetIcon(const HICON& icon, BOOL bBigIcon);
    // Commands (code 0) that the dialog's map does not take go on to the application object.
    BOOL OnCmdMsg(UINT nID, UINT nCode) override;

    // Carries out a control's notification as the message map says, unless UpdateData is
    // running; the controls' signals come in here.
    void SendNotify(UINT code, UINT id);
    // Carries out a command (IDOK, IDCANCEL, ID_HELP from the keys and the close box) as the
    // message maps say.
    void SendCommand(UINT code, UINT id);
    // Carries out a window-menu command as the message map says.
    void SendSysCommand(UINT id, LPARAM lParam = 0);

    // The dialog units of the current template, in pixels.
    int DialogUnitsToPixelsX(int x) const;
    int DialogUnitsToPixelsY(int y) const;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Default handling of IDOK: copy the controls into the fields and end with IDOK.
    virtual void OnOK();
    // Default handling of IDCANCEL: end with IDCANCEL, without data exchange.
    virtual void OnCancel();
    // Qt paints the dialog's background and its controls itself.
    void OnPaint() {}
    // A Qt desktop drags no minimized windows; the icon is kept for the familiar handler.
    virtual HCURSOR OnQueryDragIcon() { return HCURSOR(); }
    // Default handling of window-menu commands: minimize and close.
    void OnSysCommand(UINT nID, LPARAM lParam);

    const AFX_MSGMAP* GetMessageMap() const override;

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void reject() override;

private:
    void CreateFromTemplate();
    QWidget* CreateControl(const DialogItemTemplate& item);
    void FitStaticTexts();
    void CenterWindow();
    // Carries out WM_PAINT or WM_SYSCOMMAND (wParam the command) as the message map says;
    // FALSE if the map has no entry for it.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    QWidget* m_pParentWnd;
    const DialogTemplate* m_template = nullptr;
    int m_baseUnitX = 0; // average character width of the dialog font, in pixels
    int m_baseUnitY = 0; // character height of the dialog font, in pixels
    std::map<UINT, QWidget*> m_controls;
    std::map<UINT, std::unique_ptr<CWnd>> m_items; // what GetDlgItem gives, per control
    std::unique_ptr<CMenu> m_systemMenu;
    int m_lockNotifications = 0;
    bool m_created = false;
};
