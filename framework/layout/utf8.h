// Stepping through UTF-8 text by whole characters, as the layout, the mnemonics and the edit
// boxes do (a character is never cut between its bytes), and writing it, where a window
// system's UTF-16 or code points cross into the framework's UTF-8.
#pragma once

#include <cstddef>
#include <string>
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

// Appends character `c` to `out` in UTF-8.
inline void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
        out += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    } else {
        out += {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    }
}
