#include "nuvo/textHelpers.h"

#include <gtest/gtest.h>

namespace {

Ork_StringArray arr(std::initializer_list<Ork_String> items) { return Ork_StringArray(items); }

std::vector<std::u16string> vec(const Ork_StringArray& a) { return {a.begin(), a.end()}; }

} // namespace

TEST(SplitString, SplitsAtTheFirstSymbolOnly) {
    Ork_String before(u"untouched"), after(u"untouched");
    EXPECT_TRUE(splitString(u"T=a=b", u'=', before, after));
    EXPECT_EQ(before, u"T");
    EXPECT_EQ(after, u"a=b");
    EXPECT_TRUE(splitString(u"=x", u'=', before, after));
    EXPECT_EQ(before, u"");
    EXPECT_EQ(after, u"x");
}

TEST(SplitString, FailsWithoutTheSymbolAndLeavesTheOutputs) {
    Ork_String before(u"b"), after(u"a");
    EXPECT_FALSE(splitString(u"no symbol", u'=', before, after));
    EXPECT_EQ(before, u"b");
    EXPECT_EQ(after, u"a");
}

TEST(SplitAtSymbol, SplitsAtEverySymbolKeepingEmptyPieces) {
    Ork_StringArray parts;
    EXPECT_TRUE(splitStringAtSymbol(u"a,,b,", u',', parts, false));
    EXPECT_EQ(vec(parts), (std::vector<std::u16string>{u"a", u"", u"b", u""}));
}

TEST(SplitAtSymbol, TrimsBlanksOfEveryPartWhenAsked) {
    Ork_StringArray parts;
    splitStringAtSymbol(u" \"child.kvs\" , W ,\tL ", u',', parts, true);
    EXPECT_EQ(vec(parts), (std::vector<std::u16string>{u"\"child.kvs\"", u"W", u"L"}));
    splitStringAtSymbol(u" a , b ", u',', parts, false);
    EXPECT_EQ(vec(parts), (std::vector<std::u16string>{u" a ", u" b "}));
}

TEST(SplitAtSymbol, CanSplitAtTheFirstSymbolOnly) {
    Ork_StringArray parts;
    EXPECT_TRUE(splitStringAtSymbol(u"Area = IF(A=B, 1, 2)", u'=', parts, true, 2));
    EXPECT_EQ(vec(parts), (std::vector<std::u16string>{u"Area", u"IF(A=B, 1, 2)"}));
}

TEST(SplitAtSymbol, WithoutTheSymbolGivesTheWholeTextAndEmptyGivesNothing) {
    Ork_StringArray parts;
    EXPECT_FALSE(splitStringAtSymbol(u"A*B", u'=', parts, true));
    EXPECT_EQ(vec(parts), (std::vector<std::u16string>{u"A*B"}));
    EXPECT_FALSE(splitStringAtSymbol(u"", u'=', parts, true));
    EXPECT_EQ(parts.length(), 0);
}

TEST(StripSymbols, RemovesLeadingAndTrailingBlanksOnly) {
    Ork_String text(u"  Double  Width ");
    EXPECT_EQ(stripSymbols(text, 32, true, false), u"Double  Width");
    Ork_String blanks(u"   ");
    EXPECT_EQ(stripSymbols(blanks, 32, true, false), u"");
    Ork_String inner(u" a b ");
    EXPECT_EQ(stripSymbols(inner, 32, true, true), u"ab");
    Ork_String none(u" a ");
    EXPECT_EQ(stripSymbols(none, 32, false, false), u" a ");
}

TEST(Pieces, KeepEmptyPiecesAndGiveNoneForAnEmptyText) {
    EXPECT_EQ(vec(strToArr(u"a;;c", u';')), (std::vector<std::u16string>{u"a", u"", u"c"}));
    EXPECT_EQ(vec(strToArr(u";", u';')), (std::vector<std::u16string>{u"", u""}));
    EXPECT_EQ(strToArr(u"", u';').length(), 0);
    EXPECT_EQ(arrToStr(arr({u"G", u"", u"x", u""}), u';'), u"G;;x;");
    EXPECT_EQ(vec(strToArr(arrToStr(arr({u"G", u"", u"x", u""}), u';'), u';')),
              (std::vector<std::u16string>{u"G", u"", u"x", u""}));
    EXPECT_EQ(appStrs(arr({u"W", u"L"}), u"\n"), u"W\nL");
    EXPECT_EQ(appStrs(arr({}), u"\n"), u"");
}

