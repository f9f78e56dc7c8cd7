#pragma once
// Formula windows on real sheet files: the fixture maps drive T: to the formula test data (whose tables name
// each other as "t:\..."), and drive U: to a fresh folder where a test writes the sheets that call them.
#include "support/TempFolder.h"
#include "support/frameTestSupport.h"

#include "grid/Value.h"
#include "os/paths.h"
#include "resources/resourceIds.h"
#include "sheet/CFormula.h"
#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace formulatest {

// One line of a grid document: "cell COLUMN ROW formula|text|number ..." with the text quoted as the format
// wants it.
struct CellLine {
    int col;
    int row;
    std::string kind;   // "formula", "text" or "number"
    std::string content;
};

inline std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

class FormulaTest : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        m_folder = m_temp.path();
        os::setDriveFolder(u'T', std::filesystem::path(SS_TEST_DATA) / "sheet" / "formula");
        os::setDriveFolder(u'U', m_folder);
    }
    void TearDown() override {
        os::setDriveFolder(u'T', {});
        os::setDriveFolder(u'U', {});
        frametest::FrameTest::TearDown();
    }

    // Writes a sheet of `cols` x `rows` into the U: folder and returns its path as the module writes paths.
    std::u16string writeSheet(const std::string& name, int cols, int rows, const std::vector<CellLine>& cells) {
        std::ofstream out(m_folder / name, std::ios::binary);
        out << "SS grid 1\nsize " << cols << ' ' << rows << '\n';
        for (const CellLine& c : cells)
            out << "cell " << c.col << ' ' << c.row << ' ' << c.kind << ' '
                << (c.kind == "number" ? c.content : quoted(c.content)) << '\n';
        out << "end\n";
        return u"u:\\" + std::u16string(name.begin(), name.end());
    }

    // Runs a formula window in single-cell mode on `path`; `whileOpen` sees it after it initialised.
    template <class Check>
    void runSingleCell(ui::Script& script, const std::u16string& path, Check whileOpen) {
        script.onModal(IDD_FORMULA, [&](ui::Dialog& dialog) {
            whileOpen(dynamic_cast<CFormula&>(dialog));
            dialog.endDialog(ui::IDOK);
        });
        CFormula window;
        window.m_mode = CFormula::Mode::SingleCell;
        window.m_path = path;
        EXPECT_EQ(window.doModal(), ui::IDOK);
    }

    // Expects `count` look-up windows, each closed with OK once it has done its work; their files are logged.
    void expectLookups(ui::Script& script, int count) {
        for (int i = 0; i < count; ++i)
            script.onModal(IDD_FORMULA, [this](ui::Dialog& dialog) {
                auto& window = dynamic_cast<CFormula&>(dialog);
                EXPECT_EQ(window.m_mode, CFormula::Mode::TableLookup);
                m_lookedUp.push_back(window.m_path);
                dialog.endDialog(ui::IDOK);
            });
    }

    static grid::Value value(CFormula& window, int col, int row) { return window.grid().sheet().value(col, row); }
    static Ork_String data(CFormula& window, int col, int row) {
        Ork_String text;
        window.grid().getCellText(col, row, text, 0);
        return text;
    }

    TempFolder m_temp;
    std::filesystem::path m_folder;   // m_temp's folder, the U: drive
    std::vector<Ork_String> m_lookedUp;   // the table of each look-up window, innermost first
};

} // namespace formulatest
