// CPaintDC on the page: drawing goes onto the window's client area, over its controls.
#include "cpaintdc.h"

#include "web_dom.h"
#include "web_resources.h"

struct CPaintDC::Session {};

CPaintDC::CPaintDC(CWnd* pWnd) : m_session(std::make_unique<Session>()) {
    m_hDC = pWnd->m_hWnd;
}

CPaintDC::~CPaintDC() = default;

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    const Image* image = hIcon ? hIcon->Largest() : nullptr;
    if (image == nullptr || m_hDC == nullptr) {
        return FALSE;
    }
    web_paint(m_hDC->window, x, y, image->width, image->height,
              reinterpret_cast<const std::uint8_t*>(image->pixels.data()));
    return TRUE;
}
