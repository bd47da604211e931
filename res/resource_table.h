// Every resource of the program, listed once. The framework's lookups (resources.cpp) and
// res_tool, which makes the Windows resource script and the image files from them, both read
// this table.
#pragma once

#include "dialog_template.h"

#include <vector>

struct StringResource {
    UINT id;
    const char* text; // UTF-8
};

struct ImageResource {
    UINT id;
    const char* name;                       // the ID's name, as a resource script writes it
    bool icon;                              // an icon group of several sizes, else a bitmap
    const char* description;                // what it shows, in words, for screen readers
    std::vector<const char* const*> images; // XPM data, largest first
};

struct ResourceTable {
    std::vector<const DialogTemplate*> dialogs;
    std::vector<StringResource> strings;
    std::vector<ImageResource> images;
};

const ResourceTable& ProgramResources();
