// The vocabulary that dialog templates and dialogs are written in: types, handles, style bits,
// dialog results, messages, notification codes and system commands, with the values of the
// Windows SDK. The backend supplies it through window_system.h, which CMake makes for each
// backend (afx_add_backend): on Windows the system's own headers, elsewhere win_values.h with
// the backend's own handle types.
#pragma once

#include "window_system.h"

// The framework's own command IDs, beside the system's: the help command, which F1 gives.
constexpr UINT ID_HELP = 0xE146;
