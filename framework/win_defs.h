// The vocabulary that dialog templates and dialogs are written in: types, handles, style bits,
// dialog results, messages, notification codes and system commands, with the values of the
// Windows SDK. The build's window system supplies it through window_system.h, which CMake makes
// from VARNHOLT_BACKEND: on Windows the system's own headers, elsewhere win_values.h with the
// backend's own handle types.
#pragma once

#include "window_system.h"

// The framework's own command IDs, beside the system's: the help command, which F1 gives.
constexpr UINT ID_HELP = 0xE146;
