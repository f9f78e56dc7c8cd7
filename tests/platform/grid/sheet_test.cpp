#include <gtest/gtest.h>

#include "grid/Sheet.h"

using namespace grid;

namespace {

struct SheetTest : ::testing::Test {
    SheetTest() {
        sheet.setMaxCols(10);
        sheet.setMaxRows(20);
    }
    Sheet sheet;
};

} // namespace

TEST_F(SheetTest, CountsRefuseNegativeAndHugeValues) {
    EXPECT_FALSE(sheet.setMaxRows(-1));
    EXPECT_FALSE(sheet.setMaxCols(-5));
    EXPECT_FALSE(sheet.setMaxRows(kMaxRows + 1));
    EXPECT_FALSE(sheet.setMaxCols(kMaxCols + 1));
    EXPECT_EQ(sheet.maxRows(), 20);
    EXPECT_EQ(sheet.maxCols(), 10);
    EXPECT_TRUE(sheet.setMaxRows(1000000));
}

TEST_F(SheetTest, WritesOutsideTheCountsAreRefusedAndReadsAreEmpty) {
    EXPECT_FALSE(sheet.setData(11, 1, u"x"));
    EXPECT_FALSE(sheet.setData(1, 21, u"x"));
    EXPECT_FALSE(sheet.setFormula(1, 21, u"1"));
    EXPECT_FALSE(sheet.setData(-1, 1, u"x"));
    EXPECT_EQ(sheet.valueText(11, 1), u"");
    EXPECT_TRUE(sheet.setData(10, 20, u"corner"));
    EXPECT_EQ(sheet.data(10, 20), u"corner");
}

TEST_F(SheetTest, HeadersAreAddressedByTheHeaderIndexAndByZero) {
    EXPECT_EQ(sheet.data(3, kHeaderIndex), u"C");
    EXPECT_EQ(sheet.data(kHeaderIndex, 7), u"7");
    EXPECT_TRUE(sheet.setData(2, kHeaderIndex, u"Size"));
    EXPECT_EQ(sheet.data(2, 0), u"Size");
    EXPECT_TRUE(sheet.setData(0, 4, u"Row four"));
    EXPECT_EQ(sheet.valueText(kHeaderIndex, 4), u"Row four");
    EXPECT_FALSE(sheet.setFormula(2, kHeaderIndex, u"1+1"));
}

TEST_F(SheetTest, TheCornerCellCarriesATag) {
    EXPECT_TRUE(sheet.setTag(0, 0, u"settings text"));
    EXPECT_EQ(sheet.tag(kHeaderIndex, kHeaderIndex), u"settings text");
    EXPECT_EQ(sheet.text(0, 0, TextKind::Tag), u"settings text");
    EXPECT_EQ(sheet.data(0, 0), u"");
}

TEST_F(SheetTest, TheFourTextKindsReadDataFormulaTagAndValue) {
    CellType number;
    number.kind = CellKind::Number;
    number.decimals = 2;
    sheet.setCellType(1, 1, number);
    sheet.setData(1, 1, u"3.14159");
    sheet.setTag(1, 1, u"pi");
    sheet.setFormula(2, 1, u"A1*2");
    EXPECT_EQ(sheet.text(1, 1, TextKind::Data), u"3.14");
    EXPECT_EQ(sheet.text(1, 1, TextKind::Value), u"3.14159");
    EXPECT_EQ(sheet.text(1, 1, TextKind::Tag), u"pi");
    EXPECT_EQ(sheet.text(1, 1, TextKind::Formula), u"");
    EXPECT_EQ(sheet.text(2, 1, TextKind::Formula), u"A1*2");
    EXPECT_EQ(sheet.text(2, 1, TextKind::Value), u"6.28318");
}

TEST_F(SheetTest, NumberCellsKeepEmptyValuesAndTextThatIsNoNumber) {
    CellType number;
    number.kind = CellKind::Number;
    number.decimals = 7;
    number.separator = true;
    sheet.setCellType(1, 1, number);
    sheet.setData(1, 1, u"");
    EXPECT_EQ(sheet.data(1, 1), u"");
    EXPECT_TRUE(sheet.value(1, 1).isEmpty());
    sheet.setData(1, 1, u"IPE-200");
    EXPECT_EQ(sheet.valueText(1, 1), u"IPE-200");
    sheet.setData(1, 1, u"1234.5");
    EXPECT_EQ(sheet.data(1, 1), u"1,234.5000000");
    EXPECT_EQ(sheet.valueText(1, 1), u"1234.5");
}

