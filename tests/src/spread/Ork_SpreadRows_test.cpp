// Inserting, appending, deleting, moving and copying rows and columns, and merging equal cells.
#include "support/sheetTestSupport.h"

#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

namespace {

using sheettest::SheetTest;

using RowEditing = SheetTest;

Ork_StringArray column(Ork_Spread& g, int col) {
    Ork_StringArray out;
    g.getColumnTexts(col, out);
    return out;
}

TEST_F(RowEditing, InsertRowShiftsTheRowsBelow) {
    Ork_Spread& g = grid(1, 3);
    g.setColumnTexts(1, {u"a", u"b", u"c"});
    g.ssSetBool(30, false);
    EXPECT_TRUE(g.insertRowAt(2, false, false));
    EXPECT_EQ(g.getMaxRows(), 4);
    EXPECT_EQ(column(g, 1), (Ork_StringArray{u"a", u"", u"b", u"c"}));
    EXPECT_TRUE(g.ssGetBool(30));
    EXPECT_TRUE(g.sheet().font(0, 2)->bold);
}

TEST_F(RowEditing, InsertRowWithCopyTakesTheFormerRow) {
    Ork_Spread& g = grid(1, 2);
    g.setColumnTexts(1, {u"a", u"b"});
    EXPECT_TRUE(g.insertRowAt(1, false, true));
    EXPECT_EQ(column(g, 1), (Ork_StringArray{u"a", u"a", u"b"}));
}

TEST_F(RowEditing, InsertRowOutsideTheSheetDoesNothing) {
    Ork_Spread& g = grid(1, 2);
    EXPECT_FALSE(g.insertRowAt(4, false, false));
    EXPECT_FALSE(g.insertRowAt(0, false, false));
    EXPECT_FALSE(g.insertRowAt(-3, false, false));
    EXPECT_FALSE(g.insertColumnAt(0, false, false));
    EXPECT_EQ(g.getMaxRows(), 2);
    EXPECT_EQ(g.getMaxCols(), 1);
    EXPECT_TRUE(g.insertRowAt(3, false, false));   // just after the last row
    EXPECT_EQ(g.getMaxRows(), 3);
}

TEST_F(RowEditing, HeaderPromptAnsweredNamesTheRow) {
    Ork_Spread& g = grid(1, 2);
    ui::Script script;
    script.onModal(IDD_PROMPT_STRING, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), dialString(1150));
        EXPECT_EQ(d.getDlgItemText(IDC_PROMPT_LABEL), dialString(1151) + u" " + dialString(1152) + u":");
        EXPECT_EQ(d.getDlgItemText(IDC_PROMPT_LABEL), u"Name for new rows:");   // a name, not a number
        EXPECT_EQ(d.getDlgItemText(IDC_PROMPT_EDIT), dialString(171));
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), u"Ok");
        d.setDlgItemText(IDC_PROMPT_EDIT, u"Bolts");
        d.sendMessage(ui::WM_COMMAND, ui::IDOK, 0);
    });
    EXPECT_TRUE(g.insertRowAt(2, true, false));
    EXPECT_EQ(text(Ork_Spread::kHeader, 2), u"Bolts");
}

TEST_F(RowEditing, HeaderPromptCancelledKeepsTheInitialText) {
    Ork_Spread& g = grid(2, 1);
    ui::Script script;
    script.cancelPrompt();
    EXPECT_TRUE(g.insertColumnAt(1, true, false));
    EXPECT_EQ(g.getMaxCols(), 3);
    EXPECT_EQ(text(1, Ork_Spread::kHeader), dialString(171));
}

TEST_F(RowEditing, InsertColumnAsksWithTheColumnsLabel) {
    Ork_Spread& g = grid(1, 1);
    ui::Script script;
    script.onModal(IDD_PROMPT_STRING, [](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(IDC_PROMPT_LABEL), dialString(1151) + u" " + dialString(1153) + u":");
        EXPECT_EQ(d.getDlgItemText(IDC_PROMPT_LABEL), u"Name for new columns:");
        d.setDlgItemText(IDC_PROMPT_EDIT, u"Length");
        d.sendMessage(ui::WM_COMMAND, ui::IDOK, 0);
    });
    EXPECT_TRUE(g.insertColumnAt(2, true, false));
    EXPECT_EQ(text(2, Ork_Spread::kHeader), u"Length");
}

TEST_F(RowEditing, AppendRowCopiesThePreviousRow) {
    Ork_Spread& g = grid(2, 1);
    g.setRowTexts(1, {u"x", u"y"});
    EXPECT_EQ(g.appendRow(true), 2);
    EXPECT_EQ(text(2, 2), u"y");
    EXPECT_EQ(g.appendRow(false), 3);
    EXPECT_EQ(text(2, 3), u"");
}

TEST_F(RowEditing, DeleteRowAndColumnLowerTheCounts) {
    Ork_Spread& g = grid(2, 3);
    g.setColumnTexts(1, {u"a", u"b", u"c"});
    EXPECT_TRUE(g.deleteRow(2));
    EXPECT_EQ(column(g, 1), (Ork_StringArray{u"a", u"c"}));
    EXPECT_TRUE(g.deleteColumn(1));
    EXPECT_EQ(g.getMaxCols(), 1);
    EXPECT_FALSE(g.deleteRow(5));
    EXPECT_FALSE(g.deleteColumn(0));
}

