#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the test ends.
#include <filesystem>
#include <random>
#include <string>

#include "os/utf16.h"

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("ss-grid-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The module's text of a file in the folder.
    std::u16string file(const std::string& name) const { return os::toUtf16((path_ / name).string()); }

private:
    std::filesystem::path path_;
};