// Numbers read from text: decimals as the C library reads them, whatever the locale, and nothing else.
TEST(NumberText, ReadsDecimalsWithSignsExponentsAndPercent) {
    const auto read = [](std::u16string_view text) {
        double n = -1;
        return parseNumber(text, n) ? n : -999.0;
    };
    EXPECT_EQ(read(u" 12.5 "), 12.5);
    EXPECT_EQ(read(u"-.5"), -0.5);
    EXPECT_EQ(read(u"+5"), 5);
    EXPECT_EQ(read(u"1.5e+3"), 1500);
    EXPECT_EQ(read(u"12%"), 0.12);
    EXPECT_EQ(read(u"0.1"), 0.1);
    EXPECT_EQ(read(u"1e-400"), 0);   // too small to hold: nought, as strtod reads it
    EXPECT_EQ(read(u"1e400"), -999.0);
    EXPECT_EQ(read(u"+-5"), -999.0);
    EXPECT_EQ(read(u"1.2.3"), -999.0);
    EXPECT_EQ(read(u"."), -999.0);
    EXPECT_EQ(read(u"inf"), -999.0);
    EXPECT_EQ(read(u"0x10"), -999.0);
}

TEST_F(SheetTest, EditCellsKeepTextBeyondTheirTypingLimit) {
    CellType edit;
    edit.kind = CellKind::Edit;
    edit.maxLength = 3;
    sheet.setCellType(1, 1, edit);
    sheet.setData(1, 1, u"longer than three");
    EXPECT_EQ(sheet.data(1, 1), u"longer than three");
    sheet.setData(1, 2, u"007");
    EXPECT_EQ(sheet.valueText(1, 2), u"7");   // a general cell reads numbers
    sheet.setData(1, 1, u"007");
    EXPECT_EQ(sheet.valueText(1, 1), u"007");
}

TEST_F(SheetTest, TypeCodesTheModuleComparesAreFixed) {
    const std::pair<CellKind, int> codes[] = {
        {CellKind::ComboBox, 8}, {CellKind::Integer, 10}, {CellKind::CheckBox, 12}, {CellKind::Number, 14}};
    for (auto [kind, code] : codes) {
        CellType t;
        t.kind = kind;
        sheet.setCellType(2, 2, t);
        EXPECT_EQ(sheet.typeCode(2, 2), code);
    }
    CellType combo;
    combo.kind = CellKind::ComboBox;
    combo.text = u"a\tb\tc";
    sheet.setCellType(Block{1, 1, 3, -1}, combo);
    EXPECT_EQ(sheet.cellType(3, 20).text, u"a\tb\tc");
    EXPECT_EQ(sheet.typeCode(4, 1), 0);
}

TEST_F(SheetTest, FormattingAttributesAreStoredPerCell) {
    EXPECT_FALSE(sheet.locked(1, 1));
    sheet.setLocked(Block{1, 1, 1, -1}, true);
    EXPECT_TRUE(sheet.locked(1, 20));
    EXPECT_FALSE(sheet.locked(2, 1));
    sheet.setFont(1, 1, Font{u"Tahoma", 15, true});
    EXPECT_EQ(sheet.font(1, 1)->face, u"Tahoma");
    EXPECT_TRUE(sheet.font(1, 1)->bold);
    EXPECT_FALSE(sheet.font(2, 1).has_value());
    std::uint32_t back = 0, fore = 0;
    EXPECT_FALSE(sheet.colours(1, 1, back, fore));
    sheet.setColours(1, 1, 0xE6E6E6, 0x8000000B);
    EXPECT_TRUE(sheet.colours(1, 1, back, fore));
    EXPECT_EQ(back, 0xE6E6E6u);
    EXPECT_EQ(fore, 0x8000000Bu);
    sheet.setBorder(1, 1, Border{2, 6, 0});
    EXPECT_EQ(sheet.border(1, 1)->kind, 2);
}

TEST_F(SheetTest, SpansAreFoundFromAnyCoveredCellAndMayNotOverlap) {
    EXPECT_TRUE(sheet.addSpan(2, 3, 2, 3));
    Span s;
    EXPECT_TRUE(sheet.spanAt(3, 5, s));
    EXPECT_EQ(s, (Span{2, 3, 2, 3}));
    EXPECT_FALSE(sheet.spanAt(4, 5, s));
    EXPECT_FALSE(sheet.addSpan(3, 4, 1, 1));
    EXPECT_FALSE(sheet.addSpan(1, 1, 0, 1));
    EXPECT_TRUE(sheet.removeSpan(2, 3));
    EXPECT_FALSE(sheet.spanAt(3, 5, s));
    EXPECT_FALSE(sheet.removeSpan(2, 3));
}

