// The Qt objects behind the handles that dialogs hold: a window is its widget, a menu its QMenu,
// an icon a QIcon that lives as long as the application, a device context the painter of the
// paint event at hand.
#pragma once

class QIcon;
class QMenu;
class QPainter;
class QWidget;

using HWND = QWidget*;
using HMENU = QMenu*;
using HICON = const QIcon*;
using HCURSOR = HICON;
using HDC = QPainter*;
