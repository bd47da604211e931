// The Win32 window system: the backend's calls are the system's own, on its handles.
#include "win32_backend.h"

#include "win32_text.h"

#include <commctrl.h>

namespace {

// Painting between BeginPaint and EndPaint.
class Win32Paint : public AfxPaintSession {
public:
    explicit Win32Paint(HWND window) : m_window(window), m_dc(::BeginPaint(window, &m_paint)) {}
    ~Win32Paint() override { ::EndPaint(m_window, &m_paint); }
    HDC Device() const override { return m_dc; }
    BOOL DrawIcon(int x, int y, HICON icon) override { return ::DrawIcon(m_dc, x, y, icon); }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
};

class Win32Backend final : public AfxBackend {
public:
    std::unique_ptr<AfxDialogWindow> MakeWindow(AfxDialogSite& dialog) override {
        // The dialog manager makes the window from the template when it opens.
        return std::make_unique<Win32DialogWindow>(dialog);
    }
    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        return ::SendMessageW(window, message, wParam, lParam);
    }
    BOOL IsIconic(HWND window) override { return ::IsIconic(window); }
    CRect GetClientRect(HWND window) override {
        RECT rect{};
        ::GetClientRect(window, &rect);
        return CRect{int(rect.left), int(rect.top), int(rect.right), int(rect.bottom)};
    }
    std::string GetWindowText(HWND window) override {
        const int length = ::GetWindowTextLengthW(window);
        std::wstring text(std::size_t(length) + 1, L'\0');
        const int copied = ::GetWindowTextW(window, text.data(), length + 1);
        return Narrow(text.data(), copied);
    }
    void SetWindowText(HWND window, const std::string& text) override {
        ::SetWindowTextW(window, Widen(text).c_str());
    }
    BOOL EnableWindow(HWND window, BOOL enable) override { return ::EnableWindow(window, enable); }
    BOOL IsWindowEnabled(HWND window) override { return ::IsWindowEnabled(window); }
    HWND GetDlgItem(HWND dialog, UINT id) override { return ::GetDlgItem(dialog, int(id)); }
    BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) override {
        const std::wstring wide = Widen(text);
        return ::AppendMenuW(menu, flags, id, (flags & MF_SEPARATOR) ? nullptr : wide.c_str());
    }
    std::unique_ptr<AfxPaintSession> BeginPaint(HWND window) override {
        return std::make_unique<Win32Paint>(window);
    }
    HICON LoadIcon(UINT id) override {
        return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    }
    std::string LoadString(UINT id) override {
        // With a buffer size of 0 the system hands out the read-only resource text itself.
        const wchar_t* text = nullptr;
        const int length =
            ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
        return length > 0 ? Narrow(text, length) : std::string();
    }
    int GetSystemMetrics(int index) override { return ::GetSystemMetrics(index); }
    BOOL Enable3dControls() override {
        // Today's equivalent of the three-dimensional look: the common controls of version 6,
        // which the application manifest asks for, drawn in the system's visual style. Registers
        // the standard control classes the dialogs use.
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&controls);
    }
    int Start(int, char*[], int (*run)()) override { return run(); }
    int Run() override {
        MSG message{};
        BOOL got;
        while ((got = ::GetMessageW(&message, nullptr, 0, 0)) > 0) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        // WM_QUIT carries the exit code; a failing GetMessage carries none.
        return got == 0 ? int(message.wParam) : 1;
    }
};

} // namespace

AfxBackend& AfxGetBackend() {
    static Win32Backend backend;
    return backend;
}
