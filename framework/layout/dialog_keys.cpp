#include "dialog_keys.h"

namespace {

KeyAction Command(UINT id, UINT code) {
    return {KeyAction::Command, id, code};
}

KeyAction Focus(int control) {
    return {KeyAction::Focus, 0, 0, control};
}

KeyAction Enter(const ResolvedDialog& dialog, int focused,
                const std::function<bool(int)>& enabled) {
    const auto& controls = dialog.controls;
    if (focused >= 0 && controls[focused].kind == ControlKind::PushButton && enabled(focused)) {
        return Command(controls[focused].id, BN_CLICKED);
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].defaultButton) {
            return enabled(int(i)) ? Command(controls[i].id, BN_CLICKED) : KeyAction();
        }
    }
    return Command(IDOK, BN_CLICKED);
}

KeyAction Tab(const ResolvedDialog& dialog, int focused, int step,
              const std::function<bool(int)>& enabled) {
    const int count = int(dialog.controls.size());
    int at = focused >= 0 ? focused : (step > 0 ? count - 1 : 0);
    for (int n = 0; n < count; ++n) {
        at = (at + step + count) % count;
        if (dialog.controls[at].tabStop && enabled(at)) {
            return Focus(at);
        }
    }
    return {};
}

KeyAction Mnemonic(const ResolvedDialog& dialog, int focused, std::string_view character,
                   const std::function<bool(int)>& enabled) {
    const int count = int(dialog.controls.size());
    for (int n = 1; n <= count && !character.empty(); ++n) {
        const int at = (focused + n + count) % count;
        const ResolvedControl& control = dialog.controls[at];
        if (control.label.mnemonic != character) {
            continue;
        }
        if (control.kind == ControlKind::PushButton) {
            return enabled(at) ? Command(control.id, BN_CLICKED) : KeyAction();
        }
        return control.buddy >= 0 && enabled(control.buddy) ? Focus(control.buddy) : KeyAction();
    }
    return {};
}

} // namespace

KeyAction DialogKeyAction(const ResolvedDialog& dialog, DialogKey key, int focused,
                          const std::function<bool(int)>& enabled, std::string_view character) {
    switch (key) {
    case DialogKey::Enter:
        return Enter(dialog, focused, enabled);
    case DialogKey::Escape:
    case DialogKey::Close:
        return Command(IDCANCEL, BN_CLICKED);
    case DialogKey::Help:
        return Command(ID_HELP, 0);
    case DialogKey::Tab:
        return Tab(dialog, focused, 1, enabled);
    case DialogKey::BackTab:
        return Tab(dialog, focused, -1, enabled);
    case DialogKey::Mnemonic:
        return Mnemonic(dialog, focused, character, enabled);
    }
    return {};
}
