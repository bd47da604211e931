// The program's pictures as the Qt backend loads them, from the registered module.
#pragma once

#include "module.h"

#include <QPixmap>

// The largest image of a bitmap or icon group, decoded once; a null pixmap for none.
QPixmap AfxLoadPicture(const AfxImageResource* image);
