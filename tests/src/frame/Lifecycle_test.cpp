// The module's life in the host: attach, the load and unload messages, detach.
#include "support/frameTestSupport.h"

#include "cadhost/AcEdCommandStack.h"
#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/HostLog.h"
#include "frame/KvModelessDlgs.h"
#include "frame/KvSSDlgsMgr.h"
#include "SS/SSExports.h"
#include "macrodlg/CDlgMacro.h"
#include "nuvo/macro/MacroData.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgSSStandards.h"
#include "ui/Resources.h"
#include "ui/Timers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using frametest::FrameTest;

TEST(Attach, RefusedWithoutAnInstanceHandle) {
    EXPECT_EQ(DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr), 0);
    EXPECT_EQ(ssmodule::instance(), nullptr);
}

TEST(Attach, AnswersTheHostsApiVersion) { EXPECT_EQ(acrxGetApiVersion(), 0x110000ul); }

TEST(Detach, TakesTheModulesResourcesOutOfTheChainAndRestoresTheCurrentModule) {
    ui::ResourceModule& host = ui::Resources::addModule(u"host-of-the-detach-test");
    ui::ResourceModule* const before = ui::Resources::current();
    ui::Resources::setCurrent(&host);
    int instance = 0;
    ASSERT_EQ(DllMain(&instance, DLL_PROCESS_ATTACH, nullptr), 1);
    ui::ResourceModule* own = ui::Resources::findModule(kSSResourceModuleName);
    ASSERT_NE(own, nullptr);
    EXPECT_NE(ui::Resources::findDialog(IDD_SS_STANDARDS), nullptr);
    // Made current, as while one of its entry points runs, when the library goes.
    ui::Resources::setCurrent(own);
    DllMain(&instance, DLL_PROCESS_DETACH, nullptr);
    EXPECT_EQ(ui::Resources::findModule(kSSResourceModuleName), nullptr);
    const std::vector<ui::ResourceModule*> chain = ui::Resources::chain();
    EXPECT_EQ(std::find(chain.begin(), chain.end(), own), chain.end());
    EXPECT_EQ(ui::Resources::findDialog(IDD_SS_STANDARDS), nullptr);
    EXPECT_EQ(ui::Resources::current(), &host);
    // Attached again, its resources are back.
    ASSERT_EQ(DllMain(&instance, DLL_PROCESS_ATTACH, nullptr), 1);
    EXPECT_NE(ui::Resources::findDialog(IDD_SS_STANDARDS), nullptr);
    DllMain(&instance, DLL_PROCESS_DETACH, nullptr);
    EXPECT_EQ(ui::Resources::current(), &host);
    ui::Resources::setCurrent(before);
}

using Lifecycle = FrameTest;

TEST_F(Lifecycle, AttachRegistersTheModulesResourcesInTheChain) {
    ui::ResourceModule* module = ui::Resources::findModule(kSSResourceModuleName);
    ASSERT_NE(module, nullptr);
    for (int id : {IDD_MACRO, IDD_EDIT_MACRO, IDD_SS_STANDARDS, IDD_PROMPT_STRING, IDD_STRING_ARRAY, IDD_FORMULA,
                   IDD_GRID, IDD_CIS2, IDD_SELECT_IMAGE, IDD_LOOKUP})
        EXPECT_NE(module->dialog(id), nullptr) << "template " << id;
    EXPECT_FALSE(ui::Resources::findDialog(IDD_SS_STANDARDS)->visible());
    EXPECT_EQ(ssmodule::instance(), &m_instance);
}

TEST_F(Lifecycle, LoadMessageUnlocksAndRegistersForSeveralDrawings) {
    EXPECT_FALSE(acrxDynamicLinker()->isApplicationLocked(&m_packet));
    EXPECT_TRUE(acrxDynamicLinker()->isAppMDIAware(&m_packet));
}

TEST_F(Lifecycle, LoadMessageLoadsTheTwoCheckBoxPictures) {
    EXPECT_EQ(ssmodule::checkedPicture().resourceId, IDB_CHECKED);
    EXPECT_EQ(ssmodule::uncheckedPicture().resourceId, IDB_UNCHECKED);
    ASSERT_TRUE(ssmodule::checkedPicture().bytes);
    EXPECT_NE(*ssmodule::checkedPicture().bytes, *ssmodule::uncheckedPicture().bytes);
}

