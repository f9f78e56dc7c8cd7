#pragma once
// What the standards tests stand on: a library folder of their own (with the test section tables and a
// "Connection Standards\" folder), and the end-plate macro of the test data loaded into both sides.
#include "nuvo/Ork_Settings.h"
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/Ork_DbMacro.h"
#include "nuvo/macro/macroJson.h"
#include "standards/KvDlgStandardsData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

// A fresh library folder, removed afterwards; Ork_Settings points at it while the object lives.
class TempLibrary {
public:
    TempLibrary() {
        std::random_device rd;
        native_ = std::filesystem::temp_directory_path() / ("ss-standards-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(native_ / "Connection Standards");
        std::filesystem::create_directories(native_ / "prof");
        const std::filesystem::path prof = std::filesystem::path(SS_TEST_DATA) / "nuvo" / "library" / "prof";
        for (const char* table : {"IPE.pr", "HEA.pr"})
            std::filesystem::copy_file(prof / table, native_ / "prof" / table);
        Ork_Settings::setLibDir(Ork_String::fromUtf8(native_.string()));
    }
    ~TempLibrary() {
        Ork_Settings::reset();
        std::error_code ec;
        std::filesystem::remove_all(native_, ec);
    }
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    std::filesystem::path standards() const { return native_ / "Connection Standards"; }
    const std::filesystem::path& native() const { return native_; }

    // The mapping file of sheet `name` in the library.
    std::filesystem::path mapFile(const std::string& name) const { return standards() / (name + ".map"); }
    void writeMap(const std::string& name, const std::string& bytes) const {
        std::ofstream(mapFile(name), std::ios::binary) << bytes;
    }
    std::string readMap(const std::string& name) const {
        std::ifstream in(mapFile(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::filesystem::path native_;
};

struct StandardsMacro {
    Ork_DbMacro db;
    MacroData data;
    AcDbTransaction transaction;

    StandardsMacro() {
        Ork_String error;
        EXPECT_TRUE(readMacroJson(Ork_String::fromUtf8(std::string(SS_TEST_DATA) + "/nuvo/macros/endplate.json"), db,
                                  data, error))
            << error.utf8();
    }
    Ork_Macro& macro() { return *db.macroWrite(); }
    Ork_Module& module(const char16_t* name) {
        Ork_Module* m = nullptr;
        EXPECT_EQ(macro().findModuleWrite(name, m), eOk);
        return *m;
    }
    MacroTabData& tab(const char16_t* name) {
        int index = -1;
        EXPECT_TRUE(data.findTab(name, index));
        return *data.getTab(index);
    }
    KvDlgStandardsData record(const Ork_String& file, const Ork_String& target, const Ork_String& group = {}) {
        KvDlgStandardsData r;
        r.file = file;
        r.target = target;
        r.moduleGroup = group;
        r.dbMacro = &db;
        r.macroData = &data;
        r.transaction = &transaction;
        return r;
    }
};

// UTF-8 of the mapping file's separators, for writing files by hand.
inline const std::string kBulletUtf8 = "\xE2\x80\xA2";
inline const std::string kHookUtf8 = "\xC6\x92";
inline const std::string kPairUtf8 = "\xC2\xBF";
