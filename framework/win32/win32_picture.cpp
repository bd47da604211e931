#include "win32_picture.h"

#include "scale2x.h"

#include <algorithm>
#include <cstdint>

// The monitor's DPI where the system tells (Windows 10 1607 and later), else the system's.
// Looked up at run time, so that the program still starts on Windows 7.
UINT WindowDpi(HWND hWnd) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        return getDpiForWindow(hWnd);
    }
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return UINT(dpi);
}

namespace {

using Pixels = std::vector<std::uint32_t>; // 0x00RRGGBB, rows top-down

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 24-bit bitmap of `width` x `height` made from the pixels, reduced with halftone averaging
// where it is smaller than they are. 24 bits: the visual-style static control would read a
// 32-bit bitmap's empty alpha channel as transparency.
HBITMAP Rendition(const Pixels& pixels, int fromWidth, int fromHeight, int width, int height) {
    const HDC screen = ::GetDC(nullptr);
    const HDC from = ::CreateCompatibleDC(screen);
    const HDC to = ::CreateCompatibleDC(screen);
    BITMAPINFO source = TopDown32(fromWidth, fromHeight);
    void* sourceBits = nullptr;
    const HBITMAP sourceBitmap =
        ::CreateDIBSection(screen, &source, DIB_RGB_COLORS, &sourceBits, nullptr, 0);
    BITMAPINFO target = TopDown32(width, height);
    target.bmiHeader.biBitCount = 24;
    void* targetBits = nullptr;
    const HBITMAP targetBitmap =
        ::CreateDIBSection(screen, &target, DIB_RGB_COLORS, &targetBits, nullptr, 0);
    if (sourceBitmap != nullptr && targetBitmap != nullptr) {
        std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(sourceBits));
        const HGDIOBJ oldFrom = ::SelectObject(from, sourceBitmap);
        const HGDIOBJ oldTo = ::SelectObject(to, targetBitmap);
        ::SetStretchBltMode(to, HALFTONE);
        ::SetBrushOrgEx(to, 0, 0, nullptr);
        ::StretchBlt(to, 0, 0, width, height, from, 0, 0, fromWidth, fromHeight, SRCCOPY);
        ::SelectObject(to, oldTo);
        ::SelectObject(from, oldFrom);
    }
    if (sourceBitmap != nullptr) {
        ::DeleteObject(sourceBitmap);
    }
    ::DeleteDC(to);
    ::DeleteDC(from);
    ::ReleaseDC(nullptr, screen);
    return targetBitmap;
}

// The bitmap scaled to `dpi`, or nullptr where it cannot be read.
HBITMAP ScaledBitmap(HBITMAP bitmap, UINT dpi) {
    BITMAP size{};
    if (::GetObjectW(bitmap, sizeof size, &size) == 0 || size.bmWidth <= 0 || size.bmHeight <= 0) {
        return nullptr;
    }
    int width = size.bmWidth, height = size.bmHeight;
    Pixels pixels(std::size_t(width) * std::size_t(height));
    BITMAPINFO info = TopDown32(width, height);
    const HDC screen = ::GetDC(nullptr);
    const int rows =
        ::GetDIBits(screen, bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    if (rows != height) {
        return nullptr;
    }
    const int wantWidth = ::MulDiv(width, int(dpi), 96),
              wantHeight = ::MulDiv(height, int(dpi), 96);
    while (width < wantWidth) {
        pixels = Scale2x(pixels, width, height);
        width *= 2;
        height *= 2;
    }
    return Rendition(pixels, width, height, wantWidth, wantHeight);
}

bool IsPicture(HWND control) {
    wchar_t className[16] = {};
    ::GetClassNameW(control, className, 16);
    const LONG_PTR style = ::GetWindowLongPtrW(control, GWL_STYLE);
    return ::lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_BITMAP;
}

} // namespace

void ScalePicturesToDpi(HWND hDlg, UINT dpi, std::vector<ScaledPicture>& pictures) {
    for (HWND child = ::GetWindow(hDlg, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPicture(child)) {
            continue;
        }
        auto kept =
            std::find_if(pictures.begin(), pictures.end(), [child](const ScaledPicture& picture) {
                return picture.control == child;
            });
        const HBITMAP original =
            kept != pictures.end()
                ? kept->original
                : reinterpret_cast<HBITMAP>(::SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        const HBITMAP rendition = dpi > 96 && original ? ScaledBitmap(original, dpi) : nullptr;
        if (kept == pictures.end()) {
            if (rendition == nullptr) {
                continue; // the control keeps the bitmap it loaded
            }
            kept = pictures.insert(pictures.end(), ScaledPicture{child, original, nullptr});
        }
        // The control sizes itself to the bitmap. The one it hands back is the original or the
        // rendition it showed, which goes now.
        ::SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP,
                       reinterpret_cast<LPARAM>(rendition ? rendition : original));
        if (kept->rendition != nullptr) {
            ::DeleteObject(kept->rendition);
        }
        kept->rendition = rendition;
    }
}

void DeletePictures(std::vector<ScaledPicture>& pictures) {
    for (const ScaledPicture& picture : pictures) {
        if (picture.rendition != nullptr) {
            ::DeleteObject(picture.rendition);
        }
        ::DeleteObject(picture.original);
    }
    pictures.clear();
}
