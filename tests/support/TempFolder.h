#pragma once
// A fresh folder under the system's temporary folder for one test, removed with everything in it when the test
// ends, and the forms of its paths the tests hand to the code under test. Any test program may use it: it
// needs only os and the standard library.
#include "os/utf16.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include <unistd.h>

class TempFolder {
public:
    TempFolder() {
        // The process and a counter keep parallel test programs and folders of one test apart; the random part
        // keeps a folder left by a crashed run from being taken again.
        static std::atomic<unsigned> counter{0};
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("ss-test-" + std::to_string(::getpid()) + "-" +
                                                          std::to_string(counter++) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder as the file system names it.
    const std::filesystem::path& path() const { return path_; }

    // The folder as the module writes paths: UTF-16 with "\" separators, without a trailing "\".
    std::u16string text() const {
        std::u16string t = os::toUtf16(path_.string());
        for (char16_t& c : t)
            if (c == u'/')
                c = u'\\';
        return t;
    }
    // A path below the folder in that form: `below` after a "\".
    std::u16string text(std::u16string_view below) const { return text() + u"\\" + std::u16string(below); }
    // The folder as the module writes folders: with a trailing "\".
    std::u16string folder() const { return text() + u"\\"; }
    // A file in the folder as the file system names it ("/" separators), in UTF-16.
    std::u16string file(const std::string& name) const { return os::toUtf16((path_ / name).string()); }

    // Writes `bytes` to `relative` (a "/" path below the folder), creating the folders on the way.
    void put(const std::string& relative, const std::string& bytes = "") const {
        const auto target = path_ / relative;
        std::filesystem::create_directories(target.parent_path());
        std::ofstream(target, std::ios::binary) << bytes;
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
