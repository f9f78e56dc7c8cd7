// What the grid does with the user's input: the context menu, the check-column link, the F3 / F5 / F8 keys,
// the messages it answers, and what it frees when it goes.
#include "support/sheetTestSupport.h"

#include "nuvo/hostTexts.h"
#include "ui/Clipboard.h"
#include "ui/Menu.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using sheettest::SheetTest;

Ork_Array<int> codes(std::initializer_list<int> list) {
    Ork_Array<int> a;
    for (int c : list) a.append(c);
    return a;
}

using ui::test::centre;

// ---- Context menu

class ContextMenu : public SheetTest {
protected:
    // Right-clicks cell (col, row) of the grid and chooses command `id`.
    void choose(int id, int col = 1, int row = 1, std::u16string prompt = {}) {
        ui::Script script;
        script.answerMenu(id);
        if (!prompt.empty())
            script.answerPrompt(prompt);
        ui::Robot robot;
        robot.rightClickAt(*m_grid, centre(m_grid->cellRect(col, row)));
        EXPECT_EQ(script.remaining(), 0);
    }
};

TEST_F(ContextMenu, EntriesInOrderWithTheirTextsAndIds) {
    Ork_Spread& g = grid();
    g.enableContextMenu(codes({2, 3, 1, 4, 5, 1, 6, 7, 8, 9}));
    const auto& items = g.contextMenu()->items();
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0].id, 32811);
    EXPECT_EQ(items[0].text, dialString(1154));
    EXPECT_EQ(items[1].id, 32812);
    EXPECT_EQ(items[1].text, dialString(1155));
    EXPECT_TRUE(items[2].isSeparator());
    EXPECT_EQ(items[3].id, 32816);
    EXPECT_EQ(items[3].text, dialString(774));
    EXPECT_EQ(items[4].text, dialString(775));
    EXPECT_EQ(items[6].id, 32818);
    EXPECT_EQ(items[6].text, dialString(1156));
    EXPECT_EQ(items[7].text, dialString(1157));
    EXPECT_EQ(items[8].text, dialString(1400));
    EXPECT_EQ(items[9].id, 32802);   // the eighth command
    EXPECT_EQ(items[9].text, dialString(1401));
}

TEST_F(ContextMenu, CommandsBeyondTheTenthAreLeftOut) {
    Ork_Spread& g = grid();
    g.enableContextMenu(codes({2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5}));
    EXPECT_EQ(g.contextMenu()->getMenuItemCount(), 10);
    EXPECT_EQ(g.contextMenu()->items().back().id, 32804);
    EXPECT_EQ(g.contextMenu()->items().back().text, dialString(1155));
}

TEST_F(ContextMenu, CopyAndPaste) {
    Ork_Spread& g = grid();
    g.enableContextMenu(codes({2, 3}));
    g.ssSetData(1, 1, u"IPE 200");
    g.setSelection(1, 1, 1, 1);
    choose(32811);
    EXPECT_EQ(ui::Clipboard::getText().substr(0, 7), u"IPE 200");
    ui::Clipboard::setText(u"HEA 100");
    g.setSelection(2, 2, 2, 2);
    choose(32812, 2, 2);
    EXPECT_EQ(text(2, 2), u"HEA 100");
}

TEST_F(ContextMenu, InsertRowCopiesTheFormerRowWithoutAsking) {
    Ork_Spread& g = grid(1, 2);
    g.enableContextMenu(codes({1, 4}));
    g.setColumnTexts(1, {u"a", u"b"});
    g.setSelection(1, 2, 1, 2);
    choose(32811);
    EXPECT_EQ(g.getMaxRows(), 3);
    EXPECT_EQ(text(1, 2), u"b");
    EXPECT_EQ(text(1, 3), u"b");
}

TEST_F(ContextMenu, DeleteRowAndColumn) {
    Ork_Spread& g = grid(2, 2);
    g.enableContextMenu(codes({5, 7}));
    g.setSelection(1, 1, 1, 1);
    choose(32811);
    EXPECT_EQ(g.getMaxRows(), 1);
    choose(32812);
    EXPECT_EQ(g.getMaxCols(), 1);
}

