// The twelve standards sheet functions, used as an author uses them: in formulas of a live grid, with their
// data files in a library folder of the test's own.
#include "support/sheetTestSupport.h"
#include "src/standards/standardsFixture.h"

#include "grid/ssOperations.h"
#include "nuvo/Ork_Settings.h"
#include "standards/KvSSFunctions.h"
#include "ui/Script.h"
#include "ui/constants.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

class SheetFunctions : public sheettest::SheetTest {
protected:
    void SetUp() override {
        sheettest::SheetTest::SetUp();
        m_library = std::make_unique<TempLibrary>();
        Ork_Settings::setStandardsMessages(false);
        Ork_Spread& g = grid(4, 10);
        ASSERT_TRUE(registerStandardsFunctions(&g));
    }
    void TearDown() override {
        m_library.reset();
        sheettest::SheetTest::TearDown();
    }

    // Writes a file below the library folder ("" for the folder itself).
    void writeLibraryFile(const std::string& folder, const std::string& name, const std::string& bytes) {
        const std::filesystem::path dir = folder.empty() ? m_library->native() : m_library->native() / folder;
        std::filesystem::create_directories(dir);
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
    void writeData(const std::string& name, const std::string& bytes) {
        writeLibraryFile("Connection Standards/Data", name, bytes);
    }

    // The value text of the formula set into A1.
    Ork_String eval(const Ork_String& formula) {
        EXPECT_EQ(SSSetFormula(m_grid.get(), 1, 1, formula.c_str(), 1), 1) << formula.utf8();
        return text(1, 1);
    }
    double number(const Ork_String& formula) {
        EXPECT_EQ(SSSetFormula(m_grid.get(), 1, 1, formula.c_str(), 1), 1) << formula.utf8();
        double value = -12345;
        EXPECT_EQ(SSGetFloat(m_grid.get(), 1, 1, &value), 1) << formula.utf8() << " gave " << text(1, 1).utf8();
        return value;
    }
    bool fails(const Ork_String& formula) { return eval(formula) == u"#VALUE!"; }
    void setCell(int col, int row, const char16_t* data) { SSSetData(m_grid.get(), col, row, data); }

    std::unique_ptr<TempLibrary> m_library;
};

// ---------------------------------------------------------------- registration

TEST_F(SheetFunctions, RegistrationTakesTheArgumentCountsOfEachFunction) {
    writeData("sizes.txt", "10\n");
    writeData("t.txt", "1.000000;2.000000;3.000000;4.000000;5.000000;6.000000\tsix\n");
    EXPECT_TRUE(fails(u"ROUNDTO(1)"));
    EXPECT_TRUE(fails(u"ROUNDTO(1, 2, 3)"));
    EXPECT_TRUE(fails(u"GETCELL(\"t.txt\")"));
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", 1, 2, 3, 4, 5, 6)"), u"six");
    EXPECT_TRUE(fails(u"GETCELL(\"t.txt\", 1, 2, 3, 4, 5, 6, 7)"));
    EXPECT_TRUE(fails(u"GETPROFCELL(\"t.txt\", 1, 2, 3, 4, 5, 6, 7)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\")"));
    EXPECT_TRUE(fails(u"GETSYSNAME(\"a\", \"b\")"));
    EXPECT_TRUE(fails(u"STDWIDTHWITHTOLERANCE(\"sizes.txt\", 1, 0, 10, 1)"));
    EXPECT_TRUE(fails(u"STDTHICKNESSWITHTOLERANCE(\"sizes.txt\", 1, 10, 1, 1, 1)"));
    EXPECT_TRUE(fails(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 1, 10, 1)"));
    EXPECT_TRUE(fails(u"GETARRAYITEM(\"a\")"));
    EXPECT_TRUE(fails(u"TONUMBER(\"1\", \"2\")"));
    EXPECT_TRUE(fails(u"ISNULL()"));
    EXPECT_TRUE(fails(u"ISPOSITIVE(1, 2)"));
}

TEST_F(SheetFunctions, NamesAreKnownInAnyCase) {
    EXPECT_EQ(number(u"roundto(13, 5)"), 15);
}

TEST_F(SheetFunctions, RegisteringAgainKeepsFormulasWorking) {
    EXPECT_EQ(number(u"ROUNDTO(13, 5)"), 15);
    ASSERT_TRUE(registerStandardsFunctions(m_grid.get()));
    EXPECT_EQ(text(1, 1), u"15");
    EXPECT_EQ(number(u"ROUNDTO(13, 2)"), 14);
}

