#pragma once
// What the standards tests stand on: a library folder of their own (with the test section tables and a
// "Connection Standards\" folder), and the end-plate macro of the test data loaded into both sides.
#include "support/TempFolder.h"
#include "support/macroTestSupport.h"

#include "nuvo/Ork_Settings.h"
#include "standards/KvDlgStandardsData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A fresh library folder, removed afterwards; Ork_Settings points at it while the object lives.
class TempLibrary {
public:
    TempLibrary() {
        std::filesystem::create_directories(native() / "Connection Standards");
        std::filesystem::create_directories(native() / "prof");
        const std::filesystem::path prof = std::filesystem::path(SS_TEST_DATA) / "nuvo" / "library" / "prof";
        for (const char* table : {"IPE.pr", "HEA.pr"})
            std::filesystem::copy_file(prof / table, native() / "prof" / table);
        Ork_Settings::setLibDir(Ork_String::fromUtf8(native().string()));
    }
    ~TempLibrary() { Ork_Settings::reset(); }
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    std::filesystem::path standards() const { return native() / "Connection Standards"; }
    const std::filesystem::path& native() const { return folder_.path(); }

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
    TempFolder folder_;
};

// The end-plate macro with a transaction, and macro-mode records on it.
struct StandardsMacro : LoadedMacro {
    AcDbTransaction transaction;

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
