// The string table where the window system keeps no resources of its own: the registered
// module's.
#include "cstring.h"
#include "module.h"

BOOL CString::LoadString(UINT nID) {
    *this = CString(AfxGetModule().FindString(nID));
    return !IsEmpty();
}
