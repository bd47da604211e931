// Stepping through UTF-8 text by whole characters, as the layout, the mnemonics and the edit
// boxes do: a character is never cut between its bytes.
#pragma once

#include <cstddef>
#include <string_view>

// Whether `byte` continues a character rather than starting one.
inline bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The length in bytes of the character whose first byte is `lead`.
inline std::size_t Utf8CharacterLength(char lead) {
    const auto byte = static_cast<unsigned char>(lead);
    return byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
}

// The number of characters in `text`.
inline std::size_t Utf8CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text) {
        count += !IsUtf8Continuation(byte);
    }
    return count;
}
