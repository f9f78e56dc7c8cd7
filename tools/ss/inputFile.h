#pragma once
// A file a command reads whole (a script, a record): false for a folder or a file that cannot be read.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace sscmd {

inline bool readInputFile(const std::string& path, std::string& text) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return !in.bad();
}

} // namespace sscmd
