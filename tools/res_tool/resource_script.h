// The Windows resource script of the program's resources.
#pragma once

#include "module.h"

#include <filesystem>
#include <string>

// The script of every dialog, string and image in the table, the images read from their files
// (ImageFileName) in `dir`. Control IDs are written by their names in resource.h, which the
// script includes.
std::string ResourceScript(const AfxModule& resources, const std::filesystem::path& dir);

// The file an image resource is written to: its ID's name, with .ico or .bmp.
std::string ImageFileName(const AfxImageResource& image);
