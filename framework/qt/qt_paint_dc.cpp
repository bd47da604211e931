// CPaintDC on Qt: a painter on the widget, inside its paint event.
#include "cpaintdc.h"

#include <QIcon>
#include <QPainter>
#include <QWidget>

struct CPaintDC::Session {
    explicit Session(QWidget* widget) : painter(widget) {}
    QPainter painter;
};

CPaintDC::CPaintDC(CWnd* pWnd) : m_session(std::make_unique<Session>(pWnd->m_hWnd)) {
    m_hDC = &m_session->painter;
}

CPaintDC::~CPaintDC() = default;

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    if (hIcon == nullptr) {
        return FALSE;
    }
    const int size = GetSystemMetrics(SM_CXICON);
    m_hDC->drawPixmap(x, y, hIcon->pixmap(size, size));
    return TRUE;
}
