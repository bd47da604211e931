// A window as the dialogs address it: a dialog, or one of its controls from GetDlgItem. It holds
// the window system's handle; its members ask the backend (AfxBackend, afx_backend.h).
#pragma once

#include "ccmdtarget.h"
#include "crect.h"
#include "cstring.h"
#include "vocabulary.h"

class CWnd : public CCmdTarget {
public:
    explicit CWnd(HWND hWnd = nullptr) : m_hWnd(hWnd) {}

    // Sends `message` to the window and returns its result. Every backend carries out, for a
    // one-line edit box, EM_SETSEL (wParam the start, lParam the end; -1 is the end of the
    // text), EM_SCROLLCARET and WM_COPY; for a dialog, WM_SYSCOMMAND, WM_PAINT and
    // WM_QUERYDRAGICON through its message map. Other messages may give 0 and do nothing.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // TRUE while the window is minimized.
    BOOL IsIconic() const;
    void GetClientRect(CRect* lpRect) const;
    // The window's text: what an edit box holds, what a static text or a button says.
    void GetWindowText(CString& rString) const;
    // Sets the window's text as one change, which a screen reader hears once. Like an edit
    // box's own setting of its text, it cannot be undone; an edit box reports EN_UPDATE.
    void SetWindowText(const CString& text);
    // Whether the window takes input; a disabled control is skipped by Tab and its mnemonic,
    // and a disabled default button leaves Enter without effect.
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;

    HWND m_hWnd;
};

// The handle of the control with ID nID in dialog window hDlg, or nullptr.
HWND AfxGetDlgItem(HWND hDlg, UINT nID);
