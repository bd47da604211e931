// The program's string table: the texts it loads by ID, UTF-8. Shared by the Qt build's string
// lookup and the Windows resource script, which is made from it.
#pragma once

#include "win_defs.h"

#include <cstddef>

struct StringTableEntry {
    UINT id;
    const char* text;
};

extern const StringTableEntry kStringTable[];
extern const std::size_t kStringTableSize;

// The text with this ID, or nullptr.
const char* FindStringTableText(UINT id);