TEST_F(SheetFunctions, RegistrationFailsWithoutAGrid) {
    EXPECT_FALSE(registerStandardsFunctions(nullptr));
    EXPECT_FALSE(registerStandardsFunctions(m_dialog.get()));
}

// ---------------------------------------------------------------- ROUNDTO

TEST_F(SheetFunctions, RoundToRoundsToTheNearestMultipleOfTheStep) {
    EXPECT_EQ(number(u"ROUNDTO(13, 5)"), 15);
    EXPECT_EQ(number(u"ROUNDTO(12.4, 5)"), 10);
    EXPECT_DOUBLE_EQ(number(u"ROUNDTO(0.15, 0.1)"), 0.2);
}

TEST_F(SheetFunctions, RoundToWithAStepOfZeroOrBelowKeepsTheValue) {
    EXPECT_EQ(number(u"ROUNDTO(13.3, 0)"), 13.3);
    EXPECT_EQ(number(u"ROUNDTO(13.3, -2)"), 13.3);
}

TEST_F(SheetFunctions, RoundToTakesNumbersOnly) {
    EXPECT_TRUE(fails(u"ROUNDTO(\"13\", 5)"));
    EXPECT_TRUE(fails(u"ROUNDTO(13, \"5\")"));
    EXPECT_TRUE(fails(u"ROUNDTO(13, B1)"));   // a blank cell is no number
}

// ---------------------------------------------------------------- GETCELL

constexpr const char* kTable =
    "// bolt table, keys as numbers with six decimals\n"
    "200.000000\tx\n"
    "\n"
    "210.000000\ty // the note after the value is no part of it\n"
    "A;3.000000\tmulti\n"
    "K\t\n"
    "L\n"
    "200.000000\tsecond\n";

TEST_F(SheetFunctions, GetCellFindsANumberKeyWrittenWithSixDecimals) {
    writeData("t.txt", kTable);
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", 200)"), u"x");
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", 210)"), u"y");
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", 199.9999999)"), u"x");   // written with six decimals
}

TEST_F(SheetFunctions, GetCellJoinsSeveralKeysWithSemicolons) {
    writeData("t.txt", kTable);
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", \"A\", 3)"), u"multi");
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", \"A;3.000000\")"), u"multi");
}

TEST_F(SheetFunctions, GetCellKeysEndAtTheFirstArgumentThatIsNoKey) {
    writeData("t.txt", kTable);
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", \"A\", 3, B1, \"ignored\")"), u"multi");
}

TEST_F(SheetFunctions, GetCellGivesAnEmptySecondColumnAsTheEmptyText) {
    writeData("t.txt", kTable);
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", \"K\")"), u"");
    EXPECT_EQ(eval(u"LEN(GETCELL(\"t.txt\", \"K\"))"), u"0");
}

TEST_F(SheetFunctions, GetCellFails) {
    writeData("t.txt", kTable);
    writeData("comments.txt", "// nothing but comments\n\n//\n");
    EXPECT_TRUE(fails(u"GETCELL(\"t.txt\", \"L\")"));         // the line has no second column
    EXPECT_TRUE(fails(u"GETCELL(\"t.txt\", 999)"));           // no line has the key
    EXPECT_TRUE(fails(u"GETCELL(\"t.txt\", \"x\")"));         // only first columns are keys
    EXPECT_TRUE(fails(u"GETCELL(\"missing.txt\", 200)"));
    EXPECT_TRUE(fails(u"GETCELL(\"comments.txt\", \"\")"));
    EXPECT_TRUE(fails(u"GETCELL(12, 200)"));                 // the file must be named by a text
}

TEST_F(SheetFunctions, GetCellTakesTheFirstMatchingLine) {
    writeData("t.txt", kTable);
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", 200)"), u"x");
}

TEST_F(SheetFunctions, TextArgumentsLoseOneEnclosingPairOfQuotes) {
    writeData("t.txt", kTable);
    setCell(2, 1, u"\"t.txt\"");
    setCell(2, 2, u"\"A;3.000000\"");
    EXPECT_EQ(eval(u"GETCELL(B1, B2)"), u"multi");
    EXPECT_EQ(eval(u"GETSYSNAME(\"\"\"IPE 200\"\"\")"), u"IPE-200");
}

TEST_F(SheetFunctions, ErrorsInArgumentsReachTheCell) {
    writeData("t.txt", kTable);
    EXPECT_EQ(eval(u"GETCELL(\"t.txt\", 1/0)"), u"#DIV/0!");
}

