#pragma once
// Standards sheets written as grid documents into a test library, evaluated with the module attached as the
// host attaches it.
#include "support/frameTestSupport.h"
#include "standardsFixture.h"

#include "frame/KvSSDlgsMgr.h"
#include "SS/SSExports.h"
#include "sheet/CDlgSSStandards.h"
#include "standards/KvCalcSS.h"
#include "ui/Script.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace enginetest {

// Rows of cell texts; an empty text leaves the cell empty.
using SheetRows = std::vector<std::vector<std::string>>;

inline std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

// A grid document holding the rows as text cells.
inline std::string sheetDocument(const SheetRows& rows, int columns = 0) {
    std::size_t widest = 0;
    for (const auto& r : rows)
        widest = std::max(widest, r.size());
    const int cols = columns > 0 ? columns : static_cast<int>(std::max<std::size_t>(widest, 1));
    std::string doc = "SS grid 1\nsize " + std::to_string(cols) + " " + std::to_string(std::max<std::size_t>(rows.size(), 1)) + "\n";
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (!rows[r][c].empty())
                doc += "cell " + std::to_string(c + 1) + " " + std::to_string(r + 1) + " text " + quoted(rows[r][c]) + "\n";
    return doc + "end\n";
}

class EngineTest : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        m_library = std::make_unique<TempLibrary>();
        Ork_Settings::setStandardsMessages(false);
    }
    void TearDown() override {
        gSSDlgsMgr.destroyAll();
        m_library.reset();
        frametest::FrameTest::TearDown();
    }

    // Writes a file below the library's "Connection Standards" folder and gives its module path.
    Ork_String write(const std::string& relative, const std::string& bytes) {
        const std::filesystem::path path = m_library->standards() / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return Ork_String::fromUtf8(path.string());
    }
    Ork_String writeSheet(const std::string& relative, const SheetRows& rows, int columns = 0) {
        return write(relative, sheetDocument(rows, columns));
    }

    // A hidden standards window of the process-wide pool, with its grid, for tests of single steps.
    KvCalcSS& hiddenGrid() {
        if (!m_window)
            m_window = gSSDlgsMgr.getDlg();
        EXPECT_NE(m_window, nullptr);
        return m_window->grid();
    }
    Ork_String text(KvCalcSS& grid, int col, int row, int kind = 3) {
        Ork_String t;
        grid.getCellText(col, row, t, kind);
        return t;
    }

    std::unique_ptr<TempLibrary> m_library;
    CDlgSSStandards* m_window = nullptr;
};

// A direct-mode record of `file` with the given cells.
inline KvDlgStandardsData directRecord(const Ork_String& file, std::initializer_list<KvVarCell> cells) {
    KvDlgStandardsData record;
    record.mode = 1;
    record.file = file;
    for (const KvVarCell& c : cells)
        record.varCells.append(c);
    return record;
}

inline KvVarCell input(const char16_t* name, const char16_t* value, KvValueType type = KvValueType::Double) {
    return KvVarCell(name, KvCellType::Input, type, value);
}
inline KvVarCell output(const char16_t* name, KvValueType type = KvValueType::Double) {
    return KvVarCell(name, KvCellType::Output, type);
}

} // namespace enginetest
