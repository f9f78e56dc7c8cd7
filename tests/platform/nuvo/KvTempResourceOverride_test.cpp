#include "nuvo/KvTempResourceOverride.h"

#include "ui/Resources.h"

#include <gtest/gtest.h>

TEST(ResourceOverride, MakesTheModulesResourcesCurrentAndRestores) {
    ui::ResourceModule& host = ui::Resources::addModule(u"host");
    ui::ResourceModule& module = ui::Resources::addModule(u"SS-test");
    ui::Resources::setCurrent(&host);
    KvTempResourceOverride override;
    override.SaveDefaultResource(&module);

    const bool outer = override.SetDefaultResource();
    EXPECT_TRUE(outer);
    EXPECT_EQ(ui::Resources::current(), &module);
    const bool inner = override.SetDefaultResource();   // a nested entry point: already current
    EXPECT_FALSE(inner);
    if (inner)
        override.RestoreOriginalResource();
    EXPECT_EQ(ui::Resources::current(), &module);
    if (outer)
        override.RestoreOriginalResource();
    EXPECT_EQ(ui::Resources::current(), &host);
}

TEST(ResourceOverride, WithoutSavedResourcesNothingChanges) {
    ui::ResourceModule& host = ui::Resources::addModule(u"host");
    ui::Resources::setCurrent(&host);
    KvTempResourceOverride override;
    EXPECT_FALSE(override.SetDefaultResource());
    override.RestoreOriginalResource();   // owes nothing: harmless
    EXPECT_EQ(ui::Resources::current(), &host);
}

TEST(ResourceOverride, RestoresInOrderWhenAnotherModuleIntervenes) {
    ui::ResourceModule& host = ui::Resources::addModule(u"host");
    ui::ResourceModule& other = ui::Resources::addModule(u"other");
    ui::ResourceModule& module = ui::Resources::addModule(u"SS-test");
    ui::Resources::setCurrent(&host);
    KvTempResourceOverride override;
    override.SaveDefaultResource(&module);
    ASSERT_TRUE(override.SetDefaultResource());
    ui::Resources::setCurrent(&other);              // something inside switched away
    ASSERT_TRUE(override.SetDefaultResource());
    override.RestoreOriginalResource();
    EXPECT_EQ(ui::Resources::current(), &other);
    override.RestoreOriginalResource();
    EXPECT_EQ(ui::Resources::current(), &host);
}
