// The vocabulary dialog templates and dialogs are written in: types, handles, style bits,
// dialog results, messages, notification codes and system commands, with the values of the
// Windows SDK, so that templates keep their familiar style words. Everything of the dialog layer
// includes this header and no other for them:
// - built for Windows (AFX_WINDOWS, which the Win32 backend's target defines), it is the
//   system's own headers;
// - elsewhere it is the values below, and the backend names its handle types (HWND, HMENU,
//   HICON, HCURSOR, HDC) in the header AFX_HANDLES names, which its target defines;
// - the layout library and the build's tools, built for no window system, have no handles.
#pragma once

#ifdef AFX_WINDOWS

#include <windows.h>

// The ID of controls that are never addressed, as resource scripts write it.
#ifndef IDC_STATIC
#define IDC_STATIC 0xFFFF
#endif

#else

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
// As Windows' own, where the program is built for Windows: the same types on both sides.
#ifdef _WIN32
using DWORD = unsigned long;
#else
using DWORD = std::uint32_t;
#endif
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

#define TRUE 1
#define FALSE 0

// Window styles.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

// Dialog styles.
constexpr DWORD DS_SETFONT = 0x0040;
constexpr DWORD DS_MODALFRAME = 0x0080;

// Button styles.
constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_GROUPBOX = 0x0007;
constexpr DWORD BS_TYPEMASK = 0x000F;

// Static control styles.
constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_ICON = 0x0003;
constexpr DWORD SS_BITMAP = 0x000E;
constexpr DWORD SS_NOPREFIX = 0x0080;
constexpr DWORD SS_SUNKEN = 0x1000;

// Edit control styles.
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr DWORD ES_READONLY = 0x0800;

// Dialog results and the IDs of the buttons that give them.
constexpr UINT IDOK = 1;
constexpr UINT IDCANCEL = 2;
// The ID of controls that are never addressed.
constexpr UINT IDC_STATIC = 0xFFFF;

// Messages and notification codes that message maps route.
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT BN_CLICKED = 0;
constexpr UINT EN_UPDATE = 0x0400;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_ICONERASEBKGND = 0x0027;
constexpr UINT WM_QUERYDRAGICON = 0x0037;

// System metrics: the size of a large icon.
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
// SM_CXICON and SM_CYICON: the size of a large icon in pixels; 0 for every other index.
int GetSystemMetrics(int nIndex);

// Edit-control and clipboard messages a dialog sends to its controls.
constexpr UINT EM_SETSEL = 0x00B1;
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT WM_COPY = 0x0301;

// System-menu commands the window menu carries out itself.
constexpr UINT SC_MINIMIZE = 0xF020;
constexpr UINT SC_CLOSE = 0xF060;

// Menu item flags for CMenu::AppendMenu.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_SEPARATOR = 0x0800;

#ifdef AFX_HANDLES
#include AFX_HANDLES
#endif

#endif // AFX_WINDOWS

// The framework's own command IDs, beside the system's: the help command, which F1 gives.
constexpr UINT ID_HELP = 0xE146;