TEST_F(RowEditing, MovingARowUpSwapsItWithTheRowAbove) {
    Ork_Spread& g = grid(2, 3);
    g.setColumnTexts(1, {u"a", u"b", u"c"});
    g.setRowHeaderTexts({u"A", u"B", u"C"});
    g.setSelection(2, 3, 2, 3);
    EXPECT_TRUE(g.moveSelectedRowUp());
    EXPECT_EQ(column(g, 1), (Ork_StringArray{u"a", u"c", u"b"}));
    EXPECT_EQ(text(Ork_Spread::kHeader, 2), u"C");
    EXPECT_EQ(g.getSelectedRow(), 2);
    EXPECT_EQ(g.getSelectedColumn(), 2);
    EXPECT_TRUE(g.moveSelectedRowDown());
    EXPECT_EQ(column(g, 1), (Ork_StringArray{u"a", u"b", u"c"}));
}

TEST_F(RowEditing, MovingABlockDown) {
    Ork_Spread& g = grid(1, 5);
    g.setColumnTexts(1, {u"1", u"2", u"3", u"4", u"5"});
    EXPECT_TRUE(g.moveRows(1, 2, 3));
    EXPECT_EQ(column(g, 1), (Ork_StringArray{u"3", u"4", u"1", u"2", u"5"}));
}

TEST_F(RowEditing, MovesOutsideTheSheetAreRefused) {
    Ork_Spread& g = grid(1, 3);
    g.setColumnTexts(1, {u"a", u"b", u"c"});
    EXPECT_FALSE(g.moveRows(1, 1, 0));
    EXPECT_FALSE(g.moveRows(1, 1, 4));
    EXPECT_FALSE(g.moveRows(0, 1, 2));
    EXPECT_FALSE(g.moveRows(2, 4, 1));
    EXPECT_FALSE(g.moveRows(2, 1, 1));
    EXPECT_FALSE(g.moveRows(1, 2, 3));   // the block would end past the last row
    g.setSelection(1, 1, 1, 1);
    EXPECT_FALSE(g.moveSelectedRowUp());
    EXPECT_EQ(column(g, 1), (Ork_StringArray{u"a", u"b", u"c"}));
}

TEST_F(RowEditing, CopyingARowTakesItsHeader) {
    Ork_Spread& g = grid(2, 3);
    g.setRowTexts(1, {u"p", u"q"});
    g.setRowHeaderTexts({u"First"});
    g.ssSetBool(30, false);
    EXPECT_TRUE(g.copyRow(1, 3));
    EXPECT_EQ(text(2, 3), u"q");
    EXPECT_EQ(text(Ork_Spread::kHeader, 3), u"First");
    EXPECT_TRUE(g.ssGetBool(30));
    EXPECT_FALSE(g.copyRow(1, 4));
}

TEST_F(RowEditing, CopyingAColumnTakesItsHeader) {
    Ork_Spread& g = grid(2, 2);
    g.setColumnTexts(1, {u"p", u"q"});
    g.setColumnHeaderTexts({u"Name"});
    EXPECT_TRUE(g.copyColumn(1, 2));
    EXPECT_EQ(text(2, 2), u"q");
    EXPECT_EQ(text(2, Ork_Spread::kHeader), u"Name");
}

// ---- Merging

using Merging = SheetTest;

TEST_F(Merging, EqualRunsBecomeOneColumnSpans) {
    Ork_Spread& g = grid(1, 5);
    g.setColumnTexts(1, {u"a", u"a", u"b", u"b", u"b"});
    EXPECT_TRUE(g.mergeEqualCellsInColumn(1));
    ASSERT_EQ(g.sheet().spans().size(), 2u);
    EXPECT_EQ(g.sheet().spans()[0], (grid::Span{1, 1, 1, 2}));
    EXPECT_EQ(g.sheet().spans()[1], (grid::Span{1, 3, 1, 3}));
}

TEST_F(Merging, EmptyCellsNeverMerge) {
    Ork_Spread& g = grid(1, 4);
    g.setColumnTexts(1, {u"", u"", u"x", u""});
    EXPECT_TRUE(g.mergeEqualCellsInColumn(1));
    EXPECT_TRUE(g.sheet().spans().empty());
}

TEST_F(Merging, MergingAgainReplacesTheOldSpans) {
    Ork_Spread& g = grid(1, 3);
    g.setColumnTexts(1, {u"a", u"a", u"a"});
    g.mergeEqualCellsInColumn(1);
    g.setColumnTexts(1, {u"a", u"b", u"b"});
    EXPECT_TRUE(g.mergeEqualCellsInColumn(1));
    ASSERT_EQ(g.sheet().spans().size(), 1u);
    EXPECT_EQ(g.sheet().spans()[0], (grid::Span{1, 2, 1, 2}));
    EXPECT_FALSE(g.mergeEqualCellsInColumn(2));
    EXPECT_FALSE(g.mergeEqualCellsInColumn(-1));
}

TEST_F(Merging, RemoveSpanAtACoveredCell) {
    Ork_Spread& g = grid(1, 3);
    g.setColumnTexts(1, {u"a", u"a", u"a"});
    g.mergeEqualCellsInColumn(1);
    EXPECT_TRUE(g.removeSpanAt(1, 3));
    EXPECT_TRUE(g.sheet().spans().empty());
    EXPECT_FALSE(g.removeSpanAt(1, 3));
}

} // namespace
