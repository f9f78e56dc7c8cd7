// Which chosen drawings lie in the macro folder, compared as the file system would, and how they join a filter.
#include "sheet/genVarsFilter.h"

#include <gtest/gtest.h>

namespace {

const Ork_String kBase = u"\\lib\\Macros\\";

TEST(GenVarsFilter, APathInsideTheFolderKeepsThePartAfterIt) {
    EXPECT_EQ(pathBelowFolder(kBase, u"\\lib\\Macros\\x.dwg"), u"x.dwg");
    EXPECT_EQ(pathBelowFolder(kBase, u"/lib/Macros/Sub/y.dwg"), u"Sub\\y.dwg");
    EXPECT_EQ(pathBelowFolder(kBase, u"\\LIB\\macros\\x.dwg"), u"x.dwg") << "letters compare without case";
    EXPECT_EQ(pathBelowFolder(kBase, u"\\lib\\Macros\\Sub\\..\\x.dwg"), u"x.dwg");
    EXPECT_EQ(pathBelowFolder(u"\\lib\\Other\\..\\Macros", u"\\lib\\Macros\\.\\x.dwg"), u"x.dwg");
}

TEST(GenVarsFilter, APathOutsideOrClimbingOutGivesNothing) {
    EXPECT_TRUE(pathBelowFolder(kBase, u"\\lib\\Macros\\..\\x.dwg").isEmpty());
    EXPECT_TRUE(pathBelowFolder(kBase, u"\\lib\\MacrosOld\\x.dwg").isEmpty());
    EXPECT_TRUE(pathBelowFolder(kBase, u"\\lib\\Macros").isEmpty()) << "the folder itself is not below it";
    EXPECT_TRUE(pathBelowFolder(kBase, u"\\other\\x.dwg").isEmpty());
    EXPECT_TRUE(pathBelowFolder(kBase, u"lib\\Macros\\x.dwg").isEmpty()) << "a relative path is elsewhere";
}

TEST(GenVarsFilter, ChosenPathsJoinTheFilterWithoutALeadingSeparator) {
    EXPECT_EQ(appendToFilter(u"a.dwg", kBase, {u"\\lib\\Macros\\x.dwg", u"\\lib\\Macros\\y.dwg"}), u"a.dwg;x.dwg;y.dwg");
    EXPECT_EQ(appendToFilter(u"", kBase, {u"\\lib\\Macros\\x.dwg"}), u"x.dwg");
    EXPECT_EQ(appendToFilter(u"a.dwg", kBase, {u"\\elsewhere\\x.dwg"}), u"a.dwg");
    EXPECT_EQ(appendToFilter(u"", kBase, {}), u"");
}

} // namespace
