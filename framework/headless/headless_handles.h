// The plain objects behind the handles that dialogs hold on the headless backend: a window or a
// control is a HeadlessWindow, a menu a HeadlessMenu, an icon the images of its resource, a
// device context the window painted on.
#pragma once

struct HeadlessWindow;
struct HeadlessMenu;
struct HeadlessIcon;

using HWND = HeadlessWindow*;
using HMENU = HeadlessMenu*;
using HICON = const HeadlessIcon*;
using HCURSOR = HICON;
using HDC = HeadlessWindow*;
