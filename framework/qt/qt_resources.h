// The program's images as the Qt backend loads them, from the registered module: icons
// (AfxLoadIcon) and pictures.
#pragma once

#include "module.h"

#include <QPixmap>

// The largest image of a bitmap or icon group, decoded once; a null pixmap for none.
QPixmap AfxLoadPicture(const AfxImageResource* image);
