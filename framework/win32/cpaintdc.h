// Painting on a window while it handles WM_PAINT (OnPaint), between BeginPaint and EndPaint.
#pragma once

#include "cwnd.h"

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps;
    HDC m_hDC;
};
