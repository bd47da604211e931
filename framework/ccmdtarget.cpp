#include "ccmdtarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    if (const AFX_MSGMAP_ENTRY* entry =
            AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, nCode, nID)) {
        (this->*entry->onCommand)();
        return TRUE;
    }
    return FALSE;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}
