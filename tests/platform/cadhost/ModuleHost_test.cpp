#include "cadhost/ModuleHost.h"

#include "cadhost/AcEdCommandStack.h"
#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/CommandLine.h"
#include "cadhost/HostLog.h"
#include "ui/Desktop.h"
#include "ui/Timers.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class ModuleHostTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::Desktop::reset();
        cadhost::HostLog::clear();
    }
};

} // namespace

TEST_F(ModuleHostTest, LoadsAttachesSendsOneAndTwoDetachesAndUnloads) {
    cadhost::PrintCapture printed;
    {
        cadhost::ModuleHost host;
        ASSERT_TRUE(host.load(CADHOST_TEST_MODULE, u"SS")) << host.error();
        EXPECT_TRUE(host.isLoaded());
        EXPECT_EQ(printed.text(), "attach\nmessage 1 to SS (own instance: 1)\n");
        EXPECT_FALSE(acrxDynamicLinker()->isApplicationLocked(const_cast<AcRxAppPacket*>(&host.packet())));
        EXPECT_TRUE(acrxDynamicLinker()->isAppMDIAware(const_cast<AcRxAppPacket*>(&host.packet())));
        EXPECT_TRUE(acedRegCmds()->run(u"SSHELLO"));

        printed.clear();
        EXPECT_TRUE(host.unload()) << host.error();
        EXPECT_FALSE(host.isLoaded());
        // The delayed close ran before the module was detached.
        EXPECT_EQ(printed.text(), "message 2\nDelayed timer called.\ndetach\n");
        EXPECT_TRUE(host.error().empty());
        EXPECT_FALSE(acedRegCmds()->hasGroup(u"ORKNEXA_SS"));
        EXPECT_FALSE(host.unload());
    }
    EXPECT_EQ(cadhost::HostLog::texts(),
              (std::vector<std::u16string>{u"attach(SS)", u"acrxEntryPoint(1)", u"unlockApplication(SS)",
                                           u"registerAppMDIAware(SS)", u"addCommand(ORKNEXA_SS, SSHELLO)",
                                           u"acrxEntryPoint(2)", u"removeGroup(ORKNEXA_SS)", u"detach(SS)"}));
    EXPECT_EQ(ui::Timers::activeCount(), 0);
}

TEST_F(ModuleHostTest, AModuleThatRefusesToAttachIsNotLoaded) {
    cadhost::PrintCapture printed;
    setenv("CADHOST_TEST_REFUSE_ATTACH", "1", 1);
    cadhost::ModuleHost host;
    EXPECT_FALSE(host.load(CADHOST_TEST_MODULE, u"SS"));
    unsetenv("CADHOST_TEST_REFUSE_ATTACH");
    EXPECT_FALSE(host.isLoaded());
    EXPECT_NE(host.error().find("refused to attach"), std::string::npos);
    EXPECT_EQ(printed.text(), "");   // no message was sent
    EXPECT_EQ(host.sendMessage(AcRx::kInitAppMsg), AcRx::kRetError);
}

TEST_F(ModuleHostTest, AFileThatIsNoModuleIsRefused) {
    cadhost::ModuleHost host;
    EXPECT_FALSE(host.load("/nonexistent/libnothing.so", u"X"));
    EXPECT_FALSE(host.error().empty());
    EXPECT_FALSE(host.isLoaded());
}

TEST_F(ModuleHostTest, TheDestructorUnloadsALoadedModule) {
    cadhost::PrintCapture printed;
    {
        cadhost::ModuleHost host;
        ASSERT_TRUE(host.load(CADHOST_TEST_MODULE, u"SS"));
    }
    EXPECT_NE(printed.text().find("detach\n"), std::string::npos);
}
