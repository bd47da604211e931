#include "headless_driver.h"

#include <algorithm>
#include <deque>

namespace {

std::deque<std::function<void()>> g_queue;
int g_stalls = 0;

// Carries out the next queued event: false, and a stall counted, where there is none.
bool Step() {
    if (g_queue.empty()) {
        ++g_stalls;
        return false;
    }
    const std::function<void()> event = std::move(g_queue.front());
    g_queue.pop_front();
    event();
    return true;
}

void Queue(std::function<void()> event) {
    static const bool fed = (HeadlessSetInput(Step), true);
    (void)fed;
    g_queue.push_back(std::move(event));
}

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

// The keys of an open window menu: Up, Down, Home and End move, Return chooses, a mnemonic
// chooses its item, Esc closes it. True if the menu took the key.
bool MenuKey(HeadlessDialogWindow& window, const HeadlessKey& key) {
    HeadlessMenu& menu = window.Menu();
    if (!menu.open) {
        return false;
    }
    const int count = int(menu.items.size());
    const std::string& name = key.name;
    UINT chosen = 0;
    if (name == "Up" || name == "Down" || name == "Home" || name == "End") {
        int at = name == "Home" ? -1 : name == "End" ? count : menu.highlighted;
        const int step = (name == "Up" || name == "End") ? -1 : 1;
        do {
            at = (at + step + count) % count;
        } while (menu.items[std::size_t(at)].separator);
        menu.highlighted = at;
        return true;
    }
    if (name == "Return" && menu.highlighted >= 0) {
        chosen = menu.items[std::size_t(menu.highlighted)].command;
    }
    for (const HeadlessMenuItem& item : menu.items) {
        if (!item.separator && !key.alt && item.text.mnemonic == MnemonicKey(name)) {
            chosen = item.command;
        }
    }
    menu.open = chosen == 0 && name != "Esc" && name != "Return";
    if (chosen != 0) {
        window.Command(chosen);
    }
    return true;
}

// A key pressed while `window` is the active one.
void Key(HeadlessDialogWindow& window, const HeadlessKey& key) {
    if (MenuKey(window, key)) {
        return;
    }
    const std::string& name = key.name;
    const int focus = window.Focused();
    const ResolvedControl* focused = focus >= 0 ? &window.Layout().controls[focus] : nullptr;
    if (key.alt && !key.ctrl && name == "Space" && window.SystemMenu()) {
        window.Menu().open = true;
        window.Menu().highlighted = 0;
    } else if (key.alt && !key.ctrl) {
        window.Key(DialogKey::Mnemonic, focus, name);
    } else if (!key.ctrl && name == "Tab") {
        window.Key(key.shift ? DialogKey::BackTab : DialogKey::Tab, focus);
    } else if (!key.ctrl && (name == "Return" || name == "Esc" || name == "F1")) {
        window.Key(name == "Return" ? DialogKey::Enter
                   : name == "Esc"  ? DialogKey::Escape
                                    : DialogKey::Help,
                   focus);
    } else if (focused && focused->kind == ControlKind::EditBox) {
        if (EditKey(window.At(focus), key)) {
            window.Notify(focus, EN_UPDATE);
        }
    } else if (focused && focused->kind == ControlKind::PushButton && name == "Space" &&
               !key.ctrl) {
        window.Notify(focus, BN_CLICKED);
    }
}

// A key for whichever window is active when its turn comes.
void QueueKey(const HeadlessKey& key) {
    Queue([key]() {
        if (HeadlessDialogWindow* window = HeadlessActiveWindow()) {
            Key(*window, key);
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

void HeadlessClick(UINT id, const HeadlessDialogWindow* in) {
    Queue([id, in]() {
        HeadlessDialogWindow* window = HeadlessActiveWindow();
        if (!window || (in && window != in)) {
            return;
        }
        HeadlessMenu& menu = window->Menu();
        const int index = window->Layout().IndexOf(id);
        if (index < 0 || !window->At(index).enabled || menu.open) {
            menu.open = false;
            return;
        }
        const ControlKind kind = window->Layout().controls[index].kind;
        if (kind == ControlKind::EditBox || kind == ControlKind::PushButton) {
            window->Focus(index, false);
        }
        if (kind == ControlKind::PushButton) {
            window->Notify(index, BN_CLICKED);
        }
    });
}

void HeadlessCloseBox() {
    Queue([]() {
        if (HeadlessDialogWindow* window = HeadlessActiveWindow()) {
            window->Command(SC_CLOSE);
        }
    });
}

void HeadlessThen(std::function<void()> step) {
    Queue(std::move(step));
}

void HeadlessRun() {
    while (!g_queue.empty()) {
        Step();
    }
}

int HeadlessStalls() {
    return g_stalls;
}
