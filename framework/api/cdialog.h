// A dialog built from a template, with data exchange, a message map and a modal run.
//
// One class for every window system, all of it defined in cdialog.cpp: the base message map and
// the dispatch through it, the default handlers, data exchange with control notifications
// ignored meanwhile, GetDlgItem, the choice of the owner, and the runs over the window that the
// backend makes (AfxDialogWindow, afx_backend.h), which the dialog owns and reaches only through
// that interface; the window reaches the dialog through AfxDialogSite.
//
// The window is made from the template with the dialog's ID: its controls in template order,
// which is also the tab order. Edit boxes report EN_UPDATE on every change of their text, push
// buttons BN_CLICKED; both reach the message map unless UpdateData is exchanging data. Keys:
// Enter on a focused push button presses it; elsewhere it presses the default push button
// (BS_DEFPUSHBUTTON) or, without one, sends IDOK. Esc and the close box send IDCANCEL. F1 sends
// the help command ID_HELP.
#pragma once

#include "afx_backend.h"
#include "cdataexchange.h"
#include "cmenu.h"
#include "cpaintdc.h"
#include "cstring.h"
#include "cwnd.h"
#include "message_map.h"
#include "vocabulary.h"

#include <map>
#include <memory>

// The icon group nID from the program's resources, at every size it has. Icons are shared: the
// same ID gives the same handle, which lives as long as the program.
HICON AfxLoadIcon(UINT nID);

class CDialog : public CWnd, private AfxDialogSite {
public:
    // The template nIDTemplate, owned by pParentWnd or, without one, by the application's main
    // window (see OwnerWindow).
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Makes the window from the template, calls OnInitDialog, runs the dialog modally over its
    // owner (which takes no input meanwhile) and returns the result passed to EndDialog: IDOK
    // or IDCANCEL, or -1 if the window could not be made.
    INT_PTR DoModal();
    // Makes the window (once), calls OnInitDialog and shows it without a loop of its own, for
    // tests and tools; EndDialog hides it (Win32: destroys it, and a later Create makes it anew).
    BOOL Create();
    // Ends the run (or hides the window) with nResult.
    void EndDialog(int nResult);
    // The window menu, nullptr if the template has no WS_SYSMENU. bRevert is accepted for the
    // familiar signature; each opening of a dialog starts with a fresh menu.
    CMenu* GetSystemMenu(BOOL bRevert);
    // The icon the window shows for itself: bBigIcon the large one (the task switcher), else the
    // small one (the title bar).
    void SetIcon(HICON hIcon, BOOL bBigIcon);

    // The control with ID nID, or nullptr. The pointer stays valid as long as the dialog.
    CWnd* GetDlgItem(UINT nID) const;
    // Runs DoDataExchange: TRUE copies the controls' texts into the fields, FALSE the fields
    // into the controls. Control notifications are ignored while it runs. Always TRUE.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Commands (code 0) that the dialog's map does not take go on to the application object.
    BOOL OnCmdMsg(UINT nID, UINT nCode) override;

    // What the window system reports (AfxDialogSite): a command or a control's notification
    // (WM_COMMAND), from a control or a dialog key, as the message maps say, ignored while
    // UpdateData is exchanging data; WM_SYSCOMMAND (wParam the command), WM_PAINT or
    // WM_QUERYDRAGICON as the message map says, FALSE where it has no entry; a message sent to
    // the dialog's own window: WM_SYSCOMMAND in full (the map, else the default OnSysCommand).
    BOOL OnCommand(UINT nID, UINT nCode) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Fills the controls from the fields; TRUE lets the first tab stop take the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Default handling of IDOK: copy the controls into the fields and end with IDOK.
    virtual void OnOK();
    // Default handling of IDCANCEL: end with IDCANCEL, without data exchange.
    virtual void OnCancel();
    // The window system's own painting: the background and the controls.
    void OnPaint();
    // The window system's own handling of window-menu commands (at least minimize and close,
    // which sends IDCANCEL).
    void OnSysCommand(UINT nID, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // AfxDialogSite, for the window:
    BOOL InitDialog() override { return OnInitDialog(); }
    UINT TemplateId() const override { return m_nIDTemplate; }
    // The window the dialog is owned by while it runs: its parent, or else the application's
    // main window unless that is this dialog, or else none.
    HWND OwnerWindow() const override;
    // The window's handle once the window system has made it, nullptr once it has gone; then
    // GetDlgItem looks the controls up anew.
    void Attach(HWND hWnd) override;

    // The window, made at the dialog's first opening and kept while the window system keeps it;
    // nullptr if the registered module has no such template.
    AfxDialogWindow* Window();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    int m_lockNotifications = 0;
    mutable std::map<UINT, std::unique_ptr<CWnd>> m_items; // what GetDlgItem gives, per ID
    std::unique_ptr<AfxDialogWindow> m_window;
};
