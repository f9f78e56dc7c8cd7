#include "testWindows.h"
#include "support/uiTestSupport.h"

#include "ui/Resources.h"

#include <algorithm>
#include <vector>

using namespace ui;
using namespace ui::test;

namespace {

class ResourceTest : public UiTest {};

TEST_F(ResourceTest, LookupsTryTheCurrentModuleFirstThenTheChain) {
    ResourceModule& host = Resources::addModule(u"host-for-tests");
    ResourceModule& module = Resources::addModule(u"module-for-tests");
    DialogTemplate hostTmpl = simpleTemplate(7001);
    hostTmpl.caption = u"host's";
    DialogTemplate moduleTmpl = simpleTemplate(7001);
    moduleTmpl.caption = u"module's";
    host.addDialog(hostTmpl);
    module.addDialog(moduleTmpl);
    module.addBitmap(8134, {'B', 'M'}, {16, 16});
    module.addIcon(148);
    module.addString(1, u"OK");

    ResourceModule* before = Resources::current();
    {
        ScopedResourceModule guard(&module);
        EXPECT_EQ(Resources::current(), &module);
        EXPECT_EQ(Resources::findDialog(7001)->caption, u"module's");
    }
    EXPECT_EQ(Resources::current(), before);
    {
        ScopedResourceModule guard(&host);
        EXPECT_EQ(Resources::findDialog(7001)->caption, u"host's");
        // What the current module lacks comes from the chain.
        Image bmp = Resources::loadBitmap(8134);
        ASSERT_FALSE(bmp.isNull());
        EXPECT_EQ(bmp.bytes->size(), 2u);
        EXPECT_EQ(bmp.size, (Size{16, 16}));
        EXPECT_TRUE(Resources::loadIcon(148).isIcon);
        EXPECT_EQ(Resources::loadString(1), u"OK");
    }
    EXPECT_TRUE(Resources::loadBitmap(424242).isNull());
    EXPECT_EQ(Resources::findDialog(424242), nullptr);
}

TEST_F(ResourceTest, TheGuardIsVisibleWhileADialogRuns) {
    ResourceModule& module = Resources::addModule(u"guarded-for-tests");
    module.addDialog(simpleTemplate(7002));
    ResourceModule* seen = nullptr;
    const int switches = Resources::switchCount();
    Script script;
    script.onModal(7002, [&](Dialog& d) {
        seen = Resources::current();
        d.endDialog(IDOK);
    });
    {
        ScopedResourceModule guard(&module);
        HookDialog dlg(7002);
        EXPECT_EQ(dlg.doModal(), IDOK);
    }
    EXPECT_EQ(seen, &module);
    EXPECT_EQ(Resources::switchCount(), switches + 2);
}

TEST_F(ResourceTest, AModuleTakenOutOfTheChainIsFoundNoMoreUntilItIsAddedAgain) {
    ResourceModule& leaving = Resources::addModule(u"leaving-for-tests");
    leaving.addDialog(simpleTemplate(7003));
    ResourceModule* before = Resources::current();
    Resources::setCurrent(&leaving);
    Resources::removeModule(&leaving);
    EXPECT_EQ(Resources::findModule(u"leaving-for-tests"), nullptr);
    EXPECT_EQ(Resources::findDialog(7003), nullptr);
    EXPECT_EQ(Resources::current(), nullptr) << "a module that left is current no more";
    const std::vector<ResourceModule*> chain = Resources::chain();
    EXPECT_EQ(std::find(chain.begin(), chain.end(), &leaving), chain.end());
    Resources::removeModule(&leaving);   // twice: nothing happens
    Resources::setCurrent(before);
    // Its name added again brings the same module back, at the end of the chain.
    EXPECT_EQ(&Resources::addModule(u"leaving-for-tests"), &leaving);
    EXPECT_EQ(Resources::chain().back(), &leaving);
    EXPECT_NE(Resources::findDialog(7003), nullptr);
}

TEST_F(ResourceTest, AddingAModuleTwiceGivesTheSameModule) {
    ResourceModule& a = Resources::addModule(u"twice-for-tests");
    EXPECT_EQ(&Resources::addModule(u"twice-for-tests"), &a);
    EXPECT_EQ(Resources::findModule(u"twice-for-tests"), &a);
}

} // namespace
