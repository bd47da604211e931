// A dialog built from a template, with data exchange, a message map and a modal run.
//
// One class for every window system. What all of them share is defined in cdialog.cpp: the base
// message map and the dispatch through it, the default handlers, data exchange with control
// notifications ignored meanwhile, GetDlgItem and the choice of the owner. The members marked
// below as the backend's talk to the window system; each backend defines them, together with
// CDialogWindow, the window system's side of one dialog (see framework/README.md).
//
// The window is made from the template with the dialog's ID: its controls in template order,
// which is also the tab order. Edit boxes report EN_UPDATE on every change of their text, push
// buttons BN_CLICKED; both reach the message map unless UpdateData is exchanging data. Keys:
// Enter on a focused push button presses it; elsewhere it presses the default push button
// (BS_DEFPUSHBUTTON) or, without one, sends IDOK. Esc and the close box send IDCANCEL. F1 sends
// the help command ID_HELP.
#pragma once

#include "cdataexchange.h"
#include "cmenu.h"
#include "cpaintdc.h"
#include "cstring.h"
#include "cwnd.h"
#include "message_map.h"
#include "win_defs.h"

#include <map>
#include <memory>

// The icon group nID from the program's resources, at every size it has. Icons are shared: the
// same ID gives the same handle, which lives as long as the program. Defined by the backend.
HICON AfxLoadIcon(UINT nID);

class CDialogWindow; // the window system's side of a dialog, defined by the backend

// Deletes a dialog's window; defined by the backend, beside CDialogWindow.
struct CDialogWindowDeleter {
    void operator()(CDialogWindow* window) const;
};

class CDialog : public CWnd {
public:
    // The template nIDTemplate, owned by pParentWnd or, without one, by the application's main
    // window (see GetOwnerHwnd).
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // The backend's:

    // Makes the window from the template, calls OnInitDialog, runs the dialog modally over its
    // owner (which takes no input meanwhile) and returns the result passed to EndDialog: IDOK
    // or IDCANCEL, or -1 if the window could not be made.
    INT_PTR DoModal();
    // Makes the window (once), calls OnInitDialog and shows it without a loop of its own, for
    // tests and tools; EndDialog hides it (Win32: destroys it, and a later Create makes it anew).
    // A backend whose tests do not need it may leave it out.
    BOOL Create();
    // Ends the run (or hides the window) with nResult.
    void EndDialog(int nResult);
    // The window menu, nullptr if the template has no WS_SYSMENU. bRevert is accepted for the
    // familiar signature; each opening of a dialog starts with a fresh menu.
    CMenu* GetSystemMenu(BOOL bRevert);
    // The icon the window shows for itself: bBigIcon the large one (the task switcher), else the
    // small one (the title bar).
    void SetIcon(HICON hIcon, BOOL bBigIcon);

    // Shared:

    // The control with ID nID, or nullptr. The pointer stays valid as long as the dialog.
    CWnd* GetDlgItem(UINT nID) const;
    // Runs DoDataExchange: TRUE copies the controls' texts into the fields, FALSE the fields
    // into the controls. Control notifications are ignored while it runs. Always TRUE.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // Commands (code 0) that the dialog's map does not take go on to the application object.
    BOOL OnCmdMsg(UINT nID, UINT nCode) override;

    // What the backend calls as the window system reports events:

    // A command or a control's notification (WM_COMMAND), from a control or a dialog key, as the
    // message maps say; ignored while UpdateData is exchanging data. TRUE if a handler took it.
    BOOL OnCommand(UINT nID, UINT nCode);
    // WM_SYSCOMMAND (wParam the command), WM_PAINT or WM_QUERYDRAGICON as the message map says,
    // with the handler's result in *pResult; FALSE if the map has no entry for it, and the
    // window system's default handling is due.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A message sent to the dialog's own window (CWnd::SendMessage) where the backend carries it
    // out itself: WM_SYSCOMMAND in full (the message map, else the default OnSysCommand), others
    // as the message map says, 0 where it has no entry.
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Fills the controls from the fields; TRUE lets the first tab stop take the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Default handling of IDOK: copy the controls into the fields and end with IDOK.
    virtual void OnOK();
    // Default handling of IDCANCEL: end with IDCANCEL, without data exchange.
    virtual void OnCancel();
    // The window system's own painting: the background and the controls. The backend's.
    void OnPaint();
    // The window system's own handling of window-menu commands (at least minimize and close,
    // which sends IDCANCEL). The backend's.
    void OnSysCommand(UINT nID, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    friend class CDialogWindow;

    // The window the dialog is owned by while it runs: its parent, or else the application's
    // main window unless that is this dialog, or else none.
    HWND GetOwnerHwnd() const;
    // The backend's window, made from the template at the dialog's first opening; nullptr if
    // the registered module has no such template. For the backends that lay dialogs out.
    CDialogWindow* Window();
    // Gives the dialog the handle of its window once the backend has made it, and nullptr once
    // the window has gone; GetDlgItem then looks its controls up anew.
    void AttachWindow(HWND hWnd);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    int m_lockNotifications = 0;
    mutable std::map<UINT, std::unique_ptr<CWnd>> m_items; // what GetDlgItem gives, per ID
    std::unique_ptr<CDialogWindow, CDialogWindowDeleter> m_window;
};
