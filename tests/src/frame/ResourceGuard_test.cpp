// Every entry point that shows a dialog does so with the module's resources current, and restores the
// host's on every way out.
#include "support/frameTestSupport.h"

#include "auxdlg/KvDlgCis2Data.h"
#include "auxdlg/KvGridDlgData.h"
#include "base/KvResourceGuard.h"
#include "SS/SSExports.h"
#include "resources/resourceIds.h"
#include "ui/Dialog.h"
#include "ui/Resources.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class ResourceGuard : public frametest::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        m_host = &ui::Resources::addModule(u"acad");
        m_previous = ui::Resources::current();
        ui::Resources::setCurrent(m_host);
    }
    void TearDown() override {
        ui::Resources::setCurrent(m_previous);
        FrameTest::TearDown();
    }
    ui::ResourceModule* ss() const { return ui::Resources::findModule(kSSResourceModuleName); }

    ui::ResourceModule* m_host = nullptr;
    ui::ResourceModule* m_previous = nullptr;
};

TEST_F(ResourceGuard, MakesTheModulesResourcesCurrentAndRestores) {
    {
        KvResourceGuard guard;
        EXPECT_EQ(ui::Resources::current(), ss());
    }
    EXPECT_EQ(ui::Resources::current(), m_host);
}

TEST_F(ResourceGuard, NestedGuardsRestoreOnlyOnce) {
    {
        KvResourceGuard outer;
        {
            KvResourceGuard inner;
            EXPECT_EQ(ui::Resources::current(), ss());
        }
        EXPECT_EQ(ui::Resources::current(), ss());
    }
    EXPECT_EQ(ui::Resources::current(), m_host);
}

TEST_F(ResourceGuard, TheDialogOfAnEntryPointRunsWithTheModulesResources) {
    ui::Script script;
    ui::ResourceModule* during = nullptr;
    script.onModal(IDD_GRID, [&](ui::Dialog& dialog) {
        during = ui::Resources::current();
        dialog.endDialog(ui::IDOK);
    });
    KvGridDlgData data;
    StartDlgGrid(data);
    EXPECT_EQ(during, ss());
    EXPECT_EQ(ui::Resources::current(), m_host);
}

TEST_F(ResourceGuard, AnEntryPointThatThrowsStillRestores) {
    ui::Script script;
    script.onModal(IDD_CIS2, [](ui::Dialog&) { throw std::runtime_error("handler failed"); });
    KvDlgCis2Data data;
    EXPECT_THROW(StartDlgCis2Info(data), std::runtime_error);
    EXPECT_EQ(ui::Resources::current(), m_host);
}

TEST_F(ResourceGuard, EntriesWithoutAGuardLeaveTheHostsResources) {
    ui::Script script;
    ui::ResourceModule* during = nullptr;
    script.onModal(IDD_SELECT_DSTV_POINTS_FILE, [&](ui::Dialog& dialog) {
        during = ui::Resources::current();
        dialog.endDialog(ui::IDCANCEL);
    });
    StartDSTVPointsDlg();
    EXPECT_EQ(during, m_host);
}

} // namespace
