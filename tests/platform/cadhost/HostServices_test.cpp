#include "cadhost/AcArray.h"
#include "cadhost/AcEdCommandStack.h"
#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/Drawing.h"
#include "cadhost/HostLog.h"
#include "cadhost/MainWindow.h"
#include "ui/Desktop.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

TEST(SystemRegistry, PublishesTheLinkerAndTheCommandStackByName) {
    EXPECT_NE(dynamic_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at(u"DynamicLinker")), nullptr);
    EXPECT_NE(dynamic_cast<AcEdCommandStack*>(acrxSysRegistry()->at(u"ACAD_REGISTERED_COMMANDS")), nullptr);
    EXPECT_EQ(acrxSysRegistry()->at(u"NoSuchService"), nullptr);
}

TEST(DynamicLinker, RecordsUnlockAndMultiDocumentRegistration) {
    cadhost::HostLog::clear();
    AcRxAppPacket packet{u"SS", nullptr};
    AcRxDynamicLinker* linker = acrxDynamicLinker();
    EXPECT_TRUE(linker->isApplicationLocked(&packet));
    EXPECT_TRUE(linker->unlockApplication(&packet));
    EXPECT_TRUE(linker->registerAppMDIAware(&packet));
    EXPECT_FALSE(linker->isApplicationLocked(&packet));
    EXPECT_TRUE(linker->isAppMDIAware(&packet));
    EXPECT_FALSE(linker->unlockApplication(nullptr));
    EXPECT_EQ(cadhost::HostLog::texts(), (std::vector<std::u16string>{u"unlockApplication(SS)", u"registerAppMDIAware(SS)",
                                                                       u"unlockApplication((null))"}));
}

TEST(CommandStack, RemovesANamedGroup) {
    AcEdCommandStack* stack = acedRegCmds();
    int runs = 0;
    EXPECT_EQ(stack->addCommand(u"ORKNEXA_SS", u"SSTEST", [&] { ++runs; }), eOk);
    EXPECT_EQ(stack->addCommand(u"OTHER", u"KEEP", [] {}), eOk);
    EXPECT_TRUE(stack->run(u"SSTEST"));
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(stack->removeGroup(u"ORKNEXA_SS"), eOk);
    EXPECT_FALSE(stack->hasGroup(u"ORKNEXA_SS"));
    EXPECT_FALSE(stack->run(u"SSTEST"));
    EXPECT_TRUE(stack->hasCommand(u"KEEP"));
    EXPECT_EQ(stack->removeGroup(u"ORKNEXA_SS"), eInvalidInput);
    EXPECT_EQ(stack->addCommand(u"", u"X", [] {}), eInvalidInput);
    stack->removeGroup(u"OTHER");
}

TEST(Drawing, EraseAndUpdateAreRecordedWithTheirArguments) {
    cadhost::HostLog::clear();
    const AcDbObjectId id = cadhost::newObjectId();
    EXPECT_FALSE(id.isNull());
    EXPECT_NE(cadhost::newObjectId(), id);
    EXPECT_EQ(EraseObject(id), eOk);
    EXPECT_EQ(EraseObject(AcDbObjectId::kNull), eInvalidInput);
    MacroData* macro = nullptr;   // the record only travels through
    EXPECT_TRUE(UpdateModule(u"Plate", macro, AcArray<int>{-13}, AcArray<int>{}));
    const auto texts = cadhost::HostLog::texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1], u"EraseObject(0)");
    EXPECT_EQ(texts[2], u"UpdateModule(Plate, -13, )");
}

TEST(Drawing, AnInstalledHandlerActsOnUpdates) {
    auto old = cadhost::setUpdateHandler([](const std::u16string& group, MacroData*, const AcArray<int>& changed,
                                            const AcArray<int>&) { return group == u"Plate" && changed.length() == 1; });
    MacroData* macro = nullptr;
    EXPECT_TRUE(UpdateModule(u"Plate", macro, AcArray<int>{1}, {}));
    EXPECT_FALSE(UpdateModule(u"Bolt", macro, AcArray<int>{1}, {}));
    cadhost::setUpdateHandler(std::move(old));
}

TEST(ValueArray, RefusesBadIndexesAndFinds) {
    AcArray<int> a{1, 2, 3};
    EXPECT_FALSE(a.insertAt(4, 9));
    EXPECT_TRUE(a.insertAt(3, 4));
    EXPECT_FALSE(a.removeAt(-1));
    EXPECT_TRUE(a.removeAt(0));
    EXPECT_EQ(a, (AcArray<int>{2, 3, 4}));
    EXPECT_EQ(a.find(4), 2);
    EXPECT_EQ(a.find(7), -1);
    AcArray<bool> flags{true, false};
    flags[1] = true;
    EXPECT_TRUE(flags[1]);
}

TEST(MainWindow, IsATopLevelWindowThatSurvivesADesktopReset) {
    ui::Desktop::reset();
    ui::Window* main = adsw_acadMainWnd();
    ASSERT_TRUE(ui::isWindow(main));
    EXPECT_EQ(main->getParent(), nullptr);
    ui::Desktop::reset();
    EXPECT_EQ(adsw_acadMainWnd(), main);
    EXPECT_TRUE(ui::isWindow(adsw_acadMainWnd()));
}
