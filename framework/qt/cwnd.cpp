#include "cwnd.h"

#include <QLineEdit>
#include <QWidget>
#include <algorithm>

BOOL CWnd::IsIconic() const {
    return m_widget->isMinimized();
}

void CWnd::GetClientRect(CRect* rect) const {
    *rect = CRect{0, 0, m_widget->width(), m_widget->height()};
}

int GetSystemMetrics(int index) {
    return (index == SM_CXICON || index == SM_CYICON) ? 32 : 0;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    auto* edit = qobject_cast<QLineEdit*>(m_widget);
    if (!edit) {
        return 0;
    }
    switch (message) {
    case EM_SETSEL: {
        const int length = int(edit->text().size());
        const int start = std::min(int(wParam), length);
        const int end = (lParam < 0 || lParam > length) ? length : int(lParam);
        // The caret goes to the end of the selection, as the window system puts it.
        edit->setSelection(start, end - start);
        break;
    }
    case EM_SCROLLCARET:
        // A line edit scrolls its caret into view whenever the caret moves.
        break;
    case WM_COPY:
        edit->copy();
        break;
    default:
        break;
    }
    return 0;
}
