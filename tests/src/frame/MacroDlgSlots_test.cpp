// The slot table of modeless macro dialogs: the slot index is the dialog's handle.
#include "support/frameTestSupport.h"

#include "cadhost/HostLog.h"
#include "cadhost/MainWindow.h"
#include "frame/KvModelessDlgs.h"
#include "SS/SSExports.h"
#include "macrodlg/CDlgMacro.h"
#include "nuvo/macro/MacroData.h"
#include "ui/Failures.h"
#include "ui/Robot.h"
#include "ui/Timers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class MacroDlgSlots : public frametest::FrameTest {
protected:
    int open(const Ork_String& name = u"EndPlate", bool keepFocus = false) {
        MacroData macro;
        macro.name = name;
        int index = -99;
        EXPECT_TRUE(StartDlgMacroModeless(keepFocus, macro, index));
        return index;
    }
    KvModelessDlgs& slots() { return KvModelessDlgs::instance(); }
    std::vector<bool> used() {
        std::vector<bool> v;
        for (int i = 0; i < slots().slotCount(); ++i)
            v.push_back(slots().at(i) != nullptr);
        return v;
    }
};

TEST_F(MacroDlgSlots, OpeningThreeGivesZeroOneTwo) {
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 2);
    EXPECT_EQ(slots().at(1)->slotIndex, 1);
    EXPECT_TRUE(slots().at(2)->isWindowVisible());
}

TEST_F(MacroDlgSlots, AFreedSlotIsReused) {
    open();
    open();
    open();
    ASSERT_TRUE(EndDlgMacroModeless(1));
    EXPECT_EQ(used(), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(open(), 1);
}

TEST_F(MacroDlgSlots, TheLastFreeSlotIsTaken) {
    for (int i = 0; i < 5; ++i)
        open();
    EndDlgMacroModeless(0);
    EndDlgMacroModeless(3);
    EXPECT_EQ(open(), 3);
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 5);
}

TEST_F(MacroDlgSlots, EndingTheLastSlotShrinksTheTable) {
    open();
    open();
    open();
    EndDlgMacroModeless(2);
    EXPECT_EQ(slots().slotCount(), 2);
    EndDlgMacroModeless(0);
    EXPECT_EQ(slots().slotCount(), 2);  // slot 1 is still used
    EndDlgMacroModeless(1);
    EXPECT_EQ(slots().slotCount(), 0);
}

TEST_F(MacroDlgSlots, EndingTwoThenOneLeavesOneSlot) {
    open();
    open();
    open();
    EndDlgMacroModeless(2);
    EndDlgMacroModeless(1);
    EXPECT_EQ(used(), (std::vector<bool>{true}));
}

TEST_F(MacroDlgSlots, EndingTheLastDialogEmptiesTheTable) {
    open();
    open();
    EndDlgMacroModeless(0);
    EndDlgMacroModeless(1);
    EXPECT_EQ(slots().slotCount(), 0);
}

TEST_F(MacroDlgSlots, EndingRePromptsTheCommandLine) {
    open();
    cadhost::HostLog::clear();
    EndDlgMacroModeless(0);
    EXPECT_EQ(cadhost::HostLog::texts(u"acedPostCommandPrompt").size(), 1u);
}

TEST_F(MacroDlgSlots, BadIndexesAndFreeSlotsAreRefused) {
    open();
    open();
    EndDlgMacroModeless(0);
    MacroData macro;
    EXPECT_FALSE(EndDlgMacroModeless(-1));
    EXPECT_FALSE(EndDlgMacroModeless(0));
    EXPECT_FALSE(EndDlgMacroModeless(2));
    EXPECT_FALSE(GetDlgMacroData(0, macro));
    EXPECT_FALSE(GetDlgMacroData(7, macro));
}

TEST_F(MacroDlgSlots, GetDlgMacroDataCopiesTheOpenDialogsRecord) {
    open(u"BasePlate");
    slots().at(0)->macro.name = u"BasePlate-edited";
    MacroData macro;
    ASSERT_TRUE(GetDlgMacroData(0, macro));
    EXPECT_EQ(macro.name, u"BasePlate-edited");
}