TEST_F(SheetTest, SizesAreKeptInGridUnitsAndPixels) {
    EXPECT_TRUE(sheet.setColumnWidth(2, 10));
    EXPECT_EQ(sheet.columnWidthPx(2), 84);
    EXPECT_TRUE(sheet.setColumnWidthPx(3, 100));
    EXPECT_EQ(sheet.columnWidthPx(3), 100);
    EXPECT_TRUE(sheet.setColumnWidth(kHeaderIndex, 5));
    EXPECT_DOUBLE_EQ(sheet.columnWidth(0), 5);
    EXPECT_TRUE(sheet.setRowHeightPx(4, 40));
    EXPECT_EQ(sheet.rowHeightPx(4), 40);
    EXPECT_FALSE(sheet.setColumnWidth(11, 5));
    EXPECT_FALSE(sheet.setRowHeight(1, -2));
}

TEST_F(SheetTest, SwitchesAndPropertiesAreStored) {
    EXPECT_TRUE(sheet.switchOn(kSwitchAutoCalc));
    EXPECT_TRUE(sheet.switchOn(kSwitchRowHeaders));
    EXPECT_FALSE(sheet.switchOn(kSwitchModified));
    sheet.setSwitch(13, true);
    EXPECT_TRUE(sheet.switchOn(13));
    sheet.setProperty(1, -1);
    EXPECT_EQ(sheet.property(1), -1);
    EXPECT_EQ(sheet.property(99, 7), 7);
}

TEST_F(SheetTest, ResetEmptiesEverything) {
    sheet.setData(1, 1, u"x");
    sheet.setTag(0, 0, u"t");
    sheet.addSpan(1, 1, 2, 2);
    sheet.setSwitch(kSwitchAutoCalc, false);
    sheet.reset();
    EXPECT_EQ(sheet.maxCols(), 0);
    EXPECT_TRUE(sheet.spans().empty());
    EXPECT_TRUE(sheet.switchOn(kSwitchAutoCalc));
    sheet.setMaxCols(1);
    sheet.setMaxRows(1);
    EXPECT_EQ(sheet.data(1, 1), u"");
    EXPECT_EQ(sheet.tag(0, 0), u"");
}

TEST_F(SheetTest, WritingDataReplacesAFormula) {
    sheet.setFormula(1, 1, u"=2+2");
    EXPECT_TRUE(sheet.hasFormula(1, 1));
    sheet.setData(1, 1, u"5");
    EXPECT_FALSE(sheet.hasFormula(1, 1));
    EXPECT_EQ(sheet.formula(1, 1), u"");
    EXPECT_EQ(sheet.valueText(1, 1), u"5");
}

TEST_F(SheetTest, ARefusedFormulaLeavesTheCellAsItWas) {
    sheet.setFormula(1, 1, u"1+1");
    ParseError error;
    EXPECT_FALSE(sheet.setFormula(1, 1, u"1+*", &error));
    EXPECT_FALSE(error.message.empty());
    EXPECT_EQ(sheet.formula(1, 1), u"1+1");
    EXPECT_EQ(sheet.valueText(1, 1), u"2");
}

TEST_F(SheetTest, RowsDeletedAndInsertedCarryTheirHeadersSpansAndSizes) {
    sheet.setData(0, 5, u"five");
    sheet.setRowHeight(5, 30);
    sheet.addSpan(1, 5, 2, 1);
    sheet.insertRows(2, 2);
    EXPECT_EQ(sheet.data(0, 7), u"five");
    EXPECT_DOUBLE_EQ(sheet.rowHeight(7), 30);
    Span s;
    EXPECT_TRUE(sheet.spanAt(2, 7, s));
    sheet.deleteRows(7, 1);
    EXPECT_FALSE(sheet.spanAt(2, 7, s));
    EXPECT_EQ(sheet.data(0, 7), u"7");
}

TEST_F(SheetTest, CopyingARowCopiesItsHeaderAndAttributes) {
    sheet.setData(0, 2, u"head");
    sheet.setData(1, 2, u"a");
    sheet.setLocked(1, 2, true);
    sheet.setFormula(2, 2, u"A2&\"!\"");
    EXPECT_TRUE(sheet.copyBlock(Block{0, 2, 10, 2}, 0, 5));
    EXPECT_EQ(sheet.data(0, 5), u"head");
    EXPECT_TRUE(sheet.locked(1, 5));
    EXPECT_EQ(sheet.formula(2, 5), u"A5&\"!\"");
    EXPECT_EQ(sheet.valueText(2, 5), u"a!");
}

