#include "mnemonic_text.h"

#include "utf8.h"

std::string_view MnemonicText::Before() const {
    return std::string_view(shown).substr(0, mnemonic.empty() ? shown.size() : at);
}

std::string_view MnemonicText::Key() const {
    return mnemonic.empty() ? std::string_view()
                            : std::string_view(shown).substr(at, Utf8CharacterLength(shown[at]));
}

std::string_view MnemonicText::After() const {
    return mnemonic.empty() ? std::string_view()
                            : std::string_view(shown).substr(at + Key().size());
}

MnemonicText ParseMnemonic(std::string_view text, bool noPrefix) {
    MnemonicText out;
    out.shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&' || noPrefix) {
            out.shown += text[i];
            continue;
        }
        if (++i == text.size()) {
            break;
        }
        if (text[i] != '&' && out.mnemonic.empty()) {
            out.at = out.shown.size();
            out.mnemonic = MnemonicKey(text.substr(i, Utf8CharacterLength(text[i])));
        }
        out.shown += text[i];
    }
    return out;
}

std::string MnemonicKey(std::string_view character) {
    std::string key(character);
    if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'Z') {
        key[0] = char(key[0] - 'A' + 'a');
    }
    return key;
}

std::string MnemonicKeys(std::string_view mnemonic) {
    std::string keys(mnemonic);
    if (keys.size() == 1 && keys[0] >= 'a' && keys[0] <= 'z') {
        keys += char(keys[0] - 'a' + 'A');
    }
    return keys;
}
