#include "string_table.h"

#include "resource.h"

#include <iterator>

const StringTableEntry kStringTable[] = {
    {IDS_ABOUT_MENU, "&About Varnholt..."},
};
const std::size_t kStringTableSize = std::size(kStringTable);

const char* FindStringTableText(UINT id) {
    for (const StringTableEntry& entry : kStringTable) {
        if (entry.id == id) {
            return entry.text;
        }
    }
    return nullptr;
}
