// The page's elements behind the handles that dialogs hold on the web backend: a window or a
// control is a WebNode, a menu its window's menu element, an icon its decoded images, which live
// as long as the program; a device context is the window painted on.
#pragma once

struct WebNode;
struct WebIcon;

using HWND = WebNode*;
using HMENU = WebNode*;
using HICON = const WebIcon*;
using HCURSOR = HICON;
using HDC = WebNode*;
