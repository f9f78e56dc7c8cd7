#pragma once
// A private library folder holding a copy of the sample section tables, and comparisons of whole tables.
#include "support/TempFolder.h"

#include "nuvo/Ork_Settings.h"
#include "seclib/Ork_ProfValuesTable.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace seclibtest {

inline std::filesystem::path sampleProfFolder() {
    return std::filesystem::path(SS_SOURCE_DIR) / "samples" / "library" / "prof";
}

// The rows of a table as one text per row ("a|b|c"), so a failing comparison shows the rows.
inline std::vector<std::string> rowTexts(const Ork_Array<Ork_StringArray>& rows) {
    std::vector<std::string> out;
    for (const Ork_StringArray& cells : rows) {
        std::string line;
        for (int i = 0; i < cells.length(); ++i)
            line += (i ? "|" : "") + cells[i].utf8();
        out.push_back(line);
    }
    return out;
}

inline std::vector<std::string> texts(const Ork_StringArray& items) {
    std::vector<std::string> out;
    for (const Ork_String& s : items)
        out.push_back(s.utf8());
    return out;
}

inline void expectSameTable(const Ork_ProfValuesTable& a, const Ork_ProfValuesTable& b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.descriptor, b.descriptor);
    EXPECT_EQ(texts(a.columnNames), texts(b.columnNames));
    EXPECT_EQ(rowTexts(a.rows), rowTexts(b.rows));
}

class LibraryFolder {
public:
    LibraryFolder() {
        std::filesystem::create_directories(temp_.path() / "prof");
        for (const auto& entry : std::filesystem::directory_iterator(sampleProfFolder()))
            if (entry.is_regular_file())
                std::filesystem::copy_file(entry.path(), temp_.path() / "prof" / entry.path().filename());
        Ork_Settings::setLibDir(temp_.folder());
    }
    ~LibraryFolder() { Ork_Settings::reset(); }
    LibraryFolder(const LibraryFolder&) = delete;
    LibraryFolder& operator=(const LibraryFolder&) = delete;

    const TempFolder& temp() const { return temp_; }
    void put(const std::string& relative, const std::string& bytes) const { temp_.put(relative, bytes); }
    std::string get(const std::string& relative) const { return temp_.get(relative); }
    bool exists(const std::string& relative) const { return std::filesystem::exists(temp_.path() / relative); }

private:
    TempFolder temp_;
};

} // namespace seclibtest
