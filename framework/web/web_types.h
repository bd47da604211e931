// The web backend's vocabulary: the portable values, and the page's elements behind the handles
// that dialogs hold. A window, a control and a menu are each a WebNode, an element of the page;
// an icon is its decoded images, which live as long as the program; a device context is the
// element painted on.
#pragma once

#include "win_values.h"

struct WebNode;
struct WebIcon;

using HWND = WebNode*;
using HMENU = WebNode*;
using HICON = const WebIcon*;
using HCURSOR = HICON;
using HDC = WebNode*;
