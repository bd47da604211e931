// A dialog made by the window system's dialog manager from the template resource of the same
// ID, with data exchange, a message map and a modal run. The dialog manager carries out Tab,
// mnemonics, Enter (IDOK, or the focused button), Esc and the close box (IDCANCEL), and F1
// (WM_HELP, carried out as the help command ID_HELP); control notifications reach the message
// map unless UpdateData is exchanging data at that moment.
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

// The icon group `id` from the executable's resources.
HICON AfxLoadIcon(UINT id);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally over its owner (disabled meanwhile) and returns the result passed
    // to EndDialog: IDOK or IDCANCEL, or -1 if the dialog could not be made.
    INT_PTR DoModal();
    void EndDialog(int nResult);

    // The control with this ID, or nullptr.
    CWnd* GetDlgItem(UINT id) const;
    // Runs DoDataExchange: TRUE copies the controls' texts into the fields, FALSE the fields
    // into the controls. Control notifications are ignored while it runs.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    // The window menu, as the window system keeps it for this window.
    CMenu* GetSystemMenu(BOOL bRevert);
    void SetIcon(HICON icon, BOOL bBigIcon);
    // Commands (code 0) that the dialog's map does not take go on to the application object.
    BOOL OnCmdMsg(UINT nID, UINT nCode) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    // Default handling of IDOK: copy the controls into the fields and end with IDOK.
    virtual void OnOK();
    // Default handling of IDCANCEL: end with IDCANCEL, without data exchange.
    virtual void OnCancel();
    // The window system's own painting: the background and the controls.
    void OnPaint();
    // The icon shown while the minimized window is dragged; none by default.
    virtual HCURSOR OnQueryDragIcon() { return nullptr; }
    // The window system's own handling of window-menu commands: move, minimize, close, ...
    void OnSysCommand(UINT nID, LPARAM lParam);

    const AFX_MSGMAP* GetMessageMap() const override;

private:
    // Carries out WM_PAINT or WM_SYSCOMMAND (wParam the command) as the message map says;
    // FALSE if the map has no entry for it.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void CenterWindow();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    CMenu m_systemMenu;
    mutable std::map<UINT, std::unique_ptr<CWnd>> m_items;
    int m_lockNotifications = 0;
};
