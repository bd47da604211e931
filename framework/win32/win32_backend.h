// The Win32 backend: the system's own dialog manager makes each dialog from the template
// resource of its ID in the executable (which the build's resource tool makes from the same
// module) and carries out Tab, mnemonics, Enter (IDOK, or the focused button), Esc and the close
// box (IDCANCEL) and F1 (WM_HELP) itself; the dialog procedure passes the rest to the dialog.
//
// Implemented:
//  [X] dialogs from the executable's resources, modal and modeless
//  [X] the dialog manager's own keys, Tab and mnemonics
//  [X] the system's window menu and its commands
//  [X] icons and strings from the resources; common controls 6 in the system's visual style
//  [X] pictures scaled to the window's DPI at its start and on WM_DPICHANGED (win32_picture.h)
//  [X] edit boxes of 32,767 UTF-16 units, a cut at that limit never inside a character
//  [X] texts as UTF-16 at the boundary
//  [ ] the layout: the dialog manager's own, in the template's font
#pragma once

#include "afx_backend.h"
#include "cmenu.h"
#include "win32_picture.h"

#include <vector>

class Win32DialogWindow final : public AfxDialogWindow {
public:
    explicit Win32DialogWindow(AfxDialogSite& dialog) : m_dialog(dialog) {}
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    HWND Handle() const override { return m_window; }
    void Open() override;
    INT_PTR RunModal() override;
    void End(int result) override;
    CMenu* SystemMenu() override;
    void SetIcon(HICON icon, bool big) override;
    void DefaultPaint() override;
    void DefaultSysCommand(UINT nID, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Message(UINT message, WPARAM wParam, LPARAM lParam);

    AfxDialogSite& m_dialog;
    CMenu m_systemMenu;                    // the window system's own window menu of the dialog
    std::vector<ScaledPicture> m_pictures; // the pictures scaled to the window's DPI
    bool m_modeless = false;               // made by Open: its end destroys the window
    HWND m_window = nullptr;               // the window, until its last message
};
