#include <gtest/gtest.h>

#include "grid/FormulaCache.h"
#include "grid/Sheet.h"

using namespace grid;

// Relative references are kept as offsets from the cell, so the cell is part of what was parsed: the same
// text written into another cell, or read in another reference style, must not get a kept program.
TEST(FormulaCache, KeepsAProgramPerTextCellAndStyle) {
    FormulaCache& cache = FormulaCache::instance();
    cache.clear();
    const auto first = cache.parse(u"A1+B$1", 2, 2, RefStyle::A1);
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.parse(u"A1+B$1", 2, 2, RefStyle::A1), first);
    EXPECT_NE(cache.parse(u"A1+B$1", 3, 2, RefStyle::A1), first);
    EXPECT_EQ(cache.size(), 2u);
    const auto r1c1 = cache.parse(u"RC[-1]", 2, 2, RefStyle::R1C1);
    ASSERT_TRUE(r1c1);
    EXPECT_EQ(r1c1->formula.toText(2, 2, RefStyle::A1), u"A2");
    EXPECT_EQ(cache.size(), 3u);
    ParseError error;
    EXPECT_FALSE(cache.parse(u"1+", 2, 2, RefStyle::A1, &error));
    EXPECT_FALSE(error.message.empty());
    EXPECT_EQ(cache.size(), 3u);   // failures are not kept
    EXPECT_EQ(first->formula.toText(2, 2, RefStyle::A1), u"A1+B$1");
    EXPECT_EQ(first->key, first->formula.key());
}

// Cells written through the sheet compute from the kept programs as from fresh ones.
TEST(FormulaCache, SheetsComputeTheSameFromKeptPrograms) {
    FormulaCache::instance().clear();
    for (int pass = 0; pass < 2; ++pass) {
        Sheet sheet;
        sheet.setMaxCols(3);
        sheet.setMaxRows(3);
        sheet.setValue(1, 1, u"2");
        sheet.setValue(1, 2, u"5");
        ASSERT_TRUE(sheet.setFormula(2, 1, u"A1*10"));
        ASSERT_TRUE(sheet.setFormula(2, 2, u"A2*10"));
        ASSERT_TRUE(sheet.setFormula(3, 1, u"$A$1+B2"));
        EXPECT_EQ(sheet.text(2, 1, TextKind::Value), u"20");
        EXPECT_EQ(sheet.text(2, 2, TextKind::Value), u"50");
        EXPECT_EQ(sheet.text(3, 1, TextKind::Value), u"52");
        EXPECT_EQ(sheet.text(2, 2, TextKind::Formula), u"A2*10");
    }
}

TEST(FormulaCache, StartsAgainWhenFull) {
    FormulaCache& cache = FormulaCache::instance();
    cache.clear();
    for (int row = 1; row <= static_cast<int>(FormulaCache::kMaxPrograms); ++row)
        ASSERT_TRUE(cache.parse(u"1", 1, row, RefStyle::A1));
    EXPECT_EQ(cache.size(), FormulaCache::kMaxPrograms);
    ASSERT_TRUE(cache.parse(u"1", 2, 1, RefStyle::A1));
    EXPECT_EQ(cache.size(), 1u);
}

// A formula filled down a column is one program: its references are kept as offsets from the cell.
TEST(FormulaCache, EqualProgramsAreOneObject) {
    FormulaCache& cache = FormulaCache::instance();
    cache.clear();
    const auto first = cache.parse(u"A1*10", 2, 1, RefStyle::A1);
    const auto second = cache.parse(u"A2*10", 2, 2, RefStyle::A1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first, second);
    Formula moved = first->formula;
    EXPECT_EQ(cache.share(std::move(moved)), first);
    EXPECT_NE(cache.parse(u"A1*10", 2, 2, RefStyle::A1), first);   // another offset
}
