// A window as the dialogs address it: a dialog, or one of its controls from GetDlgItem.
#pragma once

#include "ccmdtarget.h"
#include "crect.h"
#include "win_defs.h"

class CWnd : public CCmdTarget {
public:
    explicit CWnd(HWND hWnd = nullptr) : m_hWnd(hWnd) {}

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }

    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(CRect* rect) const { ::GetClientRect(m_hWnd, rect); }

    HWND m_hWnd;
};