TEST_F(ContextMenu, InsertColumnAsksForItsHeader) {
    Ork_Spread& g = grid(2, 1);
    g.enableContextMenu(codes({6}));
    g.setSelection(2, 1, 2, 1);
    choose(32811, 2, 1, u"Thickness");
    EXPECT_EQ(g.getMaxCols(), 3);
    EXPECT_EQ(text(2, Ork_Spread::kHeader), u"Thickness");
}

TEST_F(ContextMenu, CheckAndClearTheSelection) {
    Ork_Spread& g = grid(1, 2);
    g.setCheckBoxColumn(1, false, false);
    g.enableContextMenu(codes({8, 1, 9}));
    g.setSelection(1, 1, 1, 2);
    choose(32811);
    EXPECT_EQ(text(1, 2), u"1");
    g.setSelection(1, 1, 1, 2);
    choose(32812);
    EXPECT_EQ(text(1, 1), u"0");
}

TEST_F(ContextMenu, NoMenuWithoutCodes) {
    grid();
    ui::Script script;   // any menu request would fail the test
    ui::Robot robot;
    robot.rightClickAt(*m_grid, centre(m_grid->cellRect(1, 1)));
}

// ---- Check-column link

using CheckLink = SheetTest;

TEST_F(CheckLink, LocksFollowTheChecks) {
    Ork_Spread& g = grid(3, 3);
    g.setCheckBoxColumn(1, false, false);
    g.setColumnTexts(1, {u"1", u"0"});
    g.setColumnTexts(3, {u"", u"", u"maybe"});
    g.setCellLock(2, 3, true);
    ASSERT_TRUE(g.setCheckColumnLink(1, 2));
    EXPECT_FALSE(g.ssGetLock(2, 1));
    EXPECT_TRUE(g.ssGetLock(2, 2));
    EXPECT_TRUE(g.ssGetLock(2, 3));   // row 3 is neither checked nor cleared
    ASSERT_TRUE(g.setCheckColumnLink(3, 2));
    EXPECT_TRUE(g.ssGetLock(2, 3));
    EXPECT_FALSE(g.ssGetLock(2, 1));
    EXPECT_FALSE(g.setCheckColumnLink(0, 2));
    EXPECT_FALSE(g.setCheckColumnLink(1, 4));
}

TEST_F(CheckLink, ClickingACheckBoxUnlocksItsRowAndMovesThere) {
    Ork_Spread& g = grid(2, 2);
    g.setCheckBoxColumn(1, false, false);
    g.setColumnTexts(1, {u"0", u"0"});
    ASSERT_TRUE(g.setCheckColumnLink(1, 2));
    ASSERT_TRUE(g.ssGetLock(2, 2));
    ui::Robot robot;
    robot.clickAt(g, centre(g.cellRect(1, 2)));
    EXPECT_EQ(text(1, 2), u"1");
    EXPECT_FALSE(g.ssGetLock(2, 2));
    long c = 0, r = 0;
    g.ssGetActiveCell(c, r);
    EXPECT_EQ(c, 2);
    EXPECT_EQ(r, 2);
    robot.clickAt(g, centre(g.cellRect(1, 2)));
    EXPECT_EQ(text(1, 2), u"0");
    EXPECT_TRUE(g.ssGetLock(2, 2));
}

TEST_F(CheckLink, SpaceOnACheckBoxAppliesTheLink) {
    Ork_Spread& g = grid(2, 1);
    g.setCheckBoxColumn(1, false, false);
    g.setColumnTexts(1, {u"0"});
    ASSERT_TRUE(g.setCheckColumnLink(1, 2));
    g.setFocus();
    g.ssSetActiveCell(1, 1);
    ui::Robot robot;
    robot.key(ui::VK_SPACE);
    EXPECT_EQ(text(1, 1), u"1");
    EXPECT_FALSE(g.ssGetLock(2, 1));
}

