// Painting on a window while it handles WM_PAINT (OnPaint): from construction to destruction,
// with the drawing calls the dialogs use, in a session of the backend's.
#pragma once

#include "afx_backend.h"
#include "cwnd.h"
#include "vocabulary.h"

#include <memory>

class CPaintDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    // The device context, passed where the window system passes one (WM_ICONERASEBKGND).
    HDC GetSafeHdc() const { return m_hDC; }
    // Draws the icon's large image with its top-left corner at (x, y).
    BOOL DrawIcon(int x, int y, HICON hIcon);

private:
    std::unique_ptr<AfxPaintSession> m_session; // its end ends the painting
    HDC m_hDC = nullptr;
};
