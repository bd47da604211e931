// The program's resources, looked up by ID as the window system looks them up in an
// executable. The framework declares the lookups; the program's res/ folder defines them.
#pragma once

#include "dialog_template.h"

#include <vector>

// The template with this ID, or nullptr.
const DialogTemplate* AfxFindDialogTemplate(UINT id);

// The string table entry with this ID in UTF-8, or the empty text.
const char* AfxFindString(UINT id);

// What an icon or picture shows, in words, for those who cannot see it; empty if unknown.
const char* AfxFindImageText(UINT id);

// The images of an icon group or a bitmap, as XPM data, largest first; empty if there is none.
std::vector<const char* const*> AfxFindImages(UINT id);
