#include "ccmdtarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    if (const AFX_MSGMAP_ENTRY* entry =
            AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, nCode, nID)) {
        (this->*std::get<AFX_PMSG>(entry->pfn))();
        return TRUE;
    }
    return FALSE;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxHandler()}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}
