#include <gtest/gtest.h>

#include "grid/FormulaCache.h"
#include "grid/Sheet.h"
#include "os/utf16.h"

#include <map>
#include <string>
#include <vector>

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
        ASSERT_TRUE(cache.parse(u"A1", 1, row, RefStyle::A1));   // another offset, another program, each row
    EXPECT_EQ(cache.size(), FormulaCache::kMaxPrograms);
    ASSERT_TRUE(cache.parse(u"A1", 2, 1, RefStyle::A1));
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

// Looked up by shape, a filled-down column is one entry; by cell, each cell keeps its own, and the two kinds of
// keys never answer for each other.
TEST(FormulaCache, ShapeKeysServeAColumnCellKeysACell) {
    FormulaCache& cache = FormulaCache::instance();
    cache.clear();
    using KeyBy = FormulaCache::KeyBy;
    for (int row = 1; row <= 3; ++row) {
        const std::u16string text = u"A" + std::u16string(1, static_cast<char16_t>(u'0' + row)) + u"*10";
        ASSERT_TRUE(cache.parse(text, 2, row, RefStyle::A1, nullptr, KeyBy::Shape));
    }
    EXPECT_EQ(cache.size(), 1u);
    ASSERT_TRUE(cache.parse(u"A1*10", 2, 1, RefStyle::A1));
    ASSERT_TRUE(cache.parse(u"A2*10", 2, 2, RefStyle::A1));
    EXPECT_EQ(cache.size(), 3u);
    // A cell's key is found again; the program is the one the shape gave, shared by content.
    EXPECT_EQ(cache.parse(u"A1*10", 2, 1, RefStyle::A1), cache.parse(u"A3*10", 2, 3, RefStyle::A1, nullptr,
                                                                     KeyBy::Shape));
    EXPECT_EQ(cache.size(), 3u);
}

// Formulas of one shape are parsed once: whatever the texts and cells, an equal shape must mean an equal
// program, or a failure for both.
TEST(FormulaCache, FormulasOfOneShapeParseAlike) {
    const std::u16string_view templates[] = {
        u"{0}+{1}*0.5", u"SUM({0}:{1})", u"{0} : {1}", u"IF({0}>50,{1},-{1})", u"\"{0}\"&{1}", u"LOG10({0})",
        u"{0} (2)", u"{0}$", u"{0}{1}", u"sum({0}:{1})", u"\"a\"\"{0}\"&{1}", u"{0}:{1}:{0}", u"1E{0}",
        u"{0}.{1}", u"=  {0}", u"\"{0}",
    };
    struct Target {
        int col, row;
    };
    const Target targets[] = {{1, 1}, {1, 5}, {3, 2}, {27, 9}};
    const Target cells[] = {{1, 1}, {2, 3}, {4, 6}, {3, 2}};
    std::vector<std::u16string> refs;
    for (const Target& t : targets)
        for (int dollars = 0; dollars < 4; ++dollars)
            refs.push_back((dollars & 1 ? u"$" : u"") + columnLetters(t.col) + (dollars & 2 ? u"$" : u"") +
                           os::toUtf16(std::to_string(t.row)));
    std::map<std::u16string, std::string> programOfShape;   // empty: the text does not parse
    std::size_t shared = 0;
    std::u16string shape;
    for (std::u16string_view pattern : templates)
        for (const std::u16string& first : refs)
            for (const std::u16string& second : refs) {
                std::u16string text(pattern);
                for (std::size_t at; (at = text.find(u"{0}")) != std::u16string::npos;)
                    text.replace(at, 3, first);
                for (std::size_t at; (at = text.find(u"{1}")) != std::u16string::npos;)
                    text.replace(at, 3, second);
                for (const Target& cell : cells) {
                    if (!formulaShape(text, cell.col, cell.row, shape))
                        continue;
                    Formula formula;
                    const std::string program =
                        parseFormula(text, cell.col, cell.row, RefStyle::A1, formula) ? formula.key() : "";
                    const auto [it, added] = programOfShape.emplace(shape, program);
                    if (!added) {
                        ++shared;
                        ASSERT_EQ(it->second, program) << os::toUtf8(text) << " at " << cell.col << "," << cell.row;
                    }
                }
            }
    EXPECT_GT(shared, 1000u);   // the shapes do join texts
    std::u16string other;
    ASSERT_TRUE(formulaShape(u"B1+A2*0.5", 2, 2, shape) && formulaShape(u"B2+A3*0.5", 2, 3, other));
    EXPECT_EQ(shape, other);
    ASSERT_TRUE(formulaShape(u"\"A1\"", 1, 1, shape) && formulaShape(u"\"A2\"", 1, 2, other));
    EXPECT_NE(shape, other);
    ASSERT_TRUE(formulaShape(u"SUM($A$5:A1)", 1, 1, shape) && formulaShape(u"SUM($A$5:A10)", 1, 10, other));
    EXPECT_NE(shape, other);   // the corners are ordered differently
    EXPECT_FALSE(formulaShape(u"#N/A1", 1, 1, shape));
    EXPECT_FALSE(formulaShape(u"\u00C4+A1", 1, 1, shape));
}
