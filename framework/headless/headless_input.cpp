#include "headless_input.h"

#include <algorithm>
#include <deque>

namespace {

std::deque<std::function<void()>> g_queue;
std::vector<CDialogWindow*> g_shown; // the active window last
int g_stalls = 0;

HeadlessKey ParseKey(std::string_view text) {
    HeadlessKey key;
    if (text == "+" || text.empty()) {
        key.name = std::string(text);
        return key;
    }
    for (std::size_t plus; (plus = text.find('+')) != std::string_view::npos && plus > 0;) {
        const std::string_view modifier = text.substr(0, plus);
        key.ctrl |= modifier == "Ctrl";
        key.shift |= modifier == "Shift";
        key.alt |= modifier == "Alt";
        text.remove_prefix(plus + 1);
    }
    key.name = text == "Enter" ? "Return" : std::string(text); // Num+Enter: the keypad's
    return key;
}

void Queue(std::function<void()> event) {
    g_queue.push_back(std::move(event));
}

// A key for whichever window is active when its turn comes.
void QueueKey(const HeadlessKey& key) {
    Queue([key]() {
        if (CDialogWindow* window = HeadlessActiveWindow()) {
            window->Key(key);
        }
    });
}

} // namespace

void HeadlessPress(std::string_view keys) {
    while (!keys.empty()) {
        const std::size_t end = std::min(keys.find(", "), keys.size());
        QueueKey(ParseKey(keys.substr(0, end)));
        keys.remove_prefix(std::min(end + 2, keys.size()));
    }
}

void HeadlessType(std::string_view text) {
    HeadlessKey key;
    key.text = std::string(text);
    QueueKey(key);
}

void HeadlessClick(UINT id, const CDialog* in) {
    Queue([id, in]() {
        CDialogWindow* window = HeadlessActiveWindow();
        if (window && (!in || &window->Dialog() == in)) {
            window->Click(window->Layout().IndexOf(id));
        }
    });
}

void HeadlessCloseBox() {
    Queue([]() {
        if (CDialogWindow* window = HeadlessActiveWindow()) {
            window->Dialog().OnWindowMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    });
}

void HeadlessThen(std::function<void()> step) {
    Queue(std::move(step));
}

void HeadlessRun() {
    while (HeadlessStep()) {
    }
}

bool HeadlessStep() {
    if (g_queue.empty()) {
        return false;
    }
    const std::function<void()> event = std::move(g_queue.front());
    g_queue.pop_front();
    event();
    return true;
}

CDialogWindow* HeadlessActiveWindow() {
    return g_shown.empty() ? nullptr : g_shown.back();
}

std::string& HeadlessClipboard() {
    static std::string clipboard;
    return clipboard;
}

int HeadlessStalls() {
    return g_stalls;
}

void HeadlessShown(CDialogWindow* window, bool shown) {
    g_shown.erase(std::remove(g_shown.begin(), g_shown.end(), window), g_shown.end());
    if (shown) {
        g_shown.push_back(window);
    }
}

void HeadlessStalled() {
    ++g_stalls;
}
