// The 24 section types: names shown as the editor shows them, type texts kept as written when no known type,
// and each type's value column labels.
#include "seclib/sectionTypes.h"

#include "nuvo/hostTexts.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SectionTypeTable, KnownNumbersAreShownByNameAndStoredAsTheirNumber) {
    EXPECT_EQ(sectionTypeShown(u"1"), u"<I section>");
    EXPECT_EQ(sectionTypeShown(u"10"), u"<Angle>");
    EXPECT_EQ(sectionTypeShown(u"17"), u"<Hat section>");
    EXPECT_EQ(sectionTypeShown(u"18"), u"<Cold-formed angle>");
    EXPECT_EQ(sectionTypeShown(u"24"), u"<Tapered I section>");
    EXPECT_EQ(sectionTypeStored(u"<Angle>"), u"10");
    EXPECT_EQ(sectionTypeStored(u"<Tapered I section>"), u"24");
    const Ork_StringArray names = sectionTypeShownNames();
    ASSERT_EQ(names.length(), kSectionTypeCount);
    for (int i = 0; i < names.length(); ++i)
        EXPECT_EQ(sectionTypeStored(names[i]), Ork_String(i + 1));
}

TEST(SectionTypeTable, AnyOtherTextIsShownAndStoredUnchanged) {
    for (const char16_t* text : {u"0", u"25", u"99", u"100", u"010", u"IPE.dwg", u"shape2", u"", u" 1", u"-1"}) {
        SCOPED_TRACE(Ork_String(text).utf8());
        EXPECT_EQ(sectionTypeNumber(text), 0);
        EXPECT_EQ(sectionTypeShown(text), Ork_String(text));
        EXPECT_EQ(sectionTypeStored(text), Ork_String(text));
    }
    EXPECT_EQ(sectionTypeStored(u"<Unknown>"), u"<Unknown>");
}

TEST(SectionTypeTable, EveryTypeHasNamedTextsAndLabels) {
    std::set<Ork_String> names;
    for (int n = 1; n <= kSectionTypeCount; ++n) {
        const SectionTypeInfo* type = findSectionType(n);
        ASSERT_NE(type, nullptr);
        EXPECT_EQ(type->number, n);
        EXPECT_NE(dialString(type->nameText).substr(0, 1), u"#") << n;   // a text of en.txt
        names.insert(dialString(type->nameText));
        const Ork_StringArray labels = sectionTypeValueLabels(n);
        EXPECT_FALSE(labels.isEmpty()) << n;
        for (const Ork_String& label : labels)
            EXPECT_NE(label.substr(0, 1), u"#") << n;
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kSectionTypeCount));
    EXPECT_EQ(findSectionType(0), nullptr);
    EXPECT_EQ(findSectionType(25), nullptr);
    EXPECT_TRUE(sectionTypeValueLabels(25).isEmpty());
    // The angle rule reads the third and fourth values: t and r1.
    const Ork_StringArray angle = sectionTypeValueLabels(10);
    ASSERT_GE(angle.length(), 4);
    EXPECT_EQ(angle[2], u"t");
    EXPECT_EQ(angle[3], u"r1");
    EXPECT_EQ(sectionTypeValueLabels(1), (Ork_StringArray{u"h", u"b", u"tw", u"tf", u"r"}));
}

} // namespace
