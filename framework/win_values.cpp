// The system metrics of the window systems other than Windows: a large icon is 32 pixels.
#include "win_defs.h"

int GetSystemMetrics(int nIndex) {
    return (nIndex == SM_CXICON || nIndex == SM_CYICON) ? 32 : 0;
}
