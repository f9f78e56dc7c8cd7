// The grid wrapper's transfers of texts and numbers, cell types and locks, and the sheet's size.
#include "support/sheetTestSupport.h"

#include "support/TempFolder.h"
#include "grid/SpreadWindow.h"
#include "os/files.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

namespace {

using sheettest::SheetTest;

// ---- Before the grid window exists

using NotCreated = SheetTest;

TEST_F(NotCreated, CountsAreMinusOneAndEverySetterRefuses) {
    Ork_Spread& g = *m_grid;
    EXPECT_EQ(g.getMaxRows(), -1);
    EXPECT_EQ(g.getMaxCols(), -1);
    EXPECT_FALSE(g.setMaxRows(3));
    EXPECT_FALSE(g.setMaxCols(3));
    EXPECT_FALSE(g.setStandardLook(1));
    EXPECT_FALSE(g.setCellInt(1, 1, 5));
    EXPECT_FALSE(g.setCellDouble(1, 1, 5));
    EXPECT_FALSE(g.setColumnTexts(1, {u"a"}));
    EXPECT_FALSE(g.setRowTexts(1, {u"a"}));
    EXPECT_FALSE(g.setColumnHeaderTexts({u"a"}));
    EXPECT_FALSE(g.setTextCells(1, 1));
    EXPECT_FALSE(g.setNumberCell(1, 1, 2, false));
    EXPECT_FALSE(g.setCheckBoxColumn(1, false, false));
    EXPECT_FALSE(g.setCellLock(1, 1, true));
    EXPECT_FALSE(g.setCheckColumnLink(1, 2));
    EXPECT_FALSE(g.insertRowAt(1, false, false));
    EXPECT_EQ(g.appendRow(false), -1);
    EXPECT_FALSE(g.deleteRow(1));
    EXPECT_FALSE(g.moveRows(1, 1, 1));
    EXPECT_FALSE(g.mergeEqualCellsInColumn(1));
    EXPECT_FALSE(g.setSelection(1, 1, 1, 1));
    EXPECT_FALSE(g.applyFitMode());
    EXPECT_FALSE(g.resetFonts(true));
    EXPECT_FALSE(g.openFindDialog());
    int c = 0, r = 0;
    EXPECT_FALSE(g.findNext(u"a", 1, 1, c, r));
    Ork_String t = u"old";
    EXPECT_FALSE(g.getCellText(1, 1, t));
    EXPECT_TRUE(t.isEmpty());
    EXPECT_EQ(g.getCellTypeCode(1, 1), -1);
    EXPECT_FALSE(g.isWindow());
}

// ---- Creation in place

using CreateInPlace = SheetTest;

TEST_F(CreateInPlace, TakesThePlaceholdersRectangleAndId) {
    ASSERT_TRUE(m_grid->createInPlace(m_dialog.get(), sheettest::kPlaceholderId));
    EXPECT_EQ(m_grid->getRectInParent(), (ui::Rect{10, 10, 310, 210}));
    EXPECT_EQ(m_dialog->getDlgItem(sheettest::kPlaceholderId), m_grid.get());
    EXPECT_TRUE(m_grid->isClass(u"fpUSpread70"));
    EXPECT_TRUE(m_grid->isWindowVisible());
    EXPECT_EQ(m_grid->getMaxRows(), 0);
    EXPECT_EQ(m_grid->getMaxCols(), 0);
    EXPECT_EQ(m_grid->controlId(), sheettest::kPlaceholderId);
}

TEST_F(CreateInPlace, WithoutTheOffsetKeepsTheFrameAllowance) {
    ASSERT_TRUE(m_grid->createInPlace(m_dialog.get(), sheettest::kPlaceholderId, true));
    EXPECT_EQ(m_grid->getRectInParent(), (ui::Rect{15, 30, 315, 230}));
}

TEST_F(CreateInPlace, FailsWithoutParentOrPlaceholder) {
    EXPECT_FALSE(m_grid->createInPlace(nullptr, sheettest::kPlaceholderId));
    EXPECT_FALSE(m_grid->createInPlace(m_dialog.get(), 4711));
    EXPECT_FALSE(m_grid->isCreated());
    EXPECT_NE(m_dialog->getDlgItem(sheettest::kPlaceholderId), nullptr);
}

// ---- Texts and numbers

using CellTexts = SheetTest;

TEST_F(CellTexts, ReadsEachKind) {
    Ork_Spread& g = grid();
    g.ssSetData(1, 1, u"12.5");
    g.ssSetCellTag(1, 1, u"tagged");
    EXPECT_EQ(text(1, 1, 0), u"12.5");
    EXPECT_EQ(text(1, 1, 2), u"tagged");
    EXPECT_EQ(text(1, 1, 3), u"12.5");
    EXPECT_EQ(text(1, 1, 1), u"");
}

TEST_F(CellTexts, ReadingBeyondTheSheetFailsWithAnEmptyText) {
    Ork_Spread& g = grid(3, 4);
    Ork_String t = u"old";
    EXPECT_FALSE(g.getCellText(4, 1, t));
    EXPECT_TRUE(t.isEmpty());
    EXPECT_FALSE(g.getCellText(1, 5, t));
    EXPECT_TRUE(g.getCellText(1, 4, t));
}

TEST_F(CellTexts, NumbersAsTheHostWritesThem) {
    Ork_Spread& g = grid();
    EXPECT_TRUE(g.setCellInt(1, 1, -42));
    EXPECT_TRUE(g.setCellDouble(2, 1, 2.675));
    EXPECT_EQ(text(1, 1), u"-42");
    EXPECT_EQ(text(2, 1, 0), u"2.68");
    int i = 0;
    double d = 0;
    EXPECT_TRUE(g.getCellInt(1, 1, i));
    EXPECT_TRUE(g.getCellDouble(2, 1, d));
    EXPECT_EQ(i, -42);
    EXPECT_DOUBLE_EQ(d, 2.68);
    g.ssSetData(3, 1, u"7 mm");
    EXPECT_TRUE(g.getCellInt(3, 1, i));
    EXPECT_EQ(i, 7);
}

TEST_F(CellTexts, ColumnsTakeAsManyTextsAsThereAreRows) {
    Ork_Spread& g = grid(3, 3);
    EXPECT_TRUE(g.setColumnTexts(2, {u"a", u"b", u"c", u"d"}));
    Ork_StringArray out;
    EXPECT_TRUE(g.getColumnTexts(2, out));
    EXPECT_EQ(out, (Ork_StringArray{u"a", u"b", u"c"}));
    EXPECT_FALSE(g.setColumnTexts(4, {u"x"}));
    EXPECT_FALSE(g.getColumnTexts(4, out));
}

TEST_F(CellTexts, TypedColumnsRoundTrip) {
    Ork_Spread& g = grid(3, 3);
    Ork_Array<int> ints;
    for (int v : {3, -1, 0}) ints.append(v);
    Ork_Array<double> doubles;
    for (double v : {1.5, 2.25, -0.004}) doubles.append(v);
    Ork_Array<bool> bools;
    for (bool v : {true, false, true}) bools.append(v);
    EXPECT_TRUE(g.setColumnInts(1, ints));
    EXPECT_TRUE(g.setColumnDoubles(2, doubles));
    EXPECT_TRUE(g.setColumnBools(3, bools));
    EXPECT_EQ(text(2, 2, 0), u"2.25");
    EXPECT_EQ(text(2, 3), u"0");   // -0.004 with two decimals
    EXPECT_EQ(text(3, 2), u"0");
    Ork_Array<int> intsBack;
    Ork_Array<double> doublesBack;
    Ork_Array<bool> boolsBack;
    EXPECT_TRUE(g.getColumnInts(1, intsBack));
    EXPECT_TRUE(g.getColumnDoubles(2, doublesBack));
    EXPECT_TRUE(g.getColumnBools(3, boolsBack));
    ASSERT_EQ(intsBack.length(), 3);
    EXPECT_EQ(intsBack[1], -1);
    EXPECT_DOUBLE_EQ(doublesBack[0], 1.5);
    EXPECT_TRUE(boolsBack[0]);
    EXPECT_FALSE(boolsBack[1]);
}

TEST_F(CellTexts, RowsAndAllRows) {
    Ork_Spread& g = grid(2, 2);
    EXPECT_TRUE(g.setRowTexts(1, {u"a", u"b", u"extra"}));
    EXPECT_TRUE(g.setRowTexts(2, {u"c"}, true));
    Ork_Array<Ork_StringArray> rows;
    EXPECT_TRUE(g.getAllRows(rows));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0], (Ork_StringArray{u"a", u"b"}));
    EXPECT_EQ(rows[1], (Ork_StringArray{u"c", u""}));
    EXPECT_FALSE(g.setRowTexts(3, {u"x"}));
    EXPECT_TRUE(g.clearRows(1, 2));
    EXPECT_EQ(text(2, 1), u"");
    EXPECT_EQ(text(1, 2), u"");
}

