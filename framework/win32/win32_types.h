// The Win32 backend's vocabulary: the system's own.
#pragma once

#include <windows.h>

// The ID of controls that are never addressed, as resource scripts write it.
#ifndef IDC_STATIC
#define IDC_STATIC 0xFFFF
#endif
