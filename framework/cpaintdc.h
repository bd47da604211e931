// Painting on a window while it handles WM_PAINT (OnPaint): from construction to destruction,
// with the drawing calls the dialogs use. Defined by the backend.
#pragma once

#include "cwnd.h"
#include "win_defs.h"

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
    struct Session; // what the window system keeps between the start and the end of painting
    std::unique_ptr<Session> m_session;
    HDC m_hDC = nullptr;
};
