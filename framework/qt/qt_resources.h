// The program's resources as the Qt backend loads them, from the tables compiled into the
// program (resources.h): strings (CString::LoadString), icons (AfxLoadIcon) and pictures.
#pragma once

#include "win_defs.h"

#include <QPixmap>

// The largest image of bitmap or icon group nID, decoded once; a null pixmap if there is none.
QPixmap AfxLoadPicture(UINT nID);
