#include <gtest/gtest.h>

#include "grid/TextKeyTable.h"

#include <string>

using grid::TextKeyTable;

namespace {

std::u16string key(int i) {
    std::u16string k = u"V";
    for (char c : std::to_string(i))
        k += static_cast<char16_t>(c);
    return k;
}

} // namespace

// Whatever the order of look-ups (the order of adding, backwards, or jumping about), every text finds its own
// number and texts never added find none, also across the table's growth.
TEST(TextKeyTable, FindsEveryTextInAnyOrderOfLookUp) {
    TextKeyTable table;
    EXPECT_EQ(table.find(u"V1"), -1);
    const int count = 5000;
    for (int i = 0; i < count; ++i)
        table.add(key(i), 3 * i);
    EXPECT_EQ(table.size(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(table.find(key(i)), 3 * i);
    for (int i = count - 1; i >= 0; i -= 7)
        ASSERT_EQ(table.find(key(i)), 3 * i);
    for (int i = 0; i < count; i += 13) {
        ASSERT_EQ(table.find(key(i)), 3 * i);
        ASSERT_EQ(table.find(key(i + count)), -1);
    }
    EXPECT_EQ(table.find(u""), -1);
    EXPECT_EQ(table.find(u"V"), -1);
    EXPECT_EQ(table.find(u"V10"), 30);
    EXPECT_EQ(table.find(u"V100"), 300);   // the text after V10 in the buffer starts with V10 too
}

TEST(TextKeyTable, TextsThatArePrefixesOfOneAnotherStayApart) {
    TextKeyTable table;
    table.add(u"AB", 1);
    table.add(u"A", 2);
    table.add(u"ABC", 3);
    table.add(u"", 4);
    EXPECT_EQ(table.find(u"A"), 2);
    EXPECT_EQ(table.find(u"AB"), 1);
    EXPECT_EQ(table.find(u"ABC"), 3);
    EXPECT_EQ(table.find(u""), 4);
    EXPECT_EQ(table.find(u"ABCD"), -1);
    EXPECT_EQ(table.textChars(), 6u);
    table.clear();
    EXPECT_EQ(table.find(u"A"), -1);
    EXPECT_EQ(table.size(), 0u);
    table.add(u"A", 7);
    EXPECT_EQ(table.find(u"A"), 7);
}
