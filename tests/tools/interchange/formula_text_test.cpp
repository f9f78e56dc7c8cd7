// The formulas of workbooks in the grid's language: what each dialect adds, and what the grid cannot hold.
#include "formulaText.h"

#include <gtest/gtest.h>

namespace {

using interchange::FormulaDialect;

std::string translated(std::string_view formula, FormulaDialect dialect, int col = 3, int row = 3) {
    std::u16string out;
    std::string why;
    if (!interchange::gridFormula(formula, dialect, col, row, out, why))
        return "refused: " + why;
    return std::string(out.begin(), out.end());
}

TEST(FormulaText, XlsxFormulasAreTheGridsLanguage) {
    EXPECT_EQ(translated("A3*B3", FormulaDialect::Xlsx), "A3*B3");
    EXPECT_EQ(translated("=SUM($A$1:B2)+1", FormulaDialect::Xlsx), "SUM($A$1:B2)+1");
    EXPECT_EQ(translated("IF(A1>0,\"a;[b]!\",\"c\")", FormulaDialect::Xlsx), "IF(A1>0,\"a;[b]!\",\"c\")");
    // Newer functions carry a prefix in the file, not in the formula a person reads.
    EXPECT_EQ(translated("_xlfn.CONCAT(\"a\",\"b\")", FormulaDialect::Xlsx), "CONCAT(\"a\",\"b\")");
    // The module's own sheet functions are kept by name.
    EXPECT_EQ(translated("FROMTABLE(\"t.txt\",1,2,A1)", FormulaDialect::Xlsx), "FROMTABLE(\"t.txt\",1,2,A1)");
}

TEST(FormulaText, OdsReferencesAndSeparatorsBecomeTheGridsOwn) {
    EXPECT_EQ(translated("of:=[.A2]*[.B2]", FormulaDialect::Ods), "A2*B2");
    EXPECT_EQ(translated("of:=ROUND([.A3]*[.$B$3];0)", FormulaDialect::Ods), "ROUND(A3*$B$3,0)");
    EXPECT_EQ(translated("of:=SUM([.C2:.C3])", FormulaDialect::Ods), "SUM(C2:C3)");
    EXPECT_EQ(translated("of:=\"x;[.A1]\"&[.A1]", FormulaDialect::Ods), "\"x;[.A1]\"&A1");
}

TEST(FormulaText, WhatTheGridCannotHoldIsRefusedWithTheReason) {
    EXPECT_EQ(translated("Notes!A1*2", FormulaDialect::Xlsx), "refused: a reference to another sheet");
    EXPECT_EQ(translated("'My sheet'!A1", FormulaDialect::Xlsx), "refused: a reference to another sheet");
    EXPECT_EQ(translated("SUM(Table1[Amount])", FormulaDialect::Xlsx), "refused: a reference to a table or another workbook");
    EXPECT_EQ(translated("SUM({1,2,3})", FormulaDialect::Xlsx), "refused: an array constant");
    EXPECT_EQ(translated("of:=[$Notes.A1]*2", FormulaDialect::Ods), "refused: a reference to another sheet");
    EXPECT_EQ(translated("of:=[.A1", FormulaDialect::Ods), "refused: an unclosed reference");
    EXPECT_NE(translated("A1+*", FormulaDialect::Xlsx).find("refused: "), std::string::npos);
}

TEST(FormulaText, ASharedFormulaMovesItsRelativeReferencesWithTheCell) {
    std::u16string out;
    std::string why;
    ASSERT_TRUE(interchange::sharedGridFormula("A3*B3+$D$1", FormulaDialect::Xlsx, 3, 3, 3, 5, out, why));
    EXPECT_EQ(out, u"A5*B5+$D$1");
    ASSERT_TRUE(interchange::sharedGridFormula("SUM(A1:A2)", FormulaDialect::Xlsx, 2, 3, 4, 3, out, why));
    EXPECT_EQ(out, u"SUM(C1:C2)");
    // Shared upwards past row 1 the reference would leave the sheet.
    EXPECT_FALSE(interchange::sharedGridFormula("A2", FormulaDialect::Xlsx, 1, 3, 1, 1, out, why));
}

} // namespace
