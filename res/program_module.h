// The program as the dialog layer knows it: its name, version and application id, and every
// resource, listed once. The application registers it at start-up (AfxRegisterModule); the
// resource tool makes the Windows resource script and the image files from it.
#pragma once

#include "module.h"

const AfxModule& ProgramModule();
