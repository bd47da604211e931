// The page as a window system: the backend's calls on handles, which are the page's elements,
// reached through the backend's JavaScript library. Texts cross as UTF-8.
#include "web_backend.h"

#include "web_markup.h"
#include "web_resources.h"

#include <cstdlib>

namespace {

// The control's layout, or nullptr for a window.
const ResolvedControl* Resolved(const WebNode* node) {
    return node->control < 0 ? nullptr : &node->dialog->Layout().controls[node->control];
}

// Drawing goes onto the window's client area, over its controls.
class WebPaint : public AfxPaintSession {
public:
    explicit WebPaint(WebNode* window) : m_window(window) {}
    HDC Device() const override { return m_window; }
    BOOL DrawIcon(int x, int y, HICON icon) override {
        const Image* image = icon->Largest();
        if (image == nullptr) {
            return FALSE;
        }
        web_paint(m_window->window, x, y, image->width, image->height,
                  reinterpret_cast<const std::uint8_t*>(image->pixels.data()));
        return TRUE;
    }

private:
    WebNode* m_window;
};

class WebBackend final : public AfxLaidOutBackend {
public:
    LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (window->control < 0) {
            return window->dialog->Dialog().OnWindowMessage(message, wParam, lParam);
        }
        if (message == EM_SETSEL) {
            // The caret goes to the end of the selection, as the window system puts it.
            web_edit_select(window->window, window->control, int(wParam),
                            lParam < 0 ? -1 : int(lParam));
        } else if (message == WM_COPY) {
            web_edit_copy(window->window, window->control);
        }
        // EM_SCROLLCARET: selecting already brings the caret into view.
        return 0;
    }
    // A page is never shown as an icon: a hidden tab is not painted at all.
    BOOL IsIconic(HWND) override { return FALSE; }
    CRect GetClientRect(HWND window) override {
        int width = 0;
        int height = 0;
        web_client_size(window->window, &width, &height);
        return CRect{0, 0, width, height};
    }
    std::string GetWindowText(HWND window) override {
        const ResolvedControl* control = Resolved(window);
        if (control && control->kind != ControlKind::EditBox) {
            return window->text; // the page shows it without its markers
        }
        char* text = web_get_text(window->window, window->control);
        std::string copy(text);
        std::free(text);
        return copy;
    }
    void SetWindowText(HWND window, const std::string& text) override {
        const ResolvedControl* control = Resolved(window);
        if (!control || control->kind == ControlKind::EditBox) {
            web_set_text(window->window, window->control, text.c_str());
            // What the program shows in a box the reader cannot type into is a result: said
            // once, with the box's name. Data exchange sets only the texts that change.
            if (control && control->readOnly && !text.empty() && window->dialog->Speaking()) {
                const bool colon = !control->name.empty() && control->name.back() == ':';
                web_announce(window->window, (control->name + (colon ? " " : ": ") + text).c_str());
            }
            return;
        }
        window->text = text;
        const MnemonicText label = ParseMnemonic(text, control->noPrefix);
        web_set_label(window->window, window->control, WebLabelMarkup(label).c_str(),
                      MnemonicKeys(label.mnemonic).c_str());
    }
    BOOL EnableWindow(HWND window, BOOL enable) override {
        const bool wasDisabled = !web_enabled(window->window, window->control);
        web_enable(window->window, window->control, enable);
        return wasDisabled;
    }
    BOOL IsWindowEnabled(HWND window) override {
        return web_enabled(window->window, window->control);
    }
    HWND GetDlgItem(HWND dialog, UINT id) override {
        return dialog->control < 0 ? dialog->dialog->Control(id) : nullptr;
    }
    // Choosing an item sends its command ID to the window's dialog as WM_SYSCOMMAND.
    BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR id, const std::string& text) override {
        const MnemonicText label = ParseMnemonic(text);
        web_menu_append(menu->window, (flags & MF_SEPARATOR) != 0, int(id),
                        WebLabelMarkup(label).c_str(), MnemonicKeys(label.mnemonic).c_str());
        return TRUE;
    }
    std::unique_ptr<AfxPaintSession> BeginPaint(HWND window) override {
        return std::make_unique<WebPaint>(window);
    }
    HICON LoadIcon(UINT id) override { return WebLoadImages(id); }

protected:
    std::unique_ptr<AfxDialogWindow> MakeLaidOutWindow(AfxDialogSite& dialog,
                                                       const DialogTemplate& t) override {
        return std::make_unique<WebDialogWindow>(dialog, t);
    }
};

} // namespace

AfxBackend& AfxGetBackend() {
    static WebBackend backend;
    return backend;
}
