// How the resource tool reports a fault in the program's resources.
#pragma once

#include <string>

// Prints the fault and ends the tool with status 1.
[[noreturn]] void Fail(const std::string& what);
