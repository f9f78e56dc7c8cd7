#include "nuvo/Ork_PropertiesList.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <fstream>

TEST(PropertiesList, KeepsTypedValues) {
    Ork_PropertiesList list;
    list.set(u"nrOfControls", 2);
    list.set(u"topLeftX0", 0.1);
    list.set(u"contents0", u"Width");
    int n = 0;
    double x = 0;
    Ork_String s;
    EXPECT_TRUE(list.get(u"nrOfControls", n));
    EXPECT_EQ(n, 2);
    EXPECT_TRUE(list.get(u"topLeftX0", x));
    EXPECT_EQ(x, 0.1);
    EXPECT_TRUE(list.get(u"contents0", s));
    EXPECT_EQ(s, u"Width");
}

TEST(PropertiesList, AMissingOrWronglyTypedKeyFailsAndLeavesTheTarget) {
    Ork_PropertiesList list;
    list.set(u"name", u"x");
    list.set(u"count", 3);
    int n = 42;
    EXPECT_FALSE(list.get(u"missing", n));
    EXPECT_FALSE(list.get(u"name", n));
    EXPECT_EQ(n, 42);
    Ork_String s(u"kept");
    EXPECT_FALSE(list.get(u"count", s));
    EXPECT_EQ(s, u"kept");
    double d = 0;
    EXPECT_TRUE(list.get(u"count", d));   // an int reads as a double without loss
    EXPECT_EQ(d, 3.0);
}

TEST(PropertiesList, SettingAgainReplacesInPlace) {
    Ork_PropertiesList list;
    list.set(u"a", 1);
    list.set(u"b", 2);
    list.set(u"a", u"text");
    EXPECT_EQ(list.keys(), (std::vector<Ork_String>{u"a", u"b"}));
    EXPECT_TRUE(list.remove(u"a"));
    EXPECT_FALSE(list.remove(u"a"));
    EXPECT_EQ(list.size(), 1);
}

TEST(PropertiesList, FileRoundTripKeepsAwkwardStringsAndFullPrecision) {
    TempFolder dir;
    Ork_PropertiesList list;
    const Ork_String awkward = u"a;b  c\td\ne\r\nf\\g \\n ;;; \u2022\u00BF\u0192 \x01 \xD800 end";
    list.set(u"nrOfControls", 1);
    list.set(u"contents0", awkward);
    list.set(u"comboList0", u";;;");
    list.set(u"empty", u"");
    list.set(u"third", 1.0 / 3.0);
    list.set(u"tiny", DBL_MIN);
    list.set(u"big", -DBL_MAX);
    list.set(u"key with\ttab", -7);
    ASSERT_TRUE(list.writeToFile(dir.folder() + u"design.txt"));

    Ork_PropertiesList read;
    ASSERT_TRUE(read.readFromFile(dir.folder() + u"design.txt")) << read.lastError().utf8();
    Ork_String s;
    double d = 0;
    int n = 0;
    EXPECT_TRUE(read.get(u"contents0", s));
    EXPECT_EQ(s, awkward);
    EXPECT_TRUE(read.get(u"comboList0", s));
    EXPECT_EQ(s, u";;;");
    EXPECT_TRUE(read.get(u"empty", s));
    EXPECT_EQ(s, u"");
    EXPECT_TRUE(read.get(u"third", d));
    EXPECT_EQ(d, 1.0 / 3.0);
    EXPECT_TRUE(read.get(u"tiny", d));
    EXPECT_EQ(d, DBL_MIN);
    EXPECT_TRUE(read.get(u"big", d));
    EXPECT_EQ(d, -DBL_MAX);
    EXPECT_TRUE(read.get(u"key with\ttab", n));
    EXPECT_EQ(n, -7);
    EXPECT_EQ(read.keys(), list.keys());
}

TEST(PropertiesList, ReadsCrlfAndAByteOrderMark) {
    Ork_PropertiesList list;
    ASSERT_TRUE(list.fromText("\xEF\xBB\xBFOrk_PropertiesList 1\r\nx\ti\t5\r\n\r\ny\ts\ta b\r\n"));
    int x = 0;
    Ork_String y;
    EXPECT_TRUE(list.get(u"x", x));
    EXPECT_EQ(x, 5);
    EXPECT_TRUE(list.get(u"y", y));
    EXPECT_EQ(y, u"a b");
}

TEST(PropertiesList, RefusesMalformedFilesNamingTheLineAndKeepsItsValues) {
    Ork_PropertiesList list;
    list.set(u"kept", 1);
    const char* bad[] = {
        "",
        "no header\n",
        "Ork_PropertiesList 1\nx\ti\n",
        "Ork_PropertiesList 1\nx\ti\t12abc\n",
        "Ork_PropertiesList 1\nx\ti\t99999999999\n",
        "Ork_PropertiesList 1\nx\td\t1.5.5\n",
        "Ork_PropertiesList 1\nx\tq\t1\n",
        "Ork_PropertiesList 1\nx\ts\tbad \\q escape\n",
        "Ork_PropertiesList 1\nx\ts\tshort \\u12\n",
        "Ork_PropertiesList 1\nx\ts\ttrailing \\\n",
        "Ork_PropertiesList 1\n\ti\t1\n",
        "Ork_PropertiesList 1\nx\ti\t1\nx\ti\t2\n",
    };
    for (const char* text : bad) {
        EXPECT_FALSE(list.fromText(text)) << text;
        EXPECT_FALSE(list.lastError().empty());
    }
    EXPECT_TRUE(Ork_String(list.lastError()).startsWith(u"line 3:"));
    EXPECT_EQ(list.keys(), (std::vector<Ork_String>{u"kept"}));
    TempFolder dir;
    EXPECT_FALSE(list.readFromFile(dir.folder() + u"missing.txt"));
    EXPECT_EQ(list.size(), 1);
}

namespace {

TEST(PropertiesListIndex, LookUpsFollowRemovalsReadsAndClears) {
    Ork_PropertiesList list;
    list.set(u"a", 1);
    list.set(u"b", 2);
    list.set(u"c", 3);
    ASSERT_TRUE(list.remove(u"b"));
    int v = 0;
    EXPECT_TRUE(list.get(u"c", v));
    EXPECT_EQ(v, 3);
    EXPECT_FALSE(list.get(u"b", v));
    list.set(u"b", 4);   // back at the end
    list.set(u"a", 5);   // replaced in place
    const std::vector<Ork_String> keys = list.keys();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0], u"a");
    EXPECT_EQ(keys[2], u"b");
    EXPECT_TRUE(list.get(u"a", v));
    EXPECT_EQ(v, 5);
    // A list read from text finds its own keys, not those it had before.
    ASSERT_TRUE(list.fromText("Ork_PropertiesList 1\nx\ti\t7\n"));
    EXPECT_FALSE(list.get(u"a", v));
    EXPECT_TRUE(list.get(u"x", v));
    EXPECT_EQ(v, 7);
    Ork_PropertiesList copy = list;
    EXPECT_TRUE(copy.get(u"x", v));
    list.clear();
    EXPECT_FALSE(list.has(u"x"));
    list.set(u"x", 8);
    EXPECT_EQ(list.size(), 1);
    // Seventy thousand keys, as a design of ten thousand controls has, each found.
    Ork_PropertiesList big;
    for (int i = 0; i < 70000; ++i)
        big.set(Ork_String(u"k") + Ork_String(i), i);
    EXPECT_TRUE(big.get(u"k69999", v));
    EXPECT_EQ(v, 69999);
}

} // namespace
