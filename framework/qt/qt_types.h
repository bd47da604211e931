// The Qt backend's vocabulary: the portable values, and the Qt objects behind the handles that
// dialogs hold. A window is its widget, a menu its QMenu, an icon a QIcon that lives as long as
// the application, a device context the painter of the paint event at hand.
#pragma once

#include "win_values.h"

class QIcon;
class QMenu;
class QPainter;
class QWidget;

using HWND = QWidget*;
using HMENU = QMenu*;
using HICON = const QIcon*;
using HCURSOR = HICON;
using HDC = QPainter*;