TEST_F(SheetTest, ShrinkingDropsTheOuterCellsAndGrowingShowsThemEmpty) {
    sheet.setData(1, 20, u"last");
    sheet.setFormula(1, 1, u"A20&\"!\"");
    EXPECT_EQ(sheet.valueText(1, 1), u"last!");
    EXPECT_TRUE(sheet.setMaxRows(10));
    EXPECT_EQ(sheet.valueText(1, 1), u"!");
    EXPECT_TRUE(sheet.setMaxRows(20));
    EXPECT_EQ(sheet.data(1, 20), u"");
}

// The store keeps its memory across a reset; nothing of the old contents may show through it.
TEST_F(SheetTest, AResetSheetKeepsNoTraceOfItsCells) {
    for (int row = 1; row <= 20; ++row) {
        sheet.setValue(1, row, u"7");
        sheet.setFormula(2, row, u"A1*2");
        sheet.setTag(3, row, u"old");
    }
    sheet.reset();
    sheet.setMaxCols(10);
    sheet.setMaxRows(20);
    for (int row = 1; row <= 20; ++row) {
        EXPECT_EQ(sheet.text(1, row, TextKind::Value), u"");
        EXPECT_FALSE(sheet.hasFormula(2, row));
        EXPECT_EQ(sheet.text(3, row, TextKind::Tag), u"");
    }
    sheet.setValue(1, 5, u"3");
    ASSERT_TRUE(sheet.setFormula(4, 1, u"SUM(A1:C20)"));
    EXPECT_EQ(sheet.text(4, 1, TextKind::Value), u"3");
    sheet.setValue(2, 7, u"4");
    EXPECT_EQ(sheet.text(4, 1, TextKind::Value), u"7");
}

// Cells given the same type share it; changing one cell's type leaves the others as they were.
TEST_F(SheetTest, CellsOfOneTypeStayIndependent) {
    CellType number;
    number.kind = CellKind::Number;
    number.decimals = 3;
    ASSERT_TRUE(sheet.setCellType(1, 1, number));
    ASSERT_TRUE(sheet.setCellType(1, 2, number));
    CellType text;
    text.kind = CellKind::Edit;
    text.maxLength = 20;
    ASSERT_TRUE(sheet.setCellType(1, 2, text));
    ASSERT_TRUE(sheet.setCellType(1, 3, number));
    EXPECT_EQ(sheet.cellType(1, 1), number);
    EXPECT_EQ(sheet.cellType(1, 2), text);
    EXPECT_EQ(sheet.cellType(1, 3), number);
    sheet.setNumber(1, 1, 2.5);
    EXPECT_EQ(sheet.text(1, 1, TextKind::Data), u"2.500");
}

// Cells given the same font share it, as rows and columns of them are; changing one leaves the others.
TEST_F(SheetTest, CellsOfOneFontStayIndependent) {
    const Font plain{u"Tahoma", 15};
    const Font bold{u"Tahoma", 15, true};
    ASSERT_TRUE(sheet.setFont(Block{1, 1, 3, 1}, plain));
    ASSERT_TRUE(sheet.setFont(2, 1, bold));
    EXPECT_EQ(sheet.font(1, 1), plain);
    EXPECT_EQ(sheet.font(2, 1), bold);
    EXPECT_EQ(sheet.font(3, 1), plain);
    EXPECT_FALSE(sheet.font(4, 1).has_value());
}

namespace {

using Places = std::vector<std::pair<int, int>>;   // column, row

Places inReadingOrder(const Sheet& sheet, const Block& block) {
    Places places;
    sheet.forEachCellInReadingOrder(block, [&](int col, int row) {
        places.emplace_back(col, row);
        return true;
    });
    return places;
}

} // namespace

