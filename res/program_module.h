// The program as the dialog layer knows it: its name, version and application id, and every
// resource, listed once. The application registers it at start-up (AfxRegisterModule); the
// resource tool makes the Windows resource script and the image files from it.
#pragma once

// The module's contents are module.h's; its users that do not read them (the application,
// which registers it) need not see that header, nor its portable vocabulary.
struct AfxModule;
const AfxModule& ProgramModule();
