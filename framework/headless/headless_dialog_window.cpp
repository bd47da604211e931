#include "headless_backend.h"

#include "module.h"
#include "utf8.h"

#include <algorithm>

namespace {

std::function<bool()> g_input;
std::vector<HeadlessDialogWindow*> g_shown; // the active window last

// The headless font: every character 6 pixels wide, lines 13 pixels high, so that layouts come
// out the same on every machine.
class HeadlessTextMetrics : public TextMetrics {
public:
    int TextWidth(std::string_view text) const override {
        return 6 * int(Utf8CharacterCount(text));
    }

protected:
    double LetterAdvance(char) const override { return 6; }
    int LineHeight() const override { return 13; }
};

void Listed(HeadlessDialogWindow* window, bool shown) {
    g_shown.erase(std::remove(g_shown.begin(), g_shown.end(), window), g_shown.end());
    if (shown) {
        g_shown.push_back(window);
    }
}

} // namespace

HeadlessDialogWindow::HeadlessDialogWindow(AfxDialogSite& dialog,
                                           const DialogTemplate& dialogTemplate)
    : AfxLaidOutWindow(dialog, AfxResolve(dialogTemplate, HeadlessTextMetrics(), "headless")),
      m_controls(Layout().controls.size()) {
    m_self.window = this;
    m_self.text = Layout().caption;
    std::vector<HWND> handles;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        HeadlessWindow& control = m_controls[i];
        control.window = this;
        control.control = &Layout().controls[i];
        control.index = int(i);
        control.text = control.control->kind == ControlKind::EditBox ? "" : control.control->text;
        handles.push_back(&control);
    }
    SetControls(std::move(handles));
    dialog.Attach(&m_self);
}

HeadlessDialogWindow::~HeadlessDialogWindow() {
    Listed(this, false);
    Dialog().Attach(nullptr);
}

void HeadlessDialogWindow::Show(bool) {
    m_menu = HeadlessMenu();
    m_shown = true;
    m_minimized = false;
    Listed(this, true);
}

void HeadlessDialogWindow::Hide() {
    m_shown = false;
    Listed(this, false);
}

void HeadlessDialogWindow::RunEvents() {
    while (Running()) {
        if (!g_input || !g_input()) {
            End(-1);
        }
    }
}

HMENU HeadlessDialogWindow::MakeMenu() {
    m_menu = HeadlessMenu();
    return &m_menu;
}

void HeadlessDialogWindow::Focus(int index, bool fromKey) {
    m_focus = index;
    HeadlessWindow& control = m_controls[std::size_t(index)];
    if (control.control->kind == ControlKind::EditBox) {
        control.anchor = fromKey ? 0 : control.text.size();
        control.caret = control.text.size();
    }
}

void HeadlessDialogWindow::Minimize() {
    m_minimized = true;
    Paint();
}

void HeadlessDialogWindow::Paint() {
    m_self.drawn.clear();
    Dialog().OnWindowMessage(WM_PAINT, 0, 0);
}

void HeadlessSetInput(std::function<bool()> next) {
    g_input = std::move(next);
}

HeadlessDialogWindow* HeadlessActiveWindow() {
    return g_shown.empty() ? nullptr : g_shown.back();
}

std::string& HeadlessClipboard() {
    static std::string clipboard;
    return clipboard;
}
