// Texts at the Win32 boundary: the framework's UTF-8, the system's UTF-16.
#pragma once

#include "vocabulary.h"

#include <string>

std::wstring Widen(const std::string& text);
std::string Narrow(const wchar_t* text, int length);