TEST(Pieces, SplitsEveryLineOfATable) {
    const Ork_Array<Ork_StringArray> rows = arrToArrArr(arr({u"a\tb", u"", u"c"}), u'\t');
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[0].length(), 2);
    EXPECT_EQ(rows[1].length(), 0);
    EXPECT_EQ(rows[2][0], u"c");
}

TEST(FileNames, ChangeTheExtensionOfTheLastComponent) {
    EXPECT_EQ(changeExtension(u"C:\\lib\\Std\\end.kvs", u"map"), u"C:\\lib\\Std\\end.map");
    EXPECT_EQ(changeExtension(u"a.b.kvs", u".map"), u"a.b.map");         // two dots: only the last counts
    EXPECT_EQ(changeExtension(u"C:\\x.y\\plate", u"bmp"), u"C:\\x.y\\plate.bmp");  // a dot in a folder
    EXPECT_EQ(removeExtension(u"Sub\\Plate.txt"), u"Sub\\Plate");
    EXPECT_EQ(removeExtension(u"a.b.c"), u"a.b");
    EXPECT_EQ(removeExtension(u"noext"), u"noext");
    EXPECT_EQ(getExtension(u"x/y.z/w"), u"");
    EXPECT_EQ(getPath(u"C:\\a\\b.txt"), u"C:\\a\\");
    EXPECT_EQ(getPath(u"b.txt"), u"");
    EXPECT_EQ(getFileName(u"C:\\a/b.txt"), u"b.txt");
}

TEST(Classify, IsNumberAcceptsWholeDecimalNumbersOnly) {
    for (const char16_t* yes : {u"12", u"-.5", u"+1.", u"1e3", u"2.5E-2", u" 7 "})
        EXPECT_TRUE(isNumber(yes)) << Ork_String(yes).utf8();
    for (const char16_t* no : {u"", u".", u"-", u"1,5", u"12abc", u"0x10", u"1e", u"1 2", u"IPE-200"})
        EXPECT_FALSE(isNumber(no)) << Ork_String(no).utf8();
}

TEST(Classify, LettersOfEveryScriptWithCaseAreLetters) {
    EXPECT_TRUE(hasOnlyLettersNumbers(u"ΪΫϊжЖ"));
}

TEST(Classify, LettersNumbersAndFileNames) {
    EXPECT_TRUE(hasOnlyLettersNumbers(u"2Width"));
    EXPECT_TRUE(hasOnlyLettersNumbers(u"Größe"));
    EXPECT_FALSE(hasOnlyLettersNumbers(u"W_1"));
    EXPECT_FALSE(hasOnlyLettersNumbers(u""));
    EXPECT_TRUE(startsWithNumber(u"2W"));
    EXPECT_FALSE(startsWithNumber(u"W2"));
    EXPECT_TRUE(hasInvalidFileNameChars(u"a/b"));
    EXPECT_TRUE(hasInvalidFileNameChars(u"a?"));
    EXPECT_TRUE(hasInvalidFileNameChars(u"tab\there"));
    EXPECT_FALSE(hasInvalidFileNameChars(u"Gap.Width 1"));
}

TEST(Duplicates, LaterOccurrencesAreTheDuplicates) {
    AcArray<int> indexes;
    EXPECT_TRUE(getDuplicates(arr({u"W", u"L", u"W", u"H", u"L", u"W"}), indexes));
    EXPECT_EQ(indexes, (AcArray<int>{2, 4, 5}));
    Ork_StringArray names;
    EXPECT_TRUE(hasDuplicates(arr({u"W", u"L", u"W", u"H", u"L", u"W"}), names));
    EXPECT_EQ(vec(names), (std::vector<std::u16string>{u"W", u"L"}));
}

TEST(Duplicates, CompareExactlyUnlessIgnoreCase) {
    AcArray<int> indexes;
    EXPECT_FALSE(getDuplicates(arr({u"Width", u"width"}), indexes, false));
    EXPECT_TRUE(indexes.isEmpty());
    EXPECT_TRUE(getDuplicates(arr({u"Width", u"width"}), indexes, true));
    EXPECT_EQ(indexes, (AcArray<int>{1}));
    Ork_StringArray names;
    EXPECT_FALSE(hasDuplicates(arr({}), names));
}

