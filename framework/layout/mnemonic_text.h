// A control's or menu item's text as the window system reads it: "&&" stands for "&", and a
// single "&" marks the next character as the mnemonic (Alt+that character reaches the control).
#pragma once

#include <string>
#include <string_view>

struct MnemonicText {
    std::string shown;    // the text without its markers
    std::size_t at = 0;   // the mnemonic's first byte in `shown`, if there is one
    std::string mnemonic; // the mnemonic character (UTF-8), lower case for A-Z; "" if none

    // The shown text around the mnemonic: before it (all of it, without one), the character
    // itself and after it (both empty without one).
    std::string_view Before() const;
    std::string_view Key() const;
    std::string_view After() const;
};

// Reads the markers of `text`; with `noPrefix` (SS_NOPREFIX) an "&" is an ordinary character.
// The first marked character is the mnemonic; a trailing lone "&" is dropped.
MnemonicText ParseMnemonic(std::string_view text, bool noPrefix = false);

// The character a key press with Alt gives, as a mnemonic compares it: lower case for A-Z.
std::string MnemonicKey(std::string_view character);

// The characters that reach `mnemonic` (as MnemonicText gives it) when typed with Alt, by the
// rule MnemonicKey carries out: for a letter A-Z both its cases, else the character alone; ""
// for none. What a window system that compares the keys itself is told.
std::string MnemonicKeys(std::string_view mnemonic);
