// A window as the dialogs address it: a dialog, or one of its controls from GetDlgItem.
#pragma once

#include "ccmdtarget.h"
#include "crect.h"
#include "win_defs.h"

class QWidget;

class CWnd : public CCmdTarget {
public:
    explicit CWnd(QWidget* widget) : m_widget(widget) {}

    // Carries out a message to a one-line edit box: EM_SETSEL (wParam the start, lParam the
    // end; an end of -1 is the end of the text), EM_SCROLLCARET and WM_COPY. Returns 0; other
    // messages and other controls are ignored.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // TRUE while the window is minimized.
    BOOL IsIconic() const;
    void GetClientRect(CRect* rect) const;

    // The widget behind this window.
    QWidget* GetWidget() const { return m_widget; }

protected:
    // For a window that is its own widget, whose widget part is made after this one.
    void Attach(QWidget* widget) { m_widget = widget; }

private:
    QWidget* m_widget;
};

// SM_CXICON and SM_CYICON: the size of a large icon, 32 pixels; 0 for every other index.
int GetSystemMetrics(int index);
