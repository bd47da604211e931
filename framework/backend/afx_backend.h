// Everything a backend supplies, in one place: what the classic API (CWnd, CDialog, CMenu,
// CPaintDC, CWinApp) asks of a window system. A backend is a folder of its own; it derives from
// the classes below (for a window system without a dialog manager, from AfxLaidOutBackend and
// AfxLaidOutWindow, laid_out_window.h, which carry out what such systems do alike), defines
// AfxGetBackend, names its handle types (vocabulary.h) and supplies the process entry. Pure
// virtual functions, so that a backend that leaves one out does not compile: its main header
// lists what it implements. The headless backend is the smallest complete one; start a new one
// from it.
//
// Abstract classes rather than a table of functions: a window is an object with state of its
// own (its controls, its run), a backend's implementations share helpers as members, and a
// missing override is a compile error where a missing table entry would be a null pointer.
#pragma once

#include "crect.h"
#include "vocabulary.h"

#include <memory>
#include <string>

class CMenu;

// What a dialog's window tells its dialog, and asks of it: the one way from a backend into a
// CDialog. Texts are UTF-8.
class AfxDialogSite {
public:
    // A command or a control's notification (WM_COMMAND): a button's BN_CLICKED, an edit box's
    // EN_UPDATE on every change of its text (the program's own setting included), a dialog
    // key's command. TRUE if a handler took it.
    virtual BOOL OnCommand(UINT nID, UINT nCode) = 0;
    // WM_SYSCOMMAND, WM_PAINT or WM_QUERYDRAGICON as the dialog's message map says, the result in
    // *pResult; FALSE if the map has no entry (the window system's default handling is due).
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) = 0;
    // A message as CWnd::SendMessage sends it to the dialog: WM_SYSCOMMAND in full (the map,
    // else the default handling), others as the map says.
    virtual LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // OnInitDialog, once the window is made and shown: TRUE lets the first tab stop take the
    // focus.
    virtual BOOL InitDialog() = 0;
    // The dialog's template ID, and the window it is owned by while it runs (nullptr: none).
    virtual UINT TemplateId() const = 0;
    virtual HWND OwnerWindow() const = 0;
    // The window's handle, once the window system has made the window; nullptr once it has
    // taken it away (at its end, or with its owner).
    virtual void Attach(HWND window) = 0;

protected:
    ~AfxDialogSite() = default;
};

// The window system's side of one dialog, from its making to its destruction. Made by the
// backend (AfxBackend::MakeWindow), owned by its CDialog.
class AfxDialogWindow {
public:
    virtual ~AfxDialogWindow() = default;

    // The window's handle: nullptr before the window system has made it (Win32, until the
    // window opens) and after it has taken it away.
    virtual HWND Handle() const = 0;
    // Shows the window without a run of its own: a fresh window menu, InitDialog, the focus on
    // the first tab stop if it asks for that.
    virtual void Open() = 0;
    // The same, modal over the owner (which takes no input meanwhile), until End; returns End's
    // result.
    virtual INT_PTR RunModal() = 0;
    // Ends the run, or hides (Win32: destroys) a window shown by Open.
    virtual void End(int result) = 0;
    // The window menu, nullptr without WS_SYSMENU; each opening starts with a fresh one.
    virtual CMenu* SystemMenu() = 0;
    // The icon the window shows: `big` for the task switcher, else the title bar's.
    virtual void SetIcon(HICON icon, bool big) = 0;
    // The window system's own painting (the background and the controls) and its own
    // window-menu commands (at least minimize and close, which gives IDCANCEL).
    virtual void DefaultPaint() = 0;
    virtual void DefaultSysCommand(UINT nID, LPARAM lParam) = 0;
};

// Painting on a window from BeginPaint until the session ends.
class AfxPaintSession {
public:
    virtual ~AfxPaintSession() = default;
    virtual HDC Device() const = 0;
    // Draws the icon's large image with its top-left corner at (x, y).
    virtual BOOL DrawIcon(int x, int y, HICON icon) = 0;
};

// The window system, one per program.
class AfxBackend {
public:
    // The window of `dialog`, made from its template; nullptr where there is no such template.
    virtual std::unique_ptr<AfxDialogWindow> MakeWindow(AfxDialogSite& dialog) = 0;

    // Windows and controls by handle. SendMessage carries out, for a one-line edit box,
    // EM_SETSEL (wParam the start, lParam the end; -1 is the end of the text), EM_SCROLLCARET
    // and WM_COPY; for a dialog, what its site's OnWindowMessage does. Other messages may give
    // 0 and do nothing.
    virtual LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual BOOL IsIconic(HWND window) = 0;
    virtual CRect GetClientRect(HWND window) = 0;
    // What an edit box holds, what a static text or button says, a dialog's caption.
    virtual std::string GetWindowText(HWND window) = 0;
    // One change, which a screen reader hears once; an edit box reports EN_UPDATE.
    virtual void SetWindowText(HWND window, const std::string& text) = 0;
    // Whether the window takes input; EnableWindow returns whether it was disabled before.
    virtual BOOL EnableWindow(HWND window, BOOL enable) = 0;
    virtual BOOL IsWindowEnabled(HWND window) = 0;
    // The control with ID `id` in dialog window `dialog`, or nullptr.
    virtual HWND GetDlgItem(HWND dialog, UINT id) = 0;

    // Appends a separator (MF_SEPARATOR) or a text item with &-mnemonic for command `id`.
    virtual BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) = 0;
    virtual std::unique_ptr<AfxPaintSession> BeginPaint(HWND window) = 0;

    // The program's resources: icon group `id` at every size it has (the same ID gives the same
    // handle, which lives as long as the program), and string `id` ("" if there is none).
    virtual HICON LoadIcon(UINT id) = 0;
    virtual std::string LoadString(UINT id) = 0;
    // The size of a large icon (SM_CXICON, SM_CYICON); 0 for other indices.
    virtual int GetSystemMetrics(int index) = 0;

    // The application: the switch to the three-dimensional look of dialog controls; starting
    // the window system's side and running `run` (the application object) in it; the message
    // loop beyond the dialogs' own runs, with the exit code.
    virtual BOOL Enable3dControls() = 0;
    virtual int Start(int argc, char* argv[], int (*run)()) = 0;
    virtual int Run() = 0;

protected:
    ~AfxBackend() = default;
};

// The program's backend. Defined by the backend.
AfxBackend& AfxGetBackend();
