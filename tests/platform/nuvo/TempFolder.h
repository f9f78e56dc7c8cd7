#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include "nuvo/Ork_String.h"

#include <filesystem>
#include <random>
#include <string>

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        native_ = std::filesystem::temp_directory_path() / ("nuvo-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(native_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(native_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& native() const { return native_; }
    // The folder as the module writes paths: "\" separators and a trailing "\".
    Ork_String path() const {
        Ork_String p = Ork_String::fromUtf8(native_.string());
        for (char16_t& c : p)
            if (c == u'/')
                c = u'\\';
        return p + u"\\";
    }

private:
    std::filesystem::path native_;
};