TEST_F(CheckLink, ClicksElsewhereLeaveTheLocks) {
    Ork_Spread& g = grid(3, 1);
    g.setCheckBoxColumn(3, false, false);
    g.setColumnTexts(1, {u"0"});
    ASSERT_TRUE(g.setCheckColumnLink(1, 2));   // column 1 holds texts, not check boxes
    ui::Robot robot;
    robot.clickAt(g, centre(g.cellRect(1, 1)));
    robot.clickAt(g, centre(g.cellRect(3, 1)));
    EXPECT_TRUE(g.ssGetLock(2, 1));
    long c = 0, r = 0;
    g.ssGetActiveCell(c, r);
    EXPECT_EQ(c, 3);
}

// ---- Keys and messages

struct FakeFinder : Ork_SpreadFindDialog {
    static inline int opened = 0, finds = 0, replaces = 0, deleted = 0;
    ~FakeFinder() override { ++deleted; }
    bool open(Ork_Spread&) override { ++opened; return true; }
    void find(bool askToWrap) override { finds += askToWrap ? 1 : 100; }
    void replace(bool askToWrap) override { replaces += askToWrap ? 1 : 100; }
    static void clear() { opened = finds = replaces = deleted = 0; }
    static std::unique_ptr<Ork_SpreadFindDialog> make() { return std::make_unique<FakeFinder>(); }
};

class Keys : public SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        FakeFinder::clear();
        Ork_Spread::setFindDialogFactory(&FakeFinder::make);
    }
    void TearDown() override {
        SheetTest::TearDown();
        Ork_Spread::setFindDialogFactory(nullptr);
    }
};

TEST_F(Keys, F3OpensTheFinderThenFinds) {
    Ork_Spread& g = grid();
    g.setFocus();
    ui::Robot robot;
    robot.key(ui::VK_F3);
    EXPECT_EQ(FakeFinder::opened, 1);
    EXPECT_EQ(FakeFinder::finds, 0);
    robot.key(ui::VK_F3);
    robot.key(ui::VK_F5);
    EXPECT_EQ(FakeFinder::opened, 1);
    EXPECT_EQ(FakeFinder::finds, 1);
    EXPECT_EQ(FakeFinder::replaces, 1);
    EXPECT_TRUE(g.closeFindDialog());
    ui::Desktop::processPending();
    EXPECT_EQ(FakeFinder::deleted, 1);
    robot.key(ui::VK_F5);
    EXPECT_EQ(FakeFinder::opened, 2);
}

TEST_F(Keys, F8FlipsSwitch13WhenAllowed) {
    Ork_Spread& g = grid();
    g.setStandardLook(0);
    g.setFocus();
    ui::Robot robot;
    robot.key(ui::VK_F8);
    EXPECT_TRUE(g.ssGetBool(13));
    robot.key(ui::VK_F8);
    EXPECT_FALSE(g.ssGetBool(13));
    g.allowF8(false);
    robot.key(ui::VK_F8);
    EXPECT_FALSE(g.ssGetBool(13));
}

TEST_F(Keys, WithoutAFinderTheKeysDoNothing) {
    Ork_Spread::setFindDialogFactory(nullptr);
    Ork_Spread& g = grid();
    g.setFocus();
    ui::Robot robot;
    robot.key(ui::VK_F3);
    EXPECT_EQ(g.findDialog(), nullptr);
    EXPECT_FALSE(g.openFindDialog());
}

TEST_F(Keys, DestroyingTheGridFreesMenuPicturesAndFinder) {
    Ork_Spread& g = grid();
    g.enableContextMenu(codes({2}));
    EXPECT_FALSE(g.picturesLoaded());
    g.setCheckBoxCell(1, 1, true);
    EXPECT_TRUE(g.picturesLoaded());
    ASSERT_TRUE(g.openFindDialog());
    m_grid.reset();
    ui::Desktop::processPending();
    EXPECT_EQ(FakeFinder::deleted, 1);
    EXPECT_EQ(m_dialog->getDlgItem(sheettest::kPlaceholderId), nullptr);
}

using Messages = SheetTest;

TEST_F(Messages, ThePrivateMessageIsAnsweredZero) {
    Ork_Spread& g = grid();
    EXPECT_EQ(g.sendMessage(0x517, 1, 2), 0);
    EXPECT_EQ(Ork_Spread::kPrivateMessage, 0x517u);
}

} // namespace
