#include "cstring.h"

#include "resources.h"

BOOL CString::LoadString(UINT id) {
    QString::operator=(AfxFindString(id));
    return !isEmpty();
}
