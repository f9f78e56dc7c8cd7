#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the test ends.
#include "os/utf16.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <unistd.h>

namespace ostest {

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> counter{0};
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("ss-os-test-" + std::to_string(::getpid()) + "-" +
                                                          std::to_string(counter++) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the module writes paths: UTF-16 with "\" separators.
    std::u16string text() const {
        std::u16string t = os::toUtf16(path_.string());
        for (auto& c : t)
            if (c == u'/') c = u'\\';
        return t;
    }
    std::u16string text(std::u16string_view below) const { return text() + u"\\" + std::u16string(below); }

    // Writes `bytes` to `relative` (a "/" path below the folder), creating the folders on the way.
    void put(const std::string& relative, const std::string& bytes = "") const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string get(const std::string& relative) const {
        std::ifstream in(path_ / relative, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

// Runs a test with another current folder and restores the old one.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path old_;
};

} // namespace ostest
