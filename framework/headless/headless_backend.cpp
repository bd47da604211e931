// The headless window system: the backend's calls on handles, which are plain objects.
#include "headless_backend.h"

#include "module.h"

#include <map>

namespace {

// Painting records what it draws on the window.
class HeadlessPaint : public AfxPaintSession {
public:
    explicit HeadlessPaint(HeadlessWindow* window) : m_window(window) {}
    HDC Device() const override { return m_window; }
    BOOL DrawIcon(int x, int y, HICON icon) override {
        m_window->drawn.push_back({x, y, icon});
        return TRUE;
    }

private:
    HeadlessWindow* m_window;
};

class HeadlessBackend final : public AfxLaidOutBackend {
public:
    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (window->control == nullptr) {
            return window->window->Dialog().OnWindowMessage(message, wParam, lParam);
        }
        HeadlessWindow& box = *window;
        if (box.control->kind != ControlKind::EditBox) {
            return 0;
        }
        if (message == EM_SETSEL) {
            // The caret goes to the end of the selection, as the window system puts it.
            box.anchor = std::min(std::size_t(wParam), box.text.size());
            box.caret =
                lParam < 0 ? box.text.size() : std::min(std::size_t(lParam), box.text.size());
        } else if (message == WM_COPY && box.anchor != box.caret) {
            HeadlessClipboard() = box.Selection();
        }
        return 0;
    }
    BOOL IsIconic(HWND window) override {
        return window->control == nullptr && window->window->Minimized();
    }
    CRect GetClientRect(HWND window) override {
        const ResolvedDialog& layout = window->window->Layout();
        return window->control
                   ? CRect{0, 0, window->control->rect.Width(), window->control->rect.Height()}
                   : CRect{0, 0, layout.width, layout.height};
    }
    std::string GetWindowText(HWND window) override { return window->text; }
    void SetWindowText(HWND window, const std::string& text) override {
        window->text = text;
        if (window->control && window->control->kind == ControlKind::EditBox) {
            // The program's setting: one change, reported.
            window->anchor = window->caret = text.size();
            ++window->writes;
            window->window->Notify(window->index, EN_UPDATE);
        }
    }
    BOOL EnableWindow(HWND window, BOOL enable) override {
        const bool wasDisabled = !window->enabled;
        window->enabled = enable;
        return wasDisabled;
    }
    BOOL IsWindowEnabled(HWND window) override { return window->enabled; }
    HWND GetDlgItem(HWND dialog, UINT id) override {
        return dialog->control ? nullptr : dialog->window->Control(id);
    }
    BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) override {
        const bool separator = flags & MF_SEPARATOR;
        menu->items.push_back({separator, separator ? 0 : UINT(id), ParseMnemonic(text)});
        return TRUE;
    }
    std::unique_ptr<AfxPaintSession> BeginPaint(HWND window) override {
        return std::make_unique<HeadlessPaint>(window);
    }
    HICON LoadIcon(UINT id) override {
        // Kept in a map whose elements never move, so that an HICON stays valid.
        static std::map<UINT, HeadlessIcon> loaded;
        const AfxImageResource* resource = AfxGetModule().FindImage(id);
        return resource ? &loaded.emplace(id, HeadlessIcon{resource}).first->second : nullptr;
    }

protected:
    std::unique_ptr<AfxDialogWindow> MakeLaidOutWindow(AfxDialogSite& dialog,
                                                       const DialogTemplate& t) override {
        return std::make_unique<HeadlessDialogWindow>(dialog, t);
    }
};

} // namespace

AfxBackend& AfxGetBackend() {
    static HeadlessBackend backend;
    return backend;
}
