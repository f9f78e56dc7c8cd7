// A grid sheet written as XLSX and read back: the same values, formulas and layout; what a workbook cannot hold
// is refused rather than written half.
#include "workbook.h"

#include "grid/GridDocument.h"
#include "grid/Sheet.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// A sheet with something of everything the export keeps.
void fillSheet(grid::Sheet& sheet) {
    sheet.setMaxCols(6);
    sheet.setMaxRows(8);
    sheet.setData(1, 1, u"Bolt list");
    sheet.addSpan(1, 1, 3, 1);
    sheet.setData(1, 2, u"Size");
    sheet.setData(2, 2, u"Count");
    sheet.setData(3, 2, u"Weight");
    sheet.setData(1, 3, u"M16");
    sheet.setNumber(2, 3, 12);
    sheet.setNumber(3, 3, 0.125);
    sheet.setData(1, 4, u"M20 \"long\"\nsecond line");
    sheet.setNumber(2, 4, 8);
    sheet.setNumber(3, 4, 0.25);
    sheet.setFormula(3, 5, u"SUM(C3:C4)*$B$3");
    sheet.setFormula(1, 5, u"IF(C5>4,\"heavy\",\"light\")");
    sheet.setCellValue(2, 6, grid::Value::boolean(true));
    sheet.setFormula(3, 6, u"1/0");
    sheet.setFormula(4, 6, u"FROMTABLE(\"t.txt\",1,2,A3)");   // a sheet function of the module: kept by name
    grid::Font bold;
    bold.face = u"Tahoma";
    bold.height = 14;
    bold.bold = true;
    sheet.setFont(1, 1, bold);
    grid::Font italic;
    italic.face = u"Arial";
    italic.height = 10;
    italic.italic = true;
    italic.underline = true;
    sheet.setFont(2, 2, italic);
    sheet.setColours(3, 2, 0x00E6E6E6, 0x000000FF);
    sheet.setColumnWidth(1, 24);
    sheet.setColumnWidth(3, 11.5);
    sheet.setRowHeight(1, 30);
    sheet.recalcAll();
}

class XlsxRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        fillSheet(original);
        path = (temp.path() / "bolts.xlsx").string();
        std::string error;
        ASSERT_TRUE(interchange::exportWorkbook(original, path, "Bolts", error)) << error;
        ASSERT_TRUE(interchange::importWorkbook(back, path, "", report, error)) << error;
        back.recalcAll();
    }
    TempFolder temp;
    std::string path;
    grid::Sheet original, back;
    interchange::ImportReport report;
};

TEST_F(XlsxRoundTrip, ValuesAndFormulasComeBackTheSame) {
    EXPECT_EQ(report.sheetName, "Bolts");
    for (int row = 1; row <= 6; ++row) {
        for (int col = 1; col <= 4; ++col) {
            SCOPED_TRACE("cell " + std::to_string(col) + "," + std::to_string(row));
            EXPECT_EQ(back.hasFormula(col, row), original.hasFormula(col, row));
            EXPECT_EQ(back.formula(col, row), original.formula(col, row));
            EXPECT_EQ(back.valueText(col, row), original.valueText(col, row));
            EXPECT_EQ(back.value(col, row).isNumber(), original.value(col, row).isNumber());
        }
    }
    EXPECT_EQ(back.valueText(3, 5), u"4.5");
    EXPECT_EQ(back.valueText(3, 6), u"#DIV/0!");
    EXPECT_TRUE(back.value(2, 6).isBool());
    EXPECT_TRUE(report.warnings.empty()) << report.warnings[0];
}

TEST_F(XlsxRoundTrip, LayoutComesBackTheSame) {
    EXPECT_EQ(back.spans(), original.spans());
    // A workbook keeps widths to the pixel, 7 of them a character.
    EXPECT_DOUBLE_EQ(back.columnWidth(1), 24);
    EXPECT_NEAR(back.columnWidth(3), 11.5, 1.0 / 7);
    EXPECT_DOUBLE_EQ(back.rowHeight(1), 30);
    EXPECT_EQ(back.font(1, 1), original.font(1, 1));
    // The reader of this liborcus drops a plain underline ("<u/>"); the rest of the font comes back.
    grid::Font italic = *original.font(2, 2);
    italic.underline = false;
    EXPECT_EQ(back.font(2, 2), italic);
    std::uint32_t b1 = 0, f1 = 0, b2 = 0, f2 = 0;
    ASSERT_TRUE(back.colours(3, 2, b2, f2));
    original.colours(3, 2, b1, f1);
    EXPECT_EQ(b2, b1);
    EXPECT_EQ(f2, f1);
}

TEST_F(XlsxRoundTrip, AnR1C1SheetIsWrittenWithA1Formulas) {
    grid::Sheet r1c1;
    r1c1.setMaxCols(2);
    r1c1.setMaxRows(1);
    r1c1.setRefStyle(grid::kRefStyleR1C1);
    r1c1.setNumber(1, 1, 5);
    r1c1.setFormula(2, 1, u"RC[-1]*2");
    r1c1.recalcAll();
    std::string error;
    ASSERT_TRUE(interchange::exportWorkbook(r1c1, path, "", error)) << error;
    grid::Sheet read;
    ASSERT_TRUE(interchange::importWorkbook(read, path, "", report, error)) << error;
    EXPECT_EQ(read.formula(2, 1), u"A1*2");
}

TEST_F(XlsxRoundTrip, TheImportersOwnWritingIsReadAsTheProgramsWritingIs) {
    // A grid document through XLSX and back to a document: the same document.
    grid::Sheet reloaded;
    const std::string text = grid::GridDocument::capture(back).toText();
    EXPECT_NE(text.find("formula \"SUM(C3:C4)*$B$3\""), std::string::npos) << text;
    EXPECT_NE(text.find("span 1 1 3 1"), std::string::npos) << text;
}

TEST(XlsxExport, ASheetWiderThanAWorkbookIsRefusedAndTheOldFileStays) {
    TempFolder temp;
    const std::string path = (temp.path() / "wide.xlsx").string();
    std::ofstream(path) << "old";
    grid::Sheet wide;
    wide.setMaxCols(20000);
    wide.setMaxRows(1);
    ASSERT_TRUE(wide.setNumber(17000, 1, 1));
    std::string error;
    EXPECT_FALSE(interchange::exportWorkbook(wide, path, "", error));
    EXPECT_NE(error.find("past the 16384 columns"), std::string::npos) << error;
    std::ifstream in(path);
    std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_TRUE(kept == "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), std::filesystem::directory_iterator()), 1);
}

TEST(XlsxExport, AnUnwritableFolderIsReported) {
    grid::Sheet sheet;
    sheet.setMaxCols(1);
    sheet.setMaxRows(1);
    sheet.setNumber(1, 1, 1);
    std::string error;
    EXPECT_FALSE(interchange::exportWorkbook(sheet, "/nonexistent-folder/out.xlsx", "", error));
    EXPECT_NE(error.find("cannot write /nonexistent-folder/out.xlsx"), std::string::npos) << error;
}

} // namespace
