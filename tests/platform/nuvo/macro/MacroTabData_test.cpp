#include "support/macroTestSupport.h"

#include <gtest/gtest.h>

TEST(FlexFixButtons, APressTurnsAFlexibleDistanceFixedAndBack) {
    LoadedMacro m;
    MacroTabData& tab = m.tab(u"EndPlate");
    bool first = false, second = false;
    ASSERT_TRUE(tab.getFlexFixBtnStatus(u"Gap", first, second));
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
    ASSERT_TRUE(tab.flexFixBtnClicked(u"Gap", true));
    ASSERT_TRUE(tab.getFlexFixBtnStatus(u"Gap", first, second));
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    ASSERT_TRUE(tab.flexFixBtnClicked(u"Gap", false));
    ASSERT_TRUE(tab.getFlexFixBtnStatus(u"Gap", first, second));
    EXPECT_FALSE(first);
    first = second = true;
    EXPECT_FALSE(tab.getFlexFixBtnStatus(u"Height", first, second));
    EXPECT_TRUE(first && second);
    EXPECT_FALSE(tab.flexFixBtnClicked(u"Height", false));
}

TEST(ProfileGroups, MergedPropertiesKeepTheGroupName) {
    LoadedMacro m;
    MacroTabData& tab = m.tab(u"Beam");
    MacroProfData props;
    ASSERT_TRUE(tab.getMergedPropsOfGroup(u"Main", props));
    EXPECT_EQ(props.ownedMemberName, u"B1");
    props.name = u"Renamed";
    props.ownedMemberName = u"B7";
    ASSERT_TRUE(tab.setMergedPropsOfGroup(u"Main", props));
    ASSERT_TRUE(tab.getMergedPropsOfGroup(u"Main", props));
    EXPECT_EQ(props.name, u"Main");
    EXPECT_EQ(props.ownedMemberName, u"B7");
    EXPECT_FALSE(tab.getMergedPropsOfGroup(u"Other", props));
    EXPECT_FALSE(tab.setMergedPropsOfGroup(u"Other", props));
}

TEST(MacroTabs, FoundByExactName) {
    LoadedMacro m;
    int index = -1;
    EXPECT_TRUE(m.data.findTab(u"BoltGroup", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(m.data.findTab(u"boltgroup", index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(m.data.getTab(3), nullptr);
    EXPECT_EQ(m.data.getTab(-1), nullptr);
}
