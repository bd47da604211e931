// What a program hands the dialog layer at start-up (AfxRegisterModule): its name, version and
// application id, and its resources, looked up by ID as the window system looks them up in an
// executable: dialog templates, the string table, icons and pictures as XPM pixel art.
//
// The Win32 backend takes strings, icons and templates from the executable's own resources
// instead, which the resource tool makes from the same module.
#pragma once

#include "dialog_template.h"

#include <vector>

struct AfxStringResource {
    UINT id;
    const char* text; // UTF-8
};

struct AfxImageResource {
    UINT id;
    const char* name;                       // the ID's name, as a resource script writes it
    bool icon;                              // an icon group of several sizes, else a bitmap
    const char* description;                // what it shows, in words, for screen readers
    std::vector<const char* const*> images; // XPM data, largest first
};

struct AfxModule {
    const char* name = "";    // the application's name, as a desktop shows it
    const char* appId = "";   // reverse-DNS id: the desktop entry's base name, a Wayland app id
    const char* version = ""; // four dot-separated numbers
    std::vector<const DialogTemplate*> dialogs;
    std::vector<AfxStringResource> strings;
    std::vector<AfxImageResource> images;

    // The template, string or image with this ID; nullptr (for a string "") if there is none.
    const DialogTemplate* FindDialog(UINT id) const;
    const char* FindString(UINT id) const;
    const AfxImageResource* FindImage(UINT id) const;
};

// Makes `module` the program's, for the rest of the process. The program calls it before its
// first dialog opens, typically from its application object's constructor.
void AfxRegisterModule(const AfxModule* module);

// The registered module, or an empty one (no name, no resources) before registration.
const AfxModule& AfxGetModule();
// A number that changes with every registration: what is made from the registered module and
// kept is made anew once it changes.
unsigned AfxModuleGeneration();
