// What carries out commands through a message map: the dialogs and the application object.
#pragma once

#include "message_map.h"
#include "vocabulary.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Carries out notification `nCode` of command or control `nID` as the message map says;
    // TRUE if an entry took it. A dialog passes the commands its map does not take (code 0:
    // menu items, buttons, F1's ID_HELP) on to the application object.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode);

protected:
    // The base of every message map: no entries.
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
