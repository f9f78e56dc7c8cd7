#include "nuvo/Ork_String.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

TEST(NumberText, WritesExactlyTheGivenDecimals) {
    EXPECT_EQ(Ork_String(12.0, 0), u"12");
    EXPECT_EQ(Ork_String(12.0, 2), u"12.00");
    EXPECT_EQ(Ork_String(0.1, 6), u"0.100000");
    EXPECT_EQ(Ork_String(-3.25, 1), u"-3.3");
    EXPECT_EQ(Ork_String(1e20, 1), u"100000000000000000000.0");
    EXPECT_EQ(Ork_String(0.0, 3), u"0.000");
}

TEST(NumberText, RoundsHalfAwayFromZero) {
    EXPECT_EQ(Ork_String(0.5, 0), u"1");
    EXPECT_EQ(Ork_String(1.5, 0), u"2");
    EXPECT_EQ(Ork_String(2.5, 0), u"3");   // not to even
    EXPECT_EQ(Ork_String(-2.5, 0), u"-3");
    EXPECT_EQ(Ork_String(0.125, 2), u"0.13");
    EXPECT_EQ(Ork_String(-0.125, 2), u"-0.13");
}

TEST(NumberText, RoundsTheValueAsWrittenNotItsBinaryApproximation) {
    // 2.675 and 1.005 are stored just below the half; printf would give 2.67 and 1.00.
    EXPECT_EQ(Ork_String(2.675, 2), u"2.68");
    EXPECT_EQ(Ork_String(1.005, 2), u"1.01");
    EXPECT_EQ(Ork_String(0.1 + 0.2, 2), u"0.30");
}

TEST(NumberText, CarriesThroughNines) {
    EXPECT_EQ(Ork_String(999.996, 2), u"1000.00");
    EXPECT_EQ(Ork_String(9.5, 0), u"10");
    EXPECT_EQ(Ork_String(0.0005, 3), u"0.001");
    EXPECT_EQ(Ork_String(0.00049, 3), u"0.000");
}

TEST(NumberText, WritesNoMinusSignForAValueRoundedToZero) {
    EXPECT_EQ(Ork_String(-0.001, 2), u"0.00");
    EXPECT_EQ(Ork_String(-0.0, 1), u"0.0");
}

TEST(NumberText, ClampsTheDecimalsAndNamesNonNumbers) {
    EXPECT_EQ(Ork_String(1.25, -3), u"1");
    EXPECT_EQ(Ork_String(1.0, 1000).size(), 102u);   // "1." and 100 decimals
    EXPECT_EQ(Ork_String(std::nan(""), 2), u"nan");
    EXPECT_EQ(Ork_String(-HUGE_VAL, 2), u"-inf");
}

TEST(NumberText, IgnoresTheLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
        EXPECT_EQ(Ork_String(1.5, 1), u"1.5");
        EXPECT_EQ(Ork_String(u"2.5").toDouble(), 2.5);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, AppendsNumbers) {
    Ork_String s(u"Value ");
    s.append(1);
    s.append(u", ");
    s.append(2.5, 2);
    EXPECT_EQ(s, u"Value 1, 2.50");
}

TEST(CaseRule, EqualComparesExactlyUnlessIgnoreCase) {
    const Ork_String width(u"Width");
    EXPECT_TRUE(width.equal(u"Width"));
    EXPECT_FALSE(width.equal(u"width"));
    EXPECT_FALSE(width.equal(u"width", false));
    EXPECT_TRUE(width.equal(u"WIDTH", true));
    EXPECT_TRUE(Ork_String(u"Straße Ärger").equal(u"STRAßE äRGER", true));
    EXPECT_FALSE(width.equal(u"Widt", true));
}

TEST(CaseRule, StartsWithAndSearchFollowTheSameFlag) {
    const Ork_String path(u"C:\\Lib\\Dialog Templates\\x.txt");
    EXPECT_TRUE(path.startsWith(u"C:\\Lib\\"));
    EXPECT_FALSE(path.startsWith(u"c:\\lib\\"));
    EXPECT_TRUE(path.startsWith(u"c:\\lib\\", true));
    EXPECT_EQ(path.indexOf(u"dialog"), -1);
    EXPECT_EQ(path.indexOf(u"dialog", 0, true), 7);
    EXPECT_TRUE(path.endsWith(u".TXT", true));
}

TEST(CaseRule, UpperAndLowerCaseFollowTheOneCaseRule) {
    EXPECT_EQ(Ork_String(u"straße ÿāжϊ").toUpper(), u"STRAßE ŸĀЖΪ");
    // Ϊ and Ϋ pair with ϊ and ϋ both ways; the dotless ı has no capital of its own (İ belongs to i).
    EXPECT_EQ(Ork_String(u"ŸĀЖΪΫ").toLower(), u"ÿāжϊϋ");
    EXPECT_TRUE(Ork_String(u"Ϊ").equal(u"ϊ", true));
    EXPECT_EQ(Ork_String(u"ı").toUpper(), u"ı");
}

TEST(Search, FindsFromAStartAndToleratesBadPositions) {
    const Ork_String s(u"abcabc");
    EXPECT_EQ(s.indexOf(u"bc"), 1);
    EXPECT_EQ(s.indexOf(u"bc", 2), 4);
    EXPECT_EQ(s.indexOf(u"bc", 5), -1);
    EXPECT_EQ(s.indexOf(u"bc", -4), 1);
    EXPECT_EQ(s.indexOf(u"x", 100), -1);
    EXPECT_EQ(s.indexOf(u"", 3), 3);
}

TEST(Replace, ReplacesEveryOccurrenceAndResumesAfterTheInsertedText) {
    Ork_String s(u"a+a+a");
    EXPECT_EQ(s.replaceAll(u"a", u"aa"), 3);
    EXPECT_EQ(s, u"aa+aa+aa");
    Ork_String t(u"x");
    EXPECT_EQ(t.replaceAll(u"", u"y"), 0);   // an empty pattern replaces nothing
    EXPECT_EQ(t, u"x");
}

TEST(Substrings, ClipInsteadOfThrowing) {
    const Ork_String s(u"hello");
    EXPECT_EQ(s.left(2), u"he");
    EXPECT_EQ(s.left(99), u"hello");
    EXPECT_EQ(s.right(3), u"llo");
    EXPECT_EQ(s.right(-1), u"");
    EXPECT_EQ(s.mid(1, 3), u"ell");
    EXPECT_EQ(s.mid(4, 10), u"o");
    EXPECT_EQ(s.mid(10), u"");
}

TEST(Utf8, ConvertsAtTheEdges) {
    const Ork_String s = Ork_String::fromUtf8("•¿ƒ");
    EXPECT_EQ(s, u"\u2022\u00BF\u0192");
    EXPECT_EQ(s.utf8(), "•¿ƒ");
}

TEST(Joining, KeepsTheHostType) {
    const Ork_String folder(u"C:\\lib\\");
    const auto path = folder + u"prof\\" + Ork_String(u"HEA") + u'.' + u"pr";
    EXPECT_TRUE(path.endsWith(u".PR", true));   // still an Ork_String
    EXPECT_EQ(path, u"C:\\lib\\prof\\HEA.pr");
}