// ---------------------------------------------------------------- GETPROFCELL

constexpr const char* kProfileTable =
    "// user names in the first column are compared as system names\n"
    "IPE 200\t100\n"
    "HEA 200\t190 // German name\n"
    "IPE-220\t110\n"
    "Plate\tnone\n";

TEST_F(SheetFunctions, GetProfCellComparesFirstColumnsAsSystemNames) {
    writeData("p.txt", kProfileTable);
    EXPECT_EQ(eval(u"GETPROFCELL(\"p.txt\", \"IPE-200\")"), u"100");
    EXPECT_EQ(eval(u"GETPROFCELL(\"p.txt\", \"HEA-200\")"), u"190");
    EXPECT_EQ(eval(u"GETPROFCELL(\"p.txt\", \"IPE-220\")"), u"110");
    EXPECT_EQ(eval(u"GETPROFCELL(\"p.txt\", \"Plate\")"), u"none");   // unknown names stay as written
    EXPECT_TRUE(fails(u"GETPROFCELL(\"p.txt\", \"IPE 200\")"));        // the key itself is not translated
}

TEST_F(SheetFunctions, GetCellDoesNotTranslateSectionNames) {
    writeData("p.txt", kProfileTable);
    EXPECT_TRUE(fails(u"GETCELL(\"p.txt\", \"IPE-200\")"));
    EXPECT_EQ(eval(u"GETCELL(\"p.txt\", \"IPE 200\")"), u"100");
}

TEST_F(SheetFunctions, GetProfCellTakesSeveralKeys) {
    writeData("p2.txt", "IPE 200;2.000000\ttwo\nIPE-200;1.000000\tone\n");
    EXPECT_EQ(eval(u"GETPROFCELL(\"p2.txt\", \"IPE-200\", 1)"), u"one");
    EXPECT_TRUE(fails(u"GETPROFCELL(\"p2.txt\", \"IPE-200\", 2)"));  // "IPE 200;2.000000" names no section
}

// ---------------------------------------------------------------- data file resolution

TEST_F(SheetFunctions, DataFilesAreFoundInTheirOrder) {
    writeLibraryFile("Connection Standards/Data", "r.txt", "k\tdata\n");
    writeLibraryFile("Connection Standards", "r.txt", "k\tstandards\n");
    writeLibraryFile("", "r.txt", "k\tlibrary\n");
    EXPECT_EQ(eval(u"GETCELL(\"r.txt\", \"k\")"), u"data");
    std::filesystem::remove(m_library->native() / "Connection Standards" / "Data" / "r.txt");
    EXPECT_EQ(eval(u"GETCELL(\"r.txt\", \"k\")"), u"standards");
    std::filesystem::remove(m_library->native() / "Connection Standards" / "r.txt");
    EXPECT_EQ(eval(u"GETCELL(\"r.txt\", \"k\")"), u"library");
    std::filesystem::remove(m_library->native() / "r.txt");
    EXPECT_TRUE(fails(u"GETCELL(\"r.txt\", \"k\")"));
}

TEST_F(SheetFunctions, ADataFileNamedByItsPathIsTakenFirst) {
    writeLibraryFile("Connection Standards/Data", "r.txt", "k\tdata\n");
    writeLibraryFile("elsewhere", "r.txt", "k\telsewhere\n");
    const Ork_String path = Ork_String::fromUtf8((m_library->native() / "elsewhere" / "r.txt").string());
    EXPECT_EQ(eval(u"GETCELL(\"" + path + u"\", \"k\")"), u"elsewhere");
}

TEST_F(SheetFunctions, DataFilesInSubfoldersAreNamedRelativeToTheSearchedFolders) {
    writeLibraryFile("Connection Standards/Data/bolts", "m.txt", "k\tdeep\n");
    EXPECT_EQ(eval(u"GETCELL(\"bolts\\m.txt\", \"k\")"), u"deep");
}

// ---------------------------------------------------------------- SECTIONSIZE and GETSYSNAME

TEST_F(SheetFunctions, SectionSizeReadsTheNthValueOfASection) {
    EXPECT_EQ(number(u"SECTIONSIZE(\"IPE-200\", 1)"), 200);
    EXPECT_EQ(number(u"SECTIONSIZE(\"IPE-200\", 2)"), 100);
    EXPECT_EQ(number(u"SECTIONSIZE(\"IPE-200\", 3)"), 5.6);
    EXPECT_EQ(number(u"SECTIONSIZE(\"IPE-200\", 2.9)"), 100);   // truncated
    EXPECT_EQ(number(u"SECTIONSIZE(\"HEA-200\", 1)"), 190);     // after HEA's extra language column
}

