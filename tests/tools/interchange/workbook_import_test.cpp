// Workbooks written as the spreadsheet programs write them (tests/data/interchange, made by makeWorkbooks.py):
// shared strings, shared formulas and cached values come in as the grid's formulas, with their layout.
#include "workbook.h"

#include "grid/Sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kData = std::string(SS_TEST_DATA) + "/interchange/";

bool hasWarning(const interchange::ImportReport& report, const std::string& start) {
    return std::any_of(report.warnings.begin(), report.warnings.end(),
                       [&](const std::string& w) { return w.rfind(start, 0) == 0; });
}

class ProgramWrittenXlsx : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(interchange::importWorkbook(sheet, kData + "program-written.xlsx", "", report, error)) << error;
        sheet.recalcAll();
    }
    grid::Sheet sheet;
    interchange::ImportReport report;
    std::string error;
};

TEST_F(ProgramWrittenXlsx, FormulasComeInAsFormulasNotAsValues) {
    EXPECT_EQ(sheet.formula(3, 3), u"A3*B3");
    // The shared formula's other cells get it with their own references.
    EXPECT_EQ(sheet.formula(3, 4), u"A4*B4");
    EXPECT_EQ(sheet.formula(3, 5), u"A5*B5");
    EXPECT_EQ(sheet.formula(3, 6), u"SUM(C3:C5)");
    EXPECT_EQ(sheet.formula(2, 7), u"IF(A7,\"taxed\",\"free\")");
    EXPECT_EQ(sheet.formula(1, 8), u"CONCAT(\"a\",\"b\")");
    // Recalculated by the grid, and a changed input changes the total.
    EXPECT_EQ(sheet.valueText(3, 6), u"17");
    sheet.setNumber(1, 3, 4);
    sheet.recalcAll();
    EXPECT_EQ(sheet.valueText(3, 6), u"24");
}

TEST_F(ProgramWrittenXlsx, TextsNumbersAndBooleansKeepTheirKinds) {
    EXPECT_EQ(sheet.valueText(1, 1), u"Price list");
    EXPECT_TRUE(sheet.value(1, 1).isText());
    EXPECT_TRUE(sheet.value(2, 4).isNumber());
    EXPECT_EQ(sheet.valueText(2, 4), u"1.25");
    EXPECT_TRUE(sheet.value(1, 7).isBool());
    EXPECT_EQ(sheet.valueText(2, 7), u"taxed");
}

TEST_F(ProgramWrittenXlsx, AFormulaTheGridCannotHoldKeepsItsLastValueWithAWarning) {
    EXPECT_FALSE(sheet.hasFormula(3, 7));
    EXPECT_EQ(sheet.valueText(3, 7), u"14");
    EXPECT_TRUE(hasWarning(report, "C7: the formula =Notes!A1*2 cannot be kept (a reference to another sheet)"))
        << (report.warnings.empty() ? "" : report.warnings[0]);
    EXPECT_EQ(report.warnings.size(), 1u);
}

TEST_F(ProgramWrittenXlsx, MergedCellsSizesFontsAndColoursComeAlong) {
    grid::Span span;
    ASSERT_TRUE(sheet.spanAt(2, 1, span));
    EXPECT_EQ(span, (grid::Span{1, 1, 3, 1}));
    // The file's widths hold the programs' padding of 5 pixels, at 7 pixels a character.
    EXPECT_DOUBLE_EQ(sheet.columnWidth(1), 11.79);
    EXPECT_DOUBLE_EQ(sheet.columnWidth(3), 19.29);
    EXPECT_DOUBLE_EQ(sheet.rowHeight(1), 24);
    const auto bold = sheet.font(1, 2);
    ASSERT_TRUE(bold);
    EXPECT_TRUE(bold->bold);
    EXPECT_FALSE(bold->italic);
    const auto italic = sheet.font(2, 6);
    ASSERT_TRUE(italic);
    EXPECT_TRUE(italic->italic);
    EXPECT_EQ(italic->face, u"Arial");
    EXPECT_EQ(italic->height, 12);
    std::uint32_t back = 0, fore = 0;
    ASSERT_TRUE(sheet.colours(2, 6, back, fore));
    EXPECT_EQ(fore, 0x0000FFu);   // red, as the grid stores colours (0x00BBGGRR)
    ASSERT_TRUE(sheet.colours(3, 6, back, fore));
    EXPECT_EQ(back, 0x00FFFFu);   // yellow
    EXPECT_FALSE(sheet.font(1, 3));
    EXPECT_FALSE(sheet.colours(1, 3, back, fore));
}

TEST_F(ProgramWrittenXlsx, TheSheetsAreNamedAndOneIsChosenByName) {
    EXPECT_EQ(report.sheetNames, (std::vector<std::string>{"Prices", "Notes"}));
    EXPECT_EQ(report.sheetName, "Prices");
    grid::Sheet notes;
    ASSERT_TRUE(interchange::importWorkbook(notes, kData + "program-written.xlsx", "Notes", report, error)) << error;
    EXPECT_EQ(notes.valueText(1, 1), u"7");
    EXPECT_FALSE(interchange::importWorkbook(notes, kData + "program-written.xlsx", "Missing", report, error));
    EXPECT_NE(error.find("has no sheet named Missing"), std::string::npos) << error;
    EXPECT_EQ(notes.valueText(1, 1), u"7");   // a failed import leaves the sheet as it was
}

TEST(ProgramWrittenOds, OpenFormulaBecomesTheGridsFormulas) {
    grid::Sheet sheet;
    interchange::ImportReport report;
    std::string error;
    ASSERT_TRUE(interchange::importWorkbook(sheet, kData + "program-written.ods", "", report, error)) << error;
    sheet.recalcAll();
    EXPECT_EQ(report.sheetName, "Sizes");
    EXPECT_EQ(sheet.formula(3, 2), u"A2*B2");
    EXPECT_EQ(sheet.formula(3, 3), u"ROUND(A3*B3,0)");
    EXPECT_EQ(sheet.formula(3, 4), u"SUM(C2:C3)");
    EXPECT_EQ(sheet.valueText(3, 4), u"3000");
    EXPECT_EQ(sheet.valueText(1, 1), u"Plates");
    // This liborcus reports neither ODS's merged cells nor its automatic styles (fonts, column widths): the
    // title stays in its own cell, in the grid's font, and the columns keep the grid's width.
    EXPECT_TRUE(sheet.spans().empty());
    EXPECT_FALSE(sheet.font(1, 1));
    EXPECT_DOUBLE_EQ(sheet.columnWidth(2), grid::Sheet::kDefaultColumnWidth);
    EXPECT_TRUE(report.warnings.empty()) << report.warnings[0];
}

} // namespace
