#include <gtest/gtest.h>

#include "grid/FormulaParser.h"
#include "grid/Functions.h"
#include "grid/Sheet.h"
#include "grid/Value.h"

#include <cstdio>
#include <cstdlib>

using namespace grid;

namespace {

std::u16string roundTrip(std::u16string_view text, RefStyle style = RefStyle::A1) {
    Formula f;
    if (!parseFormula(text, 3, 3, style, f))
        return u"<refused>";
    return f.toText(3, 3, style);
}

} // namespace

TEST(FormulaText, IsRebuiltFromTheParsedFormWithTheUsersParentheses) {
    EXPECT_EQ(roundTrip(u"=B3 * B4"), u"B3*B4");
    EXPECT_EQ(roundTrip(u"(1+2)*-A1%"), u"(1+2)*-A1%");
    EXPECT_EQ(roundTrip(u"$A$1+A$2+$B3"), u"$A$1+A$2+$B3");
    EXPECT_EQ(roundTrip(u"sum(a1:b2, 3)"), u"SUM(A1:B2,3)");
    EXPECT_EQ(roundTrip(u"\"q\"\"q\"&TRUE"), u"\"q\"\"q\"&TRUE");
    EXPECT_EQ(roundTrip(u"IF(A1,1)+CHOOSE(2,3,4)+AND(1,0)+IFERROR(#N/A,1)"),
              u"IF(A1,1)+CHOOSE(2,3,4)+AND(1,0)+IFERROR(#N/A,1)");
    EXPECT_EQ(roundTrip(u"myfunc(1;2)"), u"MYFUNC(1,2)");
    EXPECT_EQ(roundTrip(u"B2:A1"), u"A1:B2");
}

TEST(FormulaText, R1C1ReferencesAreRelativeToTheFormulasCell) {
    EXPECT_EQ(roundTrip(u"R[-1]C+R1C1+RC[2]", RefStyle::R1C1), u"R[-1]C+R1C1+RC[2]");
    Formula f;
    ASSERT_TRUE(parseFormula(u"R[-1]C+R1C1", 3, 3, RefStyle::R1C1, f));
    EXPECT_EQ(f.toText(3, 3, RefStyle::A1), u"C2+$A$1");
    EXPECT_EQ(f.toText(5, 10, RefStyle::A1), u"E9+$A$1");
    EXPECT_FALSE(parseFormula(u"R[-5]C", 3, 3, RefStyle::R1C1, f));   // above the first row
}

TEST(FormulaParser, RefusesMalformedTextWithAPosition) {
    const char16_t* bad[] = {u"", u"1+", u"(", u")", u"1 2", u"A1:", u"SUM(", u"\"open", u"#X", u"Name",
                             u"A1:Name", u"1..2", u"SUM(1,,2)", u"@"};
    for (const char16_t* text : bad) {
        Formula f;
        ParseError e;
        EXPECT_FALSE(parseFormula(text, 1, 1, RefStyle::A1, f, &e)) << std::string(text, text + 0);
        EXPECT_FALSE(e.message.empty());
    }
}

TEST(FormulaParser, BoundsNestingInsteadOfExhaustingTheStack) {
    std::u16string deep(100000, u'(');
    deep += u"1";
    deep += std::u16string(100000, u')');
    Formula f;
    ParseError e;
    EXPECT_FALSE(parseFormula(deep, 1, 1, RefStyle::A1, f, &e));
    std::u16string minus(5000, u'-');
    EXPECT_FALSE(parseFormula(minus + u"1", 1, 1, RefStyle::A1, f, &e));
    std::u16string ok(50, u'(');
    ok += u"1";
    ok += std::u16string(50, u')');
    EXPECT_TRUE(parseFormula(ok, 1, 1, RefStyle::A1, f, &e));
    std::u16string calls;
    for (int i = 0; i < 200; ++i)
        calls += u"ABS(";
    calls += u"1" + std::u16string(200, u')');
    EXPECT_FALSE(parseFormula(calls, 1, 1, RefStyle::A1, f, &e));
}

TEST(FormulaParser, RefusesReferencesOutsideTheSheet) {
    Formula f;
    EXPECT_FALSE(parseFormula(u"A99999999", 1, 1, RefStyle::A1, f));
    EXPECT_FALSE(parseFormula(u"ZZZZZ1", 1, 1, RefStyle::A1, f));
    EXPECT_TRUE(parseFormula(u"AUK1", 1, 1, RefStyle::A1, f));
    EXPECT_EQ(roundTrip(u"auk1+$b$2+Ab3"), u"AUK1+$B$2+AB3");   // letters of either case
}

TEST(BuiltinTable, NamesAreUniqueAndLimitsAreOrdered) {
    for (int i = 0; i < builtinCount(); ++i) {
        const FunctionInfo& info = builtin(i);
        EXPECT_LE(info.minArgs, info.maxArgs) << std::string(info.name.begin(), info.name.end());
        EXPECT_EQ(findBuiltin(info.name), i);
        EXPECT_TRUE(info.fn != nullptr || info.lazy != Laziness::None);
    }
    EXPECT_EQ(builtinCount(), 90);
    EXPECT_EQ(findBuiltin(u"vlookup"), findBuiltin(u"VLOOKUP"));
    EXPECT_EQ(findBuiltin(u"NOPE"), -1);
}

TEST(BuiltinTable, EveryFunctionRefusesCountsOutsideItsLimits) {
    Sheet sheet;
    sheet.setMaxCols(2);
    sheet.setMaxRows(2);
    for (int i = 0; i < builtinCount(); ++i) {
        const FunctionInfo& info = builtin(i);
        std::u16string name(info.name);
        std::u16string args;
        if (info.maxArgs < 255) {
            for (int k = 0; k <= info.maxArgs; ++k)
                args += k ? u",1" : u"1";
            ASSERT_TRUE(sheet.setFormula(1, 1, name + u"(" + args + u")"));
            EXPECT_EQ(sheet.valueText(1, 1), u"#VALUE!") << std::string(name.begin(), name.end()) << " too many";
        }
        if (info.minArgs > 0) {
            args.clear();
            for (int k = 0; k < info.minArgs - 1; ++k)
                args += k ? u",1" : u"1";
            ASSERT_TRUE(sheet.setFormula(1, 1, name + u"(" + args + u")"));
            EXPECT_EQ(sheet.valueText(1, 1), u"#VALUE!") << std::string(name.begin(), name.end()) << " too few";
        }
    }
}

// Comparisons and rounding look at 15 significant digits, as "%.14e" writes a number and strtod reads it back.
TEST(SignificantDigits, RoundAsPrintfWritesFifteenDigits) {
    const double samples[] = {0.1 + 0.2, 1.0 / 3, -2.0 / 3, 1e15 + 1, 123456789012345.0, 9.99999999999999949e14,
                              1e-320, 6.02214076e23, -0.0, 42.0, -7.0, 0.3, 1e308, 2.5e-5 * 3};
    for (double n : samples) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.14e", n);
        EXPECT_EQ(roundToSignificant(n), std::strtod(buf, nullptr)) << buf;
    }
    EXPECT_EQ(roundToSignificant(0.1 + 0.2), 0.3);
}