TEST_F(CellTexts, HeaderTexts) {
    Ork_Spread& g = grid(2, 2);
    EXPECT_TRUE(g.setColumnHeaderTexts({u"Name", u"Value"}));
    EXPECT_TRUE(g.setRowHeaderTexts({u"first", u"second"}));
    Ork_StringArray headers;
    EXPECT_TRUE(g.getColumnHeaderTexts(headers));
    EXPECT_EQ(headers, (Ork_StringArray{u"Name", u"Value"}));
    EXPECT_EQ(text(Ork_Spread::kHeader, 2), u"second");
}

TEST_F(CellTexts, IndexListOutsideTheRowsBecomesZero) {
    Ork_Spread& g = grid(1, 3);
    Ork_Array<int> list;
    for (int v : {2, 4, -1}) list.append(v);
    EXPECT_TRUE(g.setColumnIndexList(1, list));
    Ork_StringArray out;
    g.getColumnTexts(1, out);
    EXPECT_EQ(out, (Ork_StringArray{u"2", u"0", u"0"}));
}

// ---- Cell types and locks

using CellTypes = SheetTest;

TEST_F(CellTypes, TypeCodesOfTheBuilders) {
    Ork_Spread& g = grid(4, 3);
    EXPECT_TRUE(g.setNumberCell(1, 1, 3, true));
    EXPECT_TRUE(g.setListColumn(2, {u"IPE", u"HEA"}, false));
    EXPECT_TRUE(g.setCheckBoxColumn(3, true, false));
    EXPECT_TRUE(g.setTextCells(4, 1));
    EXPECT_EQ(g.getCellTypeCode(1, 1), 14);
    EXPECT_EQ(g.getCellTypeCode(2, 3), 8);
    EXPECT_EQ(g.getCellTypeCode(3, 2), 12);
    EXPECT_EQ(g.getCellTypeCode(4, 1), 1);
    grid::CellType list;
    g.ssGetCellType(2, 1, list);
    EXPECT_EQ(list.text, u"IPE\tHEA");
    EXPECT_EQ(list.style, 0x100000);
    grid::CellType number;
    g.ssGetCellType(1, 1, number);
    EXPECT_EQ(number.decimals, 3);
    EXPECT_EQ(number.style, 0x10000000 | 0x400000);
    EXPECT_DOUBLE_EQ(number.maximum, 99999999999999.0);
    EXPECT_TRUE(g.picturesLoaded());
}