TEST(NonExisting, CountsOnFromTheSeedsNumber) {
    EXPECT_EQ(findNonExistingString(arr({u"A"}), u"New"), u"New");
    EXPECT_EQ(findNonExistingString(arr({u"Table", u"Table1"}), u"Table"), u"Table2");
    EXPECT_EQ(findNonExistingString(arr({u"IPE200", u"IPE201"}), u"IPE200"), u"IPE202");
    EXPECT_EQ(findNonExistingString(arr({u"1"}), u"1"), u"2");
}

TEST(FirstNumbers, FindsTheFirstRunOfDigits) {
    int start = -1;
    Ork_String digits(u"none");
    EXPECT_TRUE(findFirstNumbers(u"HEA 100 x2", start, digits));
    EXPECT_EQ(start, 4);
    EXPECT_EQ(digits, u"100");
    EXPECT_FALSE(findFirstNumbers(u"abc", start, digits));
    EXPECT_EQ(digits, u"100");
}

TEST(Substrings, BeforeAndAfterTheFirstOrLastSymbol) {
    Ork_String out;
    EXPECT_TRUE(getSubstrBefore(u"Prof1.Name", u'.', out, true));
    EXPECT_EQ(out, u"Prof1");
    EXPECT_TRUE(getSubstrBefore(u"a.b.Name", u'.', out, true));
    EXPECT_EQ(out, u"a.b");
    EXPECT_TRUE(getSubstrAfter(u"Module.Group", u'.', out, false));
    EXPECT_EQ(out, u"Group");
    EXPECT_TRUE(getSubstrAfter(u"Module.G.x", u'.', out, false));
    EXPECT_EQ(out, u"G.x");
    out = u"kept";
    EXPECT_FALSE(getSubstrAfter(u"Module", u'.', out, false));
    EXPECT_EQ(out, u"kept");
    EXPECT_TRUE(hasASubstr(u"=CallChild(\"x\", W)", u"CallChild"));
    EXPECT_FALSE(hasASubstr(u"=callchild(1)", u"CallChild"));
}

TEST(ColumnLetters, CountLikeASpreadsheet) {
    EXPECT_EQ(getAlfabet(1), u"A");
    EXPECT_EQ(getAlfabet(26), u"Z");
    EXPECT_EQ(getAlfabet(27), u"AA");
    EXPECT_EQ(getAlfabet(28), u"AB");
    EXPECT_EQ(getAlfabet(52), u"AZ");
    EXPECT_EQ(getAlfabet(53), u"BA");
    EXPECT_EQ(getAlfabet(702), u"ZZ");
    EXPECT_EQ(getAlfabet(703), u"AAA");
    EXPECT_EQ(getAlfabet(0), u"");
    EXPECT_EQ(getAlfabet(-5), u"");
}

TEST(Comments, LineAndBlockComments) {
    EXPECT_EQ(removeLineComment(u"IPE200\t100 // the usual"), u"IPE200\t100 ");
    EXPECT_EQ(removeLineComment(u"// all"), u"");
    EXPECT_EQ(removeComments(u"10 /* ten */x 20"), u"10 x 20");
    EXPECT_EQ(removeComments(u"10 /* open"), u"10 ");
    Ork_StringArray lines = arr({u"a /* one", u"two */ b // c", u"/**/d"});
    removeComments(lines);
    EXPECT_EQ(vec(lines), (std::vector<std::u16string>{u"a ", u" b ", u"d"}));
}

TEST(Sorting, SortsWithoutCaseAndKeepsItStable) {
    Ork_StringArray names = arr({u"b", u"B", u"a", u"C"});
    sortArray(names);
    EXPECT_EQ(vec(names), (std::vector<std::u16string>{u"a", u"B", u"b", u"C"}));
    sortArray(names, false);
    EXPECT_EQ(vec(names), (std::vector<std::u16string>{u"B", u"C", u"a", u"b"}));
}

TEST(StringArrayFind, MatchCaseIsExact) {
    const Ork_StringArray targets = arr({u"Module.Plate", u"Base"});
    int index = -1;
    EXPECT_TRUE(targets.find(u"Base", index, true));
    EXPECT_EQ(index, 1);
    index = 7;
    EXPECT_FALSE(targets.find(u"base", index, true));
    EXPECT_EQ(index, 7);
    EXPECT_TRUE(targets.find(u"base", index, false));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(targets.contains(u"Module.Plate"));
    EXPECT_FALSE(targets.contains(u"module.plate"));
}
