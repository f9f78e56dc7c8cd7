// The pool of hidden standards windows.
#include "support/frameTestSupport.h"

#include "frame/KvSSDlgsMgr.h"
#include "SS/SSExports.h"
#include "sheet/CDlgSSStandards.h"
#include "standards/KvDlgStandardsData.h"
#include "ui/Failures.h"

#include <gtest/gtest.h>

namespace {

using SSDlgsPool = frametest::FrameTest;

TEST_F(SSDlgsPool, AWindowIsHiddenAndInUseWhileHeld) {
    KvSSDlgsMgr pool;
    CDlgSSStandards* window = pool.getDlg();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isWindowVisible());
    EXPECT_TRUE(pool.isInUse(0));
    EXPECT_EQ(pool.releaseDlg(window), eOk);
    EXPECT_FALSE(pool.isInUse(0));
    pool.destroyAll();
}

TEST_F(SSDlgsPool, ANestedCallerGetsASecondWindowAndBothAreReusedAfterwards) {
    KvSSDlgsMgr pool;
    CDlgSSStandards* outer = pool.getDlg();
    CDlgSSStandards* inner = pool.getDlg();  // a child spreadsheet evaluated inside the outer evaluation
    ASSERT_NE(inner, nullptr);
    EXPECT_NE(inner, outer);
    EXPECT_EQ(pool.releaseDlg(inner), eOk);
    EXPECT_EQ(pool.releaseDlg(outer), eOk);
    EXPECT_FALSE(pool.isInUse(0));
    EXPECT_FALSE(pool.isInUse(1));
    EXPECT_EQ(pool.getDlg(), outer);
    EXPECT_EQ(pool.getDlg(), inner);
    EXPECT_EQ(pool.count(), 2);
    pool.destroyAll();
}

TEST_F(SSDlgsPool, ReleasingAWindowOutsideThePoolIsRefused) {
    KvSSDlgsMgr pool;
    KvSSDlgsMgr other;
    CDlgSSStandards* foreign = other.getDlg();
    EXPECT_EQ(pool.releaseDlg(foreign), eInvalidInput);
    EXPECT_EQ(pool.releaseDlg(nullptr), eInvalidInput);
    other.destroyAll();
}

TEST_F(SSDlgsPool, AWindowThatCannotBeCreatedGivesNullAndLeavesThePool) {
    KvSSDlgsMgr pool;
    ui::Failures::failCreate(1, u"#32770");
    EXPECT_EQ(pool.getDlg(), nullptr);
    EXPECT_EQ(pool.count(), 0);
    EXPECT_NE(pool.getDlg(), nullptr);
    pool.destroyAll();
}

TEST_F(SSDlgsPool, DestroyAllDestroysEveryWindowAndEmptiesThePool) {
    KvSSDlgsMgr pool;
    CDlgSSStandards* a = pool.getDlg();
    CDlgSSStandards* b = pool.getDlg();
    pool.releaseDlg(a);
    ui::Window* windows[] = {a, b};
    pool.destroyAll();
    ui::Desktop::processPending();
    EXPECT_EQ(pool.count(), 0);
    EXPECT_FALSE(pool.isInUse(0));
    for (ui::Window* w : windows)
        EXPECT_FALSE(ui::isWindow(w));
    pool.destroyAll();  // nothing left to destroy twice
}

TEST_F(SSDlgsPool, ACopySharesTheWindowsAndLeavesThemAliveWhenItGoes) {
    CDlgSSStandards* window = gSSDlgsMgr.getDlg();
    gSSDlgsMgr.releaseDlg(window);
    {
        KvSSDlgsMgr copy(gSSDlgsMgr);
        EXPECT_EQ(copy.count(), 1);
        EXPECT_EQ(copy.getDlg(), window);
        KvSSDlgsMgr assigned;
        assigned = gSSDlgsMgr;
        EXPECT_EQ(assigned.count(), 1);
    }
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(gSSDlgsMgr.getDlg(), window);
}

TEST_F(SSDlgsPool, StartDlgStandardsSSGivesItsWindowBackWhateverTheOutcome) {
    KvDlgStandardsData record;
    record.mode = 1;
    record.file = u"missing.kvs";
    EXPECT_FALSE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.file, u"missing.kvs");
    ASSERT_EQ(gSSDlgsMgr.count(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_FALSE(StartDlgStandardsSS(record));
    EXPECT_EQ(gSSDlgsMgr.count(), 1);
}

TEST_F(SSDlgsPool, StartDlgStandardsSSFailsWhenNoWindowCanBeMade) {
    ui::Failures::failCreate(1, u"#32770");
    KvDlgStandardsData record;
    EXPECT_FALSE(StartDlgStandardsSS(record));
    EXPECT_EQ(gSSDlgsMgr.count(), 0);
}

TEST_F(SSDlgsPool, TheTestEntryEvaluatesAFixedDirectModeRecord) {
    StartDlgStandardsSStest();
    // The hidden window keeps its copy of the last record it was given.
    CDlgSSStandards* window = gSSDlgsMgr.getDlg();
    ASSERT_NE(window, nullptr);
    const KvDlgStandardsData& record = window->m_data;
    EXPECT_EQ(record.mode, 1);
    EXPECT_EQ(record.file, u"c:\\a\\a\\a\\test.kvs");
    ASSERT_EQ(record.varCells.length(), 4);
    EXPECT_EQ(record.varCells[0].name, u"Column");
    EXPECT_EQ(record.varCells[0].value, u"IPE-200");
    EXPECT_TRUE(record.varCells[1].isInput());
    EXPECT_EQ(record.varCells[1].value, u"10");
    EXPECT_TRUE(record.varCells[2].isOutput());
    EXPECT_EQ(record.varCells[2].name, u"Width");
    EXPECT_EQ(record.varCells[3].value, u"356");
    gSSDlgsMgr.releaseDlg(window);
}

} // namespace