TEST_F(CellTypes, CheckBoxesReadBackAsOneAndZero) {
    Ork_Spread& g = grid(2, 3);
    g.setCheckBoxColumn(1, false, true);
    g.ssSetData(1, 1, u"1");
    g.ssSetData(1, 2, u"0");
    EXPECT_EQ(text(1, 1), u"1");
    EXPECT_EQ(text(1, 2), u"0");
    long ac = 0, ar = 0, cols = 0, rows = 0;
    EXPECT_NE(g.ssGetCellSpan(1, Ork_Spread::kHeader, ac, ar, cols, rows), 0);
    EXPECT_EQ(cols, 2L);
}

TEST_F(CellTypes, CheckCellsInSelectionTouchOnlyCheckBoxes) {
    Ork_Spread& g = grid(2, 3);
    g.setCheckBoxColumn(1, false, false);
    g.ssSetData(2, 1, u"keep");
    g.setSelection(1, 1, 2, 2);
    g.ssSetBool(30, false);
    EXPECT_TRUE(g.setCheckCellsInSelection(true));
    EXPECT_EQ(text(1, 1), u"1");
    EXPECT_EQ(text(1, 2), u"1");
    EXPECT_EQ(text(1, 3), u"");
    EXPECT_EQ(text(2, 1), u"keep");
    EXPECT_TRUE(g.ssGetBool(30));
}

TEST_F(CellTypes, LocksByCellAndColumn) {
    Ork_Spread& g = grid(2, 3);
    EXPECT_TRUE(g.lockColumn(2));
    EXPECT_TRUE(g.ssGetLock(2, 3));
    EXPECT_FALSE(g.ssGetLock(1, 3));
    EXPECT_TRUE(g.setCellLock(2, 3, false));
    EXPECT_FALSE(g.ssGetLock(2, 3));
}

TEST_F(CellTypes, ButtonsSetTheModifiedSwitch) {
    Ork_Spread& g = grid(3, 2);
    g.ssSetBool(30, false);
    EXPECT_TRUE(g.setButtonColumn(2, u"...", true));
    EXPECT_EQ(g.getCellTypeCode(2, 2), 7);
    EXPECT_TRUE(g.ssGetBool(30));
    long ac = 0, ar = 0, cols = 0, rows = 0;
    EXPECT_NE(g.ssGetCellSpan(1, Ork_Spread::kHeader, ac, ar, cols, rows), 0);
}

TEST_F(CellTypes, PictureOfAMissingResourceIsRefused) {
    Ork_Spread& g = grid(2, 2);
    EXPECT_TRUE(g.setPictureCell(1, 1, 8134, false));
    EXPECT_EQ(g.getCellTypeCode(1, 1), 9);
    EXPECT_FALSE(g.setPictureCell(1, 2, 4711, false));
    EXPECT_FALSE(g.setImageRow(u"c:\\no\\such.bmp", 1, 1));
}

