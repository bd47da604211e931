// Message maps: static tables that route a command, a control's notification or a window message
// to a member function of a dialog or of the application object. A class declares its map with
// DECLARE_MESSAGE_MAP() and defines it between BEGIN_MESSAGE_MAP(theClass, baseClass) and
// END_MESSAGE_MAP(). Lookups walk from the most derived map to its bases; the first matching entry
// wins.
//
// Entries:
// - ON_COMMAND, ON_CONTROL and its shorthands: WM_COMMAND with a notification code from a
//   control ID (code 0 for a command: a button, a menu item, ID_HELP), handler void().
// - ON_WM_SYSCOMMAND: every window-menu command, handler void OnSysCommand(UINT nID, LPARAM).
// - ON_WM_PAINT: painting, handler void OnPaint().
// - ON_WM_QUERYDRAGICON: the icon shown while a minimized window is dragged, handler
//   HCURSOR OnQueryDragIcon(); the message's result is the handle.
// Each entry keeps its handler with the handler's own signature, so that it is called as it was
// declared.
#pragma once

#include "vocabulary.h"

#include <variant>

class CCmdTarget;

using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PMSG_WL = void (CCmdTarget::*)(UINT, LPARAM);
using AFX_PMSG_H = HCURSOR (CCmdTarget::*)();
using AfxHandler = std::variant<AFX_PMSG, AFX_PMSG_WL, AFX_PMSG_H>;

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // WM_COMMAND, WM_SYSCOMMAND, WM_PAINT or WM_QUERYDRAGICON; 0 ends the map
    UINT nCode;    // notification code, for WM_COMMAND
    UINT nID;      // control or command ID, for WM_COMMAND
    AfxHandler pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* pBaseMap;
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The entry for `message` (for WM_COMMAND: notification `code` from control `id`), from the most
// derived map to its bases; nullptr if there is none.
inline const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* map, UINT message, UINT code,
                                                   UINT id) {
    for (; map != nullptr; map = map->pBaseMap) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
            if (entry->nMessage == message &&
                (message != WM_COMMAND || (entry->nCode == code && entry->nID == id))) {
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
    { 0, 0, 0, AfxHandler() }                                                                      \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP map = {TheBaseClass::GetMessageMap(), entries};                        \
    return &map;                                                                                   \
    }

// A handler as an entry keeps it; the conversion checks its signature.
#define AFX_HANDLER(type, memberFxn) AfxHandler(static_cast<type>(memberFxn))

#define ON_CONTROL(code, id, memberFxn)                                                            \
    {WM_COMMAND, code, id, AFX_HANDLER(AFX_PMSG, &ThisClass::memberFxn)},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, AFX_HANDLER(AFX_PMSG_WL, &ThisClass::OnSysCommand)},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, AFX_HANDLER(AFX_PMSG, &ThisClass::OnPaint)},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, AFX_HANDLER(AFX_PMSG_H, &ThisClass::OnQueryDragIcon)},