TEST_F(SheetFunctions, SectionSizeFails) {
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\", 0)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\", 0.5)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\", -1)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\", 6)"));        // beyond the table's values
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\", 1E+300)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\", -1E+300)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-999\", 1)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE 200\", 1)"));        // a user name is no section name
    EXPECT_TRUE(fails(u"SECTIONSIZE(200, 1)"));
    EXPECT_TRUE(fails(u"SECTIONSIZE(\"IPE-200\", \"1\")"));
}

TEST_F(SheetFunctions, GetSysNameTranslatesUserNames) {
    EXPECT_EQ(eval(u"GETSYSNAME(\"IPE 200\")"), u"IPE-200");
    EXPECT_EQ(eval(u"GETSYSNAME(\"HEA 220\")"), u"HEA-220");
    EXPECT_EQ(eval(u"GETSYSNAME(\"HE 220 A\")"), u"HEA-220");
    EXPECT_EQ(eval(u"GETSYSNAME(\"IPE-240\")"), u"IPE-240");
}

TEST_F(SheetFunctions, GetSysNameKeepsNamesItDoesNotKnow) {
    EXPECT_EQ(eval(u"GETSYSNAME(\"Plate 10\")"), u"Plate 10");
    EXPECT_EQ(eval(u"GETSYSNAME(\"\")"), u"");
    EXPECT_TRUE(fails(u"GETSYSNAME(200)"));
}

// ---------------------------------------------------------------- GETARRAYITEM

TEST_F(SheetFunctions, GetArrayItemCountsFromOne) {
    EXPECT_EQ(eval(u"GETARRAYITEM(\"a;b;c\", 2)"), u"b");
    EXPECT_EQ(eval(u"GETARRAYITEM(\"a;b;c\", 1)"), u"a");
    EXPECT_EQ(eval(u"GETARRAYITEM(\"a;b;c\", 3)"), u"c");
    EXPECT_EQ(eval(u"GETARRAYITEM(\"a;b;c\", 2.9)"), u"b");
    EXPECT_EQ(eval(u"GETARRAYITEM(\"a;;c\", 2)"), u"");
    EXPECT_EQ(eval(u"GETARRAYITEM(\"a;b;\", 3) & \"|\""), u"|");
    EXPECT_EQ(eval(u"GETARRAYITEM(\";b\", 2)"), u"b");
}

TEST_F(SheetFunctions, GetArrayItemOutsideTheListIsTheEmptyText) {
    for (const char16_t* index : {u"4", u"0", u"-1", u"0.5", u"1E+300", u"-1E+300", u"2147483648"})
        EXPECT_EQ(eval(u"GETARRAYITEM(\"a;b;c\", " + Ork_String(index) + u") & \"|\""), u"|") << Ork_String(index).utf8();
    EXPECT_EQ(eval(u"GETARRAYITEM(\"\", 1) & \"|\""), u"|");
}

TEST_F(SheetFunctions, GetArrayItemFails) {
    EXPECT_TRUE(fails(u"GETARRAYITEM(12, 1)"));
    EXPECT_TRUE(fails(u"GETARRAYITEM(\"a;b\", \"1\")"));
    EXPECT_TRUE(fails(u"GETARRAYITEM(\"a;b\", B1)"));
}

// ---------------------------------------------------------------- TONUMBER, ISNULL, ISPOSITIVE

TEST_F(SheetFunctions, ToNumberReadsATextAsADecimal) {
    EXPECT_EQ(number(u"TONUMBER(\"12.5\")"), 12.5);
    EXPECT_EQ(number(u"TONUMBER(\"12.5mm\")"), 12.5);
    EXPECT_EQ(number(u"TONUMBER(\"abc\")"), 0);
    EXPECT_EQ(number(u"TONUMBER(\"\")"), 0);
}

TEST_F(SheetFunctions, ToNumberRefusesANumber) {
    EXPECT_TRUE(fails(u"TONUMBER(12)"));
    EXPECT_TRUE(fails(u"TONUMBER(B1)"));
}

