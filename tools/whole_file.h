// How the build's tools write their files: whole or not at all.
#pragma once

#include <filesystem>
#include <string>

// Writes `data` to `path` (making its folders) through a temporary file, which takes the file's
// name only once all of it is written: a build never sees half a file, whatever stops the write
// (a full disk, a file size limit). False, with no file and no temporary left, if it could not.
bool WriteWholeFile(const std::filesystem::path& path, const std::string& data);
