#include "whole_file.h"

#include <fstream>

bool WriteWholeFile(const std::filesystem::path& path, const std::string& data) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    const std::filesystem::path temporary = path.string() + ".new";
    std::ofstream file(temporary, std::ios::binary);
    file << data;
    file.close();
    if (!error && file) {
        std::filesystem::rename(temporary, path, error);
    }
    if (error || !file) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