TEST_F(SheetFunctions, IsNullOnBlankTextAndNumber) {
    EXPECT_EQ(number(u"ISNULL(B1)"), 1);
    EXPECT_EQ(number(u"ISNULL(\"\")"), 1);
    EXPECT_EQ(number(u"ISNULL(\"a\")"), 0);
    EXPECT_EQ(number(u"ISNULL(\"0\")"), 0);   // a text is judged as a text
    EXPECT_EQ(number(u"ISNULL(0)"), 1);
    EXPECT_EQ(number(u"ISNULL(3)"), 0);
    setCell(2, 1, u"7");
    EXPECT_EQ(number(u"ISNULL(B1)"), 0);
}

TEST_F(SheetFunctions, IsPositiveOnBlankTextAndNumber) {
    EXPECT_EQ(number(u"ISPOSITIVE(B1)"), 0);
    EXPECT_EQ(number(u"ISPOSITIVE(\"\")"), 0);
    EXPECT_EQ(number(u"ISPOSITIVE(\"abc\")"), 0);
    EXPECT_EQ(number(u"ISPOSITIVE(\"-2\")"), 0);
    EXPECT_EQ(number(u"ISPOSITIVE(\"0\")"), 0);
    EXPECT_EQ(number(u"ISPOSITIVE(\"3\")"), 1);
    EXPECT_EQ(number(u"ISPOSITIVE(3)"), 1);
    EXPECT_EQ(number(u"ISPOSITIVE(0)"), 0);
    EXPECT_EQ(number(u"ISPOSITIVE(-0.5)"), 0);
}

// ---------------------------------------------------------------- standard sizes

TEST_F(SheetFunctions, TheNearerStandardSizeIsTriedFirst) {
    writeData("sizes.txt", "10\n12\n16\n");
    // Above is 16 (3 away), below 12 (1 away): 12 is tried first and lies within the tolerance.
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 13, 2, 2)"), 12);
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 15.5, 2, 2)"), 16);
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 12, 2, 2)"), 12);   // at the value counts as below
}

TEST_F(SheetFunctions, AStandardSizeOutsideTheTolerancesIsNotTaken) {
    writeData("sizes.txt", "10\n16\n");
    // 12.75 is no standard size: the value rounded down to the step, 0.25 away, within the tolerance.
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 0.75, 13, 1, 1)"), 12.75);
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 1, 13, 1, 1)"), 13);
    // Rounded up is nearer: tried first.
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 0.5, 13.3, 1, 1)"), 13.5);
    // Neither 15 nor 10 lies within the tolerance: the value itself.
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 13, 1, 1)"), 13);
}

TEST_F(SheetFunctions, TheRoundingStepKeepsTheValueWithinTheTolerances) {
    writeData("sizes.txt", "100\n");
    // Only 0.5 down is allowed and nothing up: 12.5, held there because both steps of 5 lie outside.
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 13, 0.5, -0.5)"), 12.5);
}

TEST_F(SheetFunctions, AStepOfZeroKeepsTheValue) {
    writeData("sizes.txt", "10\n16\n");
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 0, 13.3, 1, 1)"), 13.3);
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", -1, 13.3, 1, 1)"), 13.3);
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 0, 15.5, 1, 1)"), 16);
}

TEST_F(SheetFunctions, AMissingStandardSizeFileOffersOnlyTheRounding) {
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"none.txt\", 1, 13.4, 1, 1)"), 13);
    EXPECT_EQ(number(u"STDTHICKNESSWITHTOLERANCE(\"none.txt\", 1, 13.6, 1, 1)"), 14);
    EXPECT_EQ(number(u"STDWIDTHWITHTOLERANCE(\"none.txt\", 10, 12, 136, 10, 10)"), 140);
}

constexpr const char* kPlates =
    "/* plates: width x thickness\n"
    "   (a comment may span lines) */\n"
    "120x10\n"
    "100x10 // the narrowest\n"
    "\n"
    "150x12\n"
    "   // indented comment\n"
    "200\n";

TEST_F(SheetFunctions, StdWidthTakesTheWidthsOfTheThicknessAndOfAnyThickness) {
    writeData("plates.txt", kPlates);
    // Thickness 12: 150 and 200 (for any thickness).
    EXPECT_EQ(number(u"STDWIDTHWITHTOLERANCE(\"plates.txt\", 10, 12, 130, 25, 25)"), 150);
    // Thickness 10: 100, 120 and 200.
    EXPECT_EQ(number(u"STDWIDTHWITHTOLERANCE(\"plates.txt\", 10, 10, 130, 25, 25)"), 120);
    EXPECT_EQ(number(u"STDWIDTHWITHTOLERANCE(\"plates.txt\", 10, 10, 190, 25, 25)"), 200);
    // Thickness 8 has only the width for any thickness; 103 is rounded to the step.
    EXPECT_EQ(number(u"STDWIDTHWITHTOLERANCE(\"plates.txt\", 10, 8, 103, 5, 5)"), 100);
}