TEST_F(MacroDlgSlots, FocusGoesBackToTheMainWindowUnlessKept) {
    open(u"A", false);
    EXPECT_TRUE(adsw_acadMainWnd()->hasFocus());
    slots().at(0)->setFocus();
    open(u"B", true);
    EXPECT_FALSE(adsw_acadMainWnd()->hasFocus());
}

TEST_F(MacroDlgSlots, AFailedCreationLeavesTheTableAsItWas) {
    open();
    ui::Failures::failCreate(1, u"#32770");
    MacroData macro;
    int index = -1;
    EXPECT_FALSE(StartDlgMacroModeless(false, macro, index));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(slots().slotCount(), 1);
}

TEST_F(MacroDlgSlots, AWindowThatCannotBeDestroyedKeepsItsSlot) {
    open();
    ui::Failures::failDestroy(1);
    EXPECT_FALSE(EndDlgMacroModeless(0));
    ASSERT_NE(slots().at(0), nullptr);
    EXPECT_TRUE(slots().at(0)->isWindow());
    EXPECT_TRUE(EndDlgMacroModeless(0));
}

TEST_F(MacroDlgSlots, TheUserClosingADialogEndsItsSlot) {
    open();
    open();
    ui::Robot robot(frametest::gtestFailure());
    // The dialog is busy in its own close: its end comes 50 ms later, outside the handler.
    robot.click(*slots().at(1), ui::IDOK);
    EXPECT_EQ(slots().slotCount(), 2);
    robot.advance(50);
    ui::Desktop::processPending();
    EXPECT_EQ(slots().slotCount(), 1);
    robot.close(*slots().at(0));
    robot.advance(50);
    ui::Desktop::processPending();
    EXPECT_EQ(slots().slotCount(), 0);
}

// ---- Delayed close of a busy dialog

TEST_F(MacroDlgSlots, ABusyDialogIsEndedFiftyMillisecondsLater) {
    open();
    slots().at(0)->setBusy(true);
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_NE(slots().at(0), nullptr);
    slots().at(0)->setBusy(false);
    ui::Timers::advance(49);
    EXPECT_NE(slots().at(0), nullptr);
    ui::Timers::advance(1);
    EXPECT_EQ(printed(), "Delayed timer called.\n");
    EXPECT_EQ(slots().slotCount(), 0);
    EXPECT_EQ(ui::Timers::activeCount(), 0);
}

TEST_F(MacroDlgSlots, AStillBusyDialogIsTriedAgain) {
    open();
    slots().at(0)->setBusy(true);
    EndDlgMacroModeless(0);
    ui::Timers::advance(50);
    EXPECT_NE(slots().at(0), nullptr);
    slots().at(0)->setBusy(false);
    ui::Timers::advance(50);
    EXPECT_EQ(printed(), "Delayed timer called.\nDelayed timer called.\n");
    EXPECT_EQ(slots().slotCount(), 0);
}

TEST_F(MacroDlgSlots, ABusyDialogEndedTwiceHasOneTimer) {
    open();
    slots().at(0)->setBusy(true);
    EndDlgMacroModeless(0);
    EndDlgMacroModeless(0);
    EXPECT_EQ(ui::Timers::activeCount(), 1);
    EXPECT_EQ(slots().pendingCloses(), 1);
    slots().at(0)->setBusy(false);
    ui::Timers::advance(100);
    EXPECT_EQ(printed(), "Delayed timer called.\n");
}

TEST_F(MacroDlgSlots, APendingCloseNeverEndsANewerDialogInTheSameSlot) {
    open();
    open();
    slots().at(0)->setBusy(true);
    EndDlgMacroModeless(0);
    // The busy dialog finishes its work and is ended directly; a new dialog takes its slot.
    slots().at(0)->setBusy(false);
    ASSERT_TRUE(EndDlgMacroModeless(0));
    EXPECT_EQ(open(u"Newer"), 0);
    ui::Timers::advance(100);
    ASSERT_NE(slots().at(0), nullptr);
    EXPECT_EQ(slots().at(0)->macro.name, u"Newer");
}

TEST_F(MacroDlgSlots, DestroyAllEndsFromTheLastToTheFirst) {
    open();
    open();
    open();
    cadhost::HostLog::clear();
    DestroyAllMacroDlgs();
    EXPECT_EQ(slots().slotCount(), 0);
    EXPECT_EQ(cadhost::HostLog::texts(u"acedPostCommandPrompt").size(), 3u);
}

} // namespace
