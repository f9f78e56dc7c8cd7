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
