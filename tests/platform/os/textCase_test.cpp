#include "os/textCase.h"

#include <gtest/gtest.h>

TEST(CaseFolding, CapitalsOfEachCoveredScriptFoldToSmallLetters) {
    EXPECT_TRUE(os::equalsNoCase(u"STAHLBAU \u00C4\u00D6\u00DC", u"stahlbau \u00E4\u00F6\u00FC"));
    EXPECT_TRUE(os::equalsNoCase(u"\u0100\u0139\u014A\u0178\u017D", u"\u0101\u013A\u014B\u00FF\u017E"));
    EXPECT_TRUE(os::equalsNoCase(u"\u0394\u0416\u0401", u"\u03B4\u0436\u0451"));
    // Not letters, or letters without a one-character partner: left alone.
    EXPECT_EQ(os::foldCase(u'\u00D7'), u'\u00D7');
    EXPECT_EQ(os::foldCase(u'\u00DF'), u'\u00DF');
    EXPECT_EQ(os::foldCase(u'\u0138'), u'\u0138');
    EXPECT_FALSE(os::equalsNoCase(u"ab", u"abc"));
}

TEST(CaseFolding, OrderIgnoresCaseThenFallsBackToTheExactText) {
    EXPECT_TRUE(os::lessNoCase(u"apple", u"Banana"));
    EXPECT_TRUE(os::lessNoCase(u"Ab", u"ab"));
    EXPECT_FALSE(os::lessNoCase(u"ab", u"Ab"));
    EXPECT_TRUE(os::lessNoCase(u"ab", u"ABC"));
    EXPECT_EQ(os::compareNoCase(u"ABC", u"abc"), 0);
}

TEST(CaseFolding, UpperCaseGivesTheCapitalOfEachSmallLetter) {
    EXPECT_EQ(os::upperCase(u"stahlbau \u00E4\u00F6\u00FC\u00FF"), u"STAHLBAU \u00C4\u00D6\u00DC\u0178");
    EXPECT_EQ(os::upperCase(u"\u0101\u013A\u014B\u017E \u03B4\u03CA \u0436\u0451"),
              u"\u0100\u0139\u014A\u017D \u0394\u03AA \u0416\u0401");
    // ß, final sigma, the dotless i and the long s have no capital of one character.
    EXPECT_EQ(os::upperCase(u"\u00DF\u03C2\u0131\u017F\u00F7"), u"\u00DF\u03C2\u0131\u017F\u00F7");
    EXPECT_EQ(os::foldCase(u"\u03AA\u03AB\u0130"), u"\u03CA\u03CBi");
    EXPECT_TRUE(os::startsWithNoCase(u"\u0416\u0443\u043A.kvs", u"\u0436\u0423"));
    EXPECT_FALSE(os::startsWithNoCase(u"ab", u"abc"));
}

TEST(CaseFolding, CapitalsAndSmallLettersPairBothWaysAndAsciiStaysApart) {
    for (unsigned u = 0; u <= 0xFFFF; ++u) {
        const char16_t c = char16_t(u);
        const char16_t upper = os::upperCase(c), folded = os::foldCase(c);
        // Upper-casing keeps what folding tells apart, so a comparison may use either form.
        ASSERT_EQ(os::foldCase(upper), folded) << u;
        // Cell addresses and function names are ASCII: no other letter may upper-case into them.
        ASSERT_EQ(c < 0x80, upper < 0x80) << u;
        if (folded != c && c != 0x130) {
            ASSERT_EQ(os::upperCase(folded), c) << u;
        }
    }
}