TEST_F(Lifecycle, ThePicturesComeFromAResourceModuleLoadedAhead) {
    // A resource-only module that is current when the message arrives supplies its own pictures.
    ui::ResourceModule& skin = ui::Resources::addModule(u"SS-skin");
    skin.addBitmap(IDB_CHECKED, {'B', 'M', 1}, {13, 13});
    skin.addBitmap(IDB_UNCHECKED, {'B', 'M', 2}, {13, 13});
    ui::ScopedResourceModule current(&skin);
    acrxEntryPoint(AcRx::kInitAppMsg, &m_packet);
    EXPECT_EQ(*ssmodule::checkedPicture().bytes, (std::vector<std::uint8_t>{'B', 'M', 1}));
}

TEST_F(Lifecycle, OtherMessagesDoNothingAndSucceed) {
    acedRegCmds()->addCommand(u"ORKNEXA_SS", u"SSTEST", [] {});
    cadhost::HostLog::clear();
    EXPECT_EQ(acrxEntryPoint(static_cast<AcRx::AppMsgCode>(3), &m_packet), AcRx::kRetOK);
    EXPECT_EQ(acrxEntryPoint(static_cast<AcRx::AppMsgCode>(0), &m_packet), AcRx::kRetOK);
    EXPECT_TRUE(acedRegCmds()->hasGroup(u"ORKNEXA_SS"));
    EXPECT_TRUE(cadhost::HostLog::calls().empty());
}

TEST_F(Lifecycle, UnloadWithNothingOpenOnlyRemovesTheCommandGroup) {
    acedRegCmds()->addCommand(u"ORKNEXA_SS", u"SSTEST", [] {});
    cadhost::HostLog::clear();
    EXPECT_EQ(acrxEntryPoint(AcRx::kUnloadAppMsg, &m_packet), AcRx::kRetOK);
    EXPECT_FALSE(acedRegCmds()->hasGroup(u"ORKNEXA_SS"));
    EXPECT_TRUE(cadhost::HostLog::texts(u"acedPostCommandPrompt").empty());
    EXPECT_EQ(printed(), "");
}

TEST_F(Lifecycle, UnloadEndsEveryMacroDialogAndTheConstraintsEditor) {
    MacroData macro;
    int first = -1, second = -1;
    ASSERT_TRUE(StartDlgMacroModeless(false, macro, first));
    ASSERT_TRUE(StartDlgMacroModeless(false, macro, second));
    ASSERT_TRUE(KvModelessDlgs::instance().openConstraintsEditor([](CDlgEditMacro&) {}));
    acrxEntryPoint(AcRx::kUnloadAppMsg, &m_packet);
    EXPECT_EQ(KvModelessDlgs::instance().slotCount(), 0);
    EXPECT_EQ(KvModelessDlgs::instance().constraintsEditor(), nullptr);
}

TEST_F(Lifecycle, HiddenStandardsWindowsSurviveUnloadAndGoAtDetach) {
    CDlgSSStandards* window = gSSDlgsMgr.getDlg();
    ASSERT_NE(window, nullptr);
    gSSDlgsMgr.releaseDlg(window);
    acrxEntryPoint(AcRx::kUnloadAppMsg, &m_packet);
    EXPECT_EQ(gSSDlgsMgr.count(), 1);
    EXPECT_TRUE(window->isWindow());
    DllMain(&m_instance, DLL_PROCESS_DETACH, nullptr);
    m_attached = false;
    EXPECT_EQ(gSSDlgsMgr.count(), 0);
}

TEST_F(Lifecycle, UnloadLeavesABusyDialogToItsDelayedClose) {
    MacroData macro;
    int index = -1;
    ASSERT_TRUE(StartDlgMacroModeless(false, macro, index));
    KvModelessDlgs::instance().at(index)->setBusy(true);
    acrxEntryPoint(AcRx::kUnloadAppMsg, &m_packet);
    ASSERT_NE(KvModelessDlgs::instance().at(index), nullptr);
    KvModelessDlgs::instance().at(index)->setBusy(false);
    ui::Timers::advance(50);
    EXPECT_EQ(printed(), "Delayed timer called.\n");
    EXPECT_EQ(KvModelessDlgs::instance().slotCount(), 0);
    EXPECT_EQ(ui::Timers::activeCount(), 0);
}

TEST_F(Lifecycle, DetachWithADelayedClosePendingLeavesNoTimerAndNoWindow) {
    MacroData macro;
    int index = -1;
    ASSERT_TRUE(StartDlgMacroModeless(false, macro, index));
    ui::Window* dialog = KvModelessDlgs::instance().at(index);
    KvModelessDlgs::instance().at(index)->setBusy(true);
    unload();
    EXPECT_EQ(ui::Timers::activeCount(), 0);
    EXPECT_FALSE(ui::isWindow(dialog));
    EXPECT_EQ(KvModelessDlgs::instance().slotCount(), 0);
    ui::Timers::advance(1000);
    EXPECT_EQ(printed(), "");
}

} // namespace
