// CPaintDC on Win32: between BeginPaint and EndPaint.
#include "cpaintdc.h"

struct CPaintDC::Session {
    HWND hWnd;
    PAINTSTRUCT ps;
};

CPaintDC::CPaintDC(CWnd* pWnd) : m_session(std::make_unique<Session>()) {
    m_session->hWnd = pWnd->m_hWnd;
    m_hDC = ::BeginPaint(m_session->hWnd, &m_session->ps);
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_session->hWnd, &m_session->ps);
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
