// Natural order: numbers by value, sizes part by part, and the sorted insert the section editor places with.
#include "nuvo/naturalOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> naturallySorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return naturalCompare(Ork_String::fromUtf8(a), Ork_String::fromUtf8(b)) < 0;
    });
    return texts;
}

TEST(NaturalOrder, NumbersCompareByValueAndSizesPartByPart) {
    EXPECT_EQ(naturallySorted({"100", "90", "80", "1000", "9"}),
              (std::vector<std::string>{"9", "80", "90", "100", "1000"}));
    EXPECT_EQ(naturallySorted({"100x100x10", "100x50x8", "100x50x6", "80x80x8", "120x80x8"}),
              (std::vector<std::string>{"80x80x8", "100x50x6", "100x50x8", "100x100x10", "120x80x8"}));
    EXPECT_EQ(naturallySorted({"IPE 100", "IPE 80", "HEA 200", "ipe 90"}),
              (std::vector<std::string>{"HEA 200", "IPE 80", "ipe 90", "IPE 100"}));
    EXPECT_EQ(naturallySorted({"5.5", "5.25", "5", "5.05"}), (std::vector<std::string>{"5", "5.05", "5.25", "5.5"}));
    EXPECT_EQ(naturallySorted({"100x50", "100", "100x"}), (std::vector<std::string>{"100", "100x", "100x50"}));
}

TEST(NaturalOrder, IsTotalSoEqualValuesStillHaveAnOrder) {
    EXPECT_EQ(naturalCompare(u"80", u"80"), 0);
    EXPECT_LT(naturalCompare(u"007", u"7"), 0);
    EXPECT_GT(naturalCompare(u"7", u"007"), 0);
    EXPECT_NE(naturalCompare(u"a", u"A"), 0);
    EXPECT_LT(naturalCompare(u"", u"0"), 0);
    EXPECT_LT(naturalCompare(u"9", u"a"), 0);
}

TEST(AddToSorted, InsertsAtTheNaturalPlaceAfterEqualEntries) {
    Ork_StringArray sizes{u"80", u"100", u"120"};
    EXPECT_EQ(ObjectExportAddToSorted(sizes, u"90"), 1);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, u"200"), 4);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, u"60"), 0);
    EXPECT_EQ(ObjectExportAddToSorted(sizes, u"100"), 4);
    EXPECT_EQ(sizes, (Ork_StringArray{u"60", u"80", u"90", u"100", u"100", u"120", u"200"}));
    Ork_StringArray empty;
    EXPECT_EQ(ObjectExportAddToSorted(empty, u"x"), 0);
}

} // namespace