TEST_F(CellTypes, ImageRowSpansToTheLastColumnAtThePicturesHeight) {
    Ork_Spread& g = grid(4, 2);
    TempFolder folder;
    std::u16string error;
    ASSERT_TRUE(ui::writeBmpFile(folder.path() / "plate.bmp", ui::Canvas(30, 24), error));
    ASSERT_TRUE(g.setImageRow(folder.file("plate.bmp"), 2, 1));
    int pixels = 0;
    g.ssGetRowHeightInPixels(1, pixels);
    EXPECT_EQ(pixels, 24);
    ASSERT_EQ(g.sheet().spans().size(), 1u);
    EXPECT_EQ(g.sheet().spans()[0], (grid::Span{2, 1, 3, 1}));
    EXPECT_EQ(g.sheet().border(1, 1)->kind, 18);
    EXPECT_EQ(g.sheet().border(1, 1)->colour, 0x8000000Bu);
    grid::CellType type;
    g.ssGetCellType(2, 1, type);
    EXPECT_EQ(type.kind, grid::CellKind::PictureFile);
    EXPECT_EQ(type.text, folder.file("plate.bmp"));
}

TEST_F(CellTypes, ImageRowRefusesAFileThatIsNoPicture) {
    Ork_Spread& g = grid(2, 1);
    TempFolder folder;
    ASSERT_TRUE(os::writeBytes(folder.file("notes.bmp"), "no picture here"));
    EXPECT_FALSE(g.setImageRow(folder.file("notes.bmp"), 1, 1));
    EXPECT_TRUE(g.sheet().spans().empty());
    EXPECT_EQ(g.getCellTypeCode(1, 1), 0);
}

TEST_F(CellTypes, EditTypeKeepsStyleAndLength) {
    Ork_Spread& g = grid(2, 2);
    ASSERT_TRUE(g.setEditType(1, 1, 2, 2, 0x1234, 12));
    grid::CellType type;
    g.ssGetCellType(2, 2, type);
    EXPECT_EQ(type.kind, grid::CellKind::Edit);
    EXPECT_EQ(type.style, 0x1234);
    EXPECT_EQ(type.maxLength, 12);
    EXPECT_EQ(type.charCase, 1);
}

TEST_F(CellTexts, FormulaKindReadsTheFormula) {
    Ork_Spread& g = grid(2, 1);
    g.ssSetData(1, 1, u"4");
    ASSERT_TRUE(g.ssSetFormula(2, 1, u"A1*2", true));
    EXPECT_EQ(text(2, 1, 1), u"A1*2");
    EXPECT_EQ(text(2, 1, 3), u"8");
}

// ---- The sheet's size

using SheetSize = SheetTest;

TEST_F(SheetSize, GrowingCopiesTheLastRow) {
    Ork_Spread& g = grid(2, 2);
    g.setRowTexts(2, {u"x", u"y"});
    g.ssSetData(Ork_Spread::kHeader, 2, u"H");
    EXPECT_TRUE(g.setMaxRows(4, true));
    EXPECT_EQ(g.getMaxRows(), 4);
    EXPECT_EQ(text(2, 4), u"y");
    EXPECT_EQ(text(Ork_Spread::kHeader, 3), u"H");
}

TEST_F(SheetSize, GrowingFormatsTheNewCells) {
    Ork_Spread& g = grid(2, 2);
    g.setFontHeight(17);
    EXPECT_TRUE(g.setMaxRows(3));
    auto header = g.sheet().font(0, 3);
    auto cell = g.sheet().font(2, 3);
    ASSERT_TRUE(header && cell);
    EXPECT_TRUE(header->bold);
    EXPECT_FALSE(cell->bold);
    EXPECT_EQ(cell->face, u"Tahoma");
    EXPECT_EQ(cell->height, 17);
}

TEST_F(SheetSize, ShrinkingLeavesFontsAlone) {
    Ork_Spread& g = grid(2, 4);
    g.setFontHeight(20);
    EXPECT_TRUE(g.setMaxRows(2));
    EXPECT_EQ(g.getMaxRows(), 2);
    EXPECT_EQ(g.sheet().font(1, 1)->height, 15);
    EXPECT_TRUE(g.setMaxRows(2));
}

TEST_F(SheetSize, GrowingColumnsCopiesTheLastColumn) {
    Ork_Spread& g = grid(2, 2);
    g.setColumnTexts(2, {u"p", u"q"});
    EXPECT_TRUE(g.setMaxCols(3, true));
    EXPECT_EQ(text(3, 2), u"q");
    EXPECT_FALSE(g.setMaxCols(-1));
}

} // namespace
