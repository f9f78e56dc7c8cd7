// Selection, free cells and Tab handling, search and replace.
#include "support/sheetTestSupport.h"

#include "ui/Desktop.h"
#include "ui/Robot.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using sheettest::SheetTest;

// ---- Selection

using Selection = SheetTest;

TEST_F(Selection, BlockAndRow) {
    Ork_Spread& g = grid(3, 4);
    EXPECT_TRUE(g.setSelection(2, 3, 3, 4));
    int c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    EXPECT_TRUE(g.getSelection(c1, r1, c2, r2));
    EXPECT_EQ((std::array{c1, r1, c2, r2}), (std::array{2, 3, 3, 4}));
    EXPECT_EQ(g.getSelectedColumn(), 2);
    EXPECT_EQ(g.getSelectedRow(), 3);
    EXPECT_TRUE(g.selectRow(2));
    EXPECT_EQ(g.getSelectedRow(), 2);
}

TEST_F(Selection, EnsureActiveCellOnAnEmptyGrid) {
    Ork_Spread& g = grid(2, 2);
    int c = 0, r = 0;
    EXPECT_TRUE(g.ensureActiveCell(c, r));
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 1);
}

// ---- Tab

using TabKey = SheetTest;

TEST_F(TabKey, AnswersByPositionAmongTheFreeCells) {
    Ork_Spread& g = grid(3, 2);
    g.lockColumn(1);
    g.setCellLock(3, 2, true);
    int c = 0, r = 0;
    ASSERT_TRUE(g.findFirstFreeCell(c, r));
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 1);
    ASSERT_TRUE(g.findLastFreeCell(c, r));
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 2);

    ASSERT_TRUE(g.focusFreeCell(true));
    EXPECT_TRUE(g.isChild(ui::Window::getFocus()) || g.hasFocus());
    int result = -1;
    ui::Desktop::setKeyDown(ui::VK_SHIFT, true);
    EXPECT_TRUE(g.handleTabKey(ui::VK_TAB, result));
    EXPECT_EQ(result, 3);
    ui::Desktop::setKeyDown(ui::VK_SHIFT, false);
    EXPECT_TRUE(g.handleTabKey(ui::VK_TAB, result));
    EXPECT_EQ(result, 0);

    ASSERT_TRUE(g.focusFreeCell(false));
    EXPECT_TRUE(g.handleTabKey(ui::VK_TAB, result));
    EXPECT_EQ(result, 2);
    ui::Desktop::setKeyDown(ui::VK_SHIFT, true);
    EXPECT_TRUE(g.handleTabKey(ui::VK_TAB, result));
    EXPECT_EQ(result, 0);
    ui::Desktop::setKeyDown(ui::VK_SHIFT, false);
}

TEST_F(TabKey, OtherKeysAndOtherFocusAreNotHandled) {
    Ork_Spread& g = grid(2, 2);
    int result = -1;
    EXPECT_FALSE(g.handleTabKey(ui::VK_RETURN, result));
    EXPECT_EQ(result, 1);
    m_dialog->getDlgItem(ui::IDOK)->setFocus();
    EXPECT_FALSE(g.handleTabKey(ui::VK_TAB, result));
    EXPECT_EQ(result, 1);
    g.showWindow(ui::SW_HIDE);
    EXPECT_FALSE(g.handleTabKey(ui::VK_TAB, result));
    EXPECT_FALSE(g.focusFreeCell(true));
}

TEST_F(TabKey, SpannedCellsCountByTheirAnchor) {
    Ork_Spread& g = grid(3, 1);
    g.ssAddCellSpan(2, 1, 2, 1);
    int c = 0, r = 0;
    ASSERT_TRUE(g.findLastFreeCell(c, r));
    EXPECT_EQ(c, 2);
    g.setCellLock(2, 1, true);
    ASSERT_TRUE(g.findLastFreeCell(c, r));
    EXPECT_EQ(c, 1);
}

// ---- Search and replace

using Search = SheetTest;

TEST_F(Search, StartRowFromStartColumnThenFollowingRowsFromColumnOne) {
    Ork_Spread& g = grid(3, 6);
    g.ssSetData(1, 5, u"beam");
    g.ssSetData(3, 5, u"beam");
    g.ssSetData(1, 6, u"beam");
    int c = 0, r = 0;
    ASSERT_TRUE(g.findNext(u"bea", 2, 5, c, r));
    EXPECT_EQ((std::array{c, r}), (std::array{3, 5}));
    ASSERT_TRUE(g.findNext(u"bea", 4, 5, c, r));
    EXPECT_EQ((std::array{c, r}), (std::array{1, 6}));
    EXPECT_FALSE(g.findNext(u"bea", 2, 6, c, r));
}

TEST_F(Search, ExactMatchesWholeTextsOnly) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(1, 1, u"IPE 200");
    g.ssSetData(2, 2, u"IPE");
    int c = 0, r = 0;
    ASSERT_TRUE(g.findNextExact(u"IPE", 1, 1, c, r));
    EXPECT_EQ((std::array{c, r}), (std::array{2, 2}));
    EXPECT_FALSE(g.findNextExact(u"ipe", 1, 1, c, r));
    EXPECT_FALSE(g.findInRow(u"IPE", true, 3, 1, c));
    EXPECT_FALSE(g.findInRow(u"IPE", true, -1, 1, c));
}

TEST_F(Search, ReplaceInACell) {
    Ork_Spread& g = grid(1, 1);
    g.ssSetData(1, 1, u"HEA 100 / HEA 120");
    EXPECT_TRUE(g.replaceInCell(1, 1, u"HEA", u"HEB"));
    EXPECT_EQ(text(1, 1), u"HEB 100 / HEB 120");
    EXPECT_FALSE(g.replaceInCell(2, 1, u"a", u"b"));
}

TEST_F(Search, FoundTextIsSelectedInTheEditor) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(2, 2, u"plate 10 x 200");
    int pos = 0;
    EXPECT_TRUE(g.findInCell(u"10", 2, 2, 0, pos));
    EXPECT_EQ(pos, 6);
    EXPECT_FALSE(g.findInCell(u"10", 2, 2, 7, pos));
    ASSERT_TRUE(g.selectFoundText(u"200", 2, 2, 0));
    EXPECT_TRUE(g.ssGetEditMode());
    long c = 0, r = 0;
    g.ssGetActiveCell(c, r);
    EXPECT_EQ((std::array{c, r}), (std::array{2L, 2L}));
    int s = 0, e = 0;
    ASSERT_TRUE(g.getEditSelection(s, e));
    EXPECT_EQ((std::array{s, e}), (std::array{11, 14}));
}

} // namespace