// Work that reads a sheet cell by cell visits the cells it stores, in the order a scan row by row would meet
// them, whatever size the sheet declares.
TEST_F(SheetTest, StoredCellsAreVisitedInReadingOrder) {
    sheet.setData(3, 2, u"c");
    sheet.setData(1, 5, u"e");
    sheet.setFormula(2, 2, u"1+1");
    sheet.setLocked(4, 9, true);   // an attribute alone stores a cell too
    sheet.setData(7, 1, u"a");
    sheet.setData(kHeaderIndex, 2, u"row header");
    EXPECT_EQ(inReadingOrder(sheet, Block{1, 1, -1, -1}), (Places{{7, 1}, {2, 2}, {3, 2}, {1, 5}, {4, 9}}));
    EXPECT_EQ(inReadingOrder(sheet, Block{2, 2, 3, 5}), (Places{{2, 2}, {3, 2}}));
    EXPECT_EQ(inReadingOrder(sheet, Block{0, 2, 1, 2}), (Places{{0, 2}}));
    EXPECT_TRUE(inReadingOrder(sheet, Block{5, 5, 4, 4}).empty());

    // The visitor may write: the cells it makes are not visited, and false ends the walk.
    Places seen;
    sheet.forEachCellInReadingOrder(Block{1, 1, -1, -1}, [&](int col, int row) {
        seen.emplace_back(col, row);
        sheet.setData(10, 20, u"made on the way");
        return row < 5;
    });
    EXPECT_EQ(seen, (Places{{7, 1}, {2, 2}, {3, 2}, {1, 5}}));

    // A dense block stored in another order (a document stores its values before its formulas).
    Sheet dense;
    dense.setMaxCols(6);
    dense.setMaxRows(6);
    Places expected;
    for (int row = 1; row <= 6; ++row)
        for (int col = 1; col <= 6; ++col)
            if ((col + row) % 5 != 0)
                expected.emplace_back(col, row);
    for (int col = 6; col >= 1; --col)
        for (int row = (col % 2 ? 1 : 6); row >= 1 && row <= 6; row += col % 2 ? 1 : -1)
            if ((col + row) % 5 != 0)
                dense.setData(col, row, u"x");
    EXPECT_EQ(inReadingOrder(dense, Block{1, 1, -1, -1}), expected);
    Places denseSeen;
    dense.forEachCellInReadingOrder(Block{1, 1, -1, -1}, [&](int col, int row) {
        denseSeen.emplace_back(col, row);
        dense.setData(5, 5, u"made on the way");   // an empty place of the dense block
        return true;
    });
    EXPECT_EQ(denseSeen, expected);
}

// A big sheet's cells live in blocks of their own, past the first 65,536; clearing gives those back and keeps
// the first, and each cell keeps its value through both.
TEST(SheetCells, ManyCellsKeepTheirValuesThroughClearingAndRefilling) {
    Sheet sheet;
    ASSERT_TRUE(sheet.setMaxCols(3));
    ASSERT_TRUE(sheet.setMaxRows(60000));
    const auto fill = [&](int rows, double offset) {
        for (int row = 1; row <= rows; ++row)
            for (int col = 1; col <= 3; ++col)
                sheet.setNumber(col, row, row * 10 + col + offset);
    };
    const auto holds = [&](int rows, double offset) {
        for (int row = 1; row <= rows; row += 997)
            for (int col = 1; col <= 3; ++col)
                if (sheet.value(col, row).numberValue() != row * 10 + col + offset)
                    return false;
        return sheet.value(3, rows).numberValue() == rows * 10 + 3 + offset && sheet.value(1, rows + 1).isEmpty();
    };
    fill(60000, 0);   // 180,000 cells: the kept ones and two blocks more
    EXPECT_TRUE(holds(60000, 0));
    sheet.clearDocument();
    ASSERT_TRUE(sheet.setMaxCols(3));
    ASSERT_TRUE(sheet.setMaxRows(60000));
    EXPECT_TRUE(sheet.value(2, 30000).isEmpty());
    fill(30000, 0.5);
    EXPECT_TRUE(holds(30000, 0.5));
    sheet.reset();
    EXPECT_TRUE(sheet.value(1, 1).isEmpty());
}

TEST(SheetExtent, TheLargestSheetCostsWhatItHolds) {
    Sheet sheet;
    ASSERT_TRUE(sheet.setMaxCols(kMaxCols));
    ASSERT_TRUE(sheet.setMaxRows(kMaxRows));
    sheet.setData(3, 1, u"x");
    sheet.setFormula(1, 4000000, u"C1&\"!\"");
    sheet.setLocked(kMaxCols, kMaxRows, true);   // holds no value: no part of the extent
    int cols = 0, rows = 0;
    sheet.contentExtent(cols, rows);
    EXPECT_EQ(cols, 3);
    EXPECT_EQ(rows, 4000000);
    EXPECT_EQ(inReadingOrder(sheet, Block{1, 1, -1, -1}), (Places{{3, 1}, {1, 4000000}, {kMaxCols, kMaxRows}}));
    sheet.recalcAll();
    EXPECT_EQ(sheet.valueText(1, 4000000), u"x!");
}
