#include "cstring.h"

#include "resources.h"

BOOL CString::LoadString(UINT id) {
    QString::operator=(QString::fromUtf8(AfxFindString(id)));
    return !isEmpty();
}
