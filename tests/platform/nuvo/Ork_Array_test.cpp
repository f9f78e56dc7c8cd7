#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"

#include "cadhost/CommandLine.h"

#include <gtest/gtest.h>

TEST(OwningArray, InsertsAtZeroToLength) {
    Ork_Array<Ork_String> a;
    EXPECT_TRUE(a.insertAt(0, u"b"));
    EXPECT_TRUE(a.insertAt(0, u"a"));
    EXPECT_TRUE(a.insertAt(2, u"c"));   // at the length: appends
    ASSERT_EQ(a.length(), 3);
    EXPECT_EQ(a[0], u"a");
    EXPECT_EQ(a[2], u"c");
}

TEST(OwningArray, BadInsertIndexPrintsAndChangesNothing) {
    cadhost::PrintCapture printed;
    Ork_Array<Ork_String> a;
    a.append(u"x");
    EXPECT_FALSE(a.insertAt(2, u"y"));
    EXPECT_FALSE(a.insertAt(-1, u"y"));
    EXPECT_EQ(a.length(), 1);
    EXPECT_EQ(printed.text(), "*Error* Invalid index passed to insert.\n*Error* Invalid index passed to insert.\n");
}

TEST(OwningArray, BadRemoveIndexPrintsAndChangesNothing) {
    cadhost::PrintCapture printed;
    Ork_Array<Ork_String> a;
    a.append(u"x");
    EXPECT_FALSE(a.removeAt(1));
    EXPECT_FALSE(a.removeAt(-1));
    EXPECT_EQ(a.length(), 1);
    EXPECT_EQ(printed.text(), "*Error* Invalid index passed to remove.\n*Error* Invalid index passed to remove.\n");
    EXPECT_TRUE(a.removeAt(0));
    EXPECT_FALSE(a.removeAt(0));   // empty: no valid index at all
}

TEST(OwningArray, ElementsStayInPlaceWhileOthersMove) {
    Ork_Array<Ork_String> a;
    a.append(u"first");
    const Ork_String* first = &a[0];
    for (int i = 0; i < 100; ++i)
        a.insertAt(0, u"more");
    EXPECT_EQ(first, &a[100]);
    EXPECT_EQ(a.get(100), first);
    EXPECT_EQ(a.get(101), nullptr);
    EXPECT_EQ(a.get(-1), nullptr);
}

TEST(OwningArray, CopiesAreDeep) {
    Ork_Array<Ork_String> a;
    a.append(u"x");
    Ork_Array<Ork_String> b = a;
    b[0] = u"changed";
    EXPECT_EQ(a[0], u"x");
    a = b;
    EXPECT_EQ(a[0], u"changed");
    EXPECT_NE(&a[0], &b[0]);
    int n = 0;
    for (const Ork_String& s : a)
        n += static_cast<int>(s.size());
    EXPECT_EQ(n, 7);
}
