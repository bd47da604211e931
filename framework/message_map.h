// Message maps: static tables that route a command, a control's notification or a system command
// to a member function of a dialog or of the application object. A class declares its map with
// DECLARE_MESSAGE_MAP() and defines it between BEGIN_MESSAGE_MAP(theClass, baseClass) and
// END_MESSAGE_MAP(). Lookups walk from the most derived map to its bases; the first matching entry
// wins.
#pragma once

#include "win_defs.h"

class CCmdTarget;

using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PMSG_SYSCOMMAND = void (CCmdTarget::*)(UINT, LPARAM);

struct AFX_MSGMAP_ENTRY {
    UINT message; // WM_COMMAND, WM_SYSCOMMAND, WM_PAINT or WM_QUERYDRAGICON; 0 ends it
    UINT code;    // notification code, for WM_COMMAND
    UINT id;      // control ID, for WM_COMMAND
    AFX_PMSG onCommand;
    AFX_PMSG_SYSCOMMAND onSysCommand;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* base;
    const AFX_MSGMAP_ENTRY* entries;
};

// The entry for a command (`code` from control `id`) or, for WM_SYSCOMMAND, the window-menu
// handler, from the most derived map to its bases; nullptr if there is none.
inline const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                                   UINT id) {
    for (; map != nullptr; map = map->base) {
        for (const AFX_MSGMAP_ENTRY* entry = map->entries; entry->message != 0; ++entry) {
            if (entry->message == message &&
                (message != WM_COMMAND || (entry->code == code && entry->id == id))) {
                return entry;
            }
        }
    }
    return nullptr;
}

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, nullptr, nullptr }                                                                  \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP map = {TheBaseClass::GetMessageMap(), entries};                        \
    return &map;                                                                                   \
    }

#define ON_CONTROL(code, id, memberFxn)                                                            \
    {WM_COMMAND, code, id, static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},

// Painting, and the icon a minimized window shows while it is dragged (the dialog's virtual
// OnQueryDragIcon, which the entry switches on).
#define ON_WM_PAINT() {WM_PAINT, 0, 0, static_cast<AFX_PMSG>(&ThisClass::OnPaint), nullptr},
#define ON_WM_QUERYDRAGICON() {WM_QUERYDRAGICON, 0, 0, nullptr, nullptr},

#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, nullptr, static_cast<AFX_PMSG_SYSCOMMAND>(&ThisClass::OnSysCommand)},