TEST_F(SheetFunctions, StdThicknessTakesTheSecondNumbers) {
    writeData("plates.txt", kPlates);
    // Thicknesses 10, 10, 12 and 0: between 10 and 12 at equal distance, the one below first.
    EXPECT_EQ(number(u"STDTHICKNESSWITHTOLERANCE(\"plates.txt\", 1, 11, 1, 1)"), 10);
    EXPECT_EQ(number(u"STDTHICKNESSWITHTOLERANCE(\"plates.txt\", 1, 11.2, 1, 1)"), 12);
    EXPECT_EQ(number(u"STDTHICKNESSWITHTOLERANCE(\"plates.txt\", 1, 0.4, 1, 1)"), 0);
}

TEST_F(SheetFunctions, StdSizeTakesTheFirstNumbers) {
    writeData("plates.txt", kPlates);
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"plates.txt\", 1, 146, 5, 5)"), 150);
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"plates.txt\", 1, 12, 1, 1)"), 12);   // no 10 or 12 among sizes
}

TEST_F(SheetFunctions, StandardSizeFunctionsFail) {
    writeData("sizes.txt", "10\n");
    EXPECT_TRUE(fails(u"STDSIZEWITHTOLERANCE(10, 1, 10, 1, 1)"));
    EXPECT_TRUE(fails(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", \"1\", 10, 1, 1)"));
    EXPECT_TRUE(fails(u"STDTHICKNESSWITHTOLERANCE(\"sizes.txt\", 1, B1, 1, 1)"));
    EXPECT_TRUE(fails(u"STDWIDTHWITHTOLERANCE(\"sizes.txt\", 1, \"10\", 10, 1, 1)"));
    EXPECT_TRUE(fails(u"STDWIDTHWITHTOLERANCE(\"sizes.txt\", 1, 10, 10, 1, \"1\")"));
}

TEST_F(SheetFunctions, ToleranceMessageWhenBothAddToNothing) {
    writeData("sizes.txt", "10\n12\n");
    Ork_Settings::setStandardsMessages(true);
    ui::Script script;
    script.answerBox(ui::IDOK);
    // Shown, and the choice still goes on: no size and no step lies within, so the value raised to 11 - -1.
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 11, -1, 0.5)"), 12);
    script.verify();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, u"Invalid tolerances provided.\n DownTolerance is :-1.00UpTolerance is :0.50\n"
                                      u"Adding both tolerances should result in a positive value.");
    EXPECT_EQ(script.boxes()[0].icon(), ui::MB_ICONEXCLAMATION);
    EXPECT_EQ(script.boxes()[0].buttons(), ui::MB_OK);
}

TEST_F(SheetFunctions, ToleranceMessageForEachStandardSizeFunction) {
    writeData("sizes.txt", "10\n");
    Ork_Settings::setStandardsMessages(true);
    ui::Script script;
    script.answerBox(ui::IDOK).answerBox(ui::IDOK).answerBox(ui::IDOK);
    number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 1, 10, 0, 0)");
    number(u"STDTHICKNESSWITHTOLERANCE(\"sizes.txt\", 1, 10, 0, 0)");
    number(u"STDWIDTHWITHTOLERANCE(\"sizes.txt\", 1, 0, 10, 0, 0)");
    script.verify();
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_EQ(script.boxes()[0].text, u"Invalid tolerances provided.\n DownTolerance is :0.00UpTolerance is :0.00\n"
                                      u"Adding both tolerances should result in a positive value.");
}

TEST_F(SheetFunctions, NoToleranceMessageWhenMessagesAreOff) {
    writeData("sizes.txt", "10\n12\n");
    ui::Script script;   // expects no box: one would fail the test
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 11, -1, 0.5)"), 12);
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(SheetFunctions, NoToleranceMessageForPositiveTolerances) {
    writeData("sizes.txt", "10\n12\n");
    Ork_Settings::setStandardsMessages(true);
    ui::Script script;
    EXPECT_EQ(number(u"STDSIZEWITHTOLERANCE(\"sizes.txt\", 5, 11, -1, 1.5)"), 12);
    EXPECT_TRUE(script.boxes().empty());
}

} // namespace
