// The statement translator: loading, general variables, name replacement, statements and their failures.
#include "engineFixture.h"

#include "base/SSTimers.h"
#include "nuvo/Ork_Settings.h"

#include <gtest/gtest.h>

namespace {

using enginetest::SheetRows;

class CalcSS : public enginetest::EngineTest {
protected:
    // The sheet written as "t.kvs", loaded into a hidden grid with its declarations read.
    KvCalcSS& loaded(const SheetRows& rows) {
        KvCalcSS& grid = hiddenGrid();
        EXPECT_EQ(grid.loadStandardsFile(writeSheet("t.kvs", rows)), eOk);
        EXPECT_EQ(grid.readVarCells(), eOk);
        return grid;
    }
    Ork_String valueOf(KvCalcSS& grid, const char16_t* name) {
        int index = -1;
        EXPECT_EQ(grid.varCells().findVarCell(name, index), eOk) << Ork_String(name).utf8();
        return index < 0 ? Ork_String(u"<none>") : grid.varCells()[index].value;
    }
    void setValue(KvCalcSS& grid, const char16_t* name, const char16_t* value) {
        int index = -1;
        ASSERT_EQ(grid.varCells().findVarCell(name, index), eOk);
        grid.varCells()[index].value = value;
    }
};

Ork_String replaced(const char16_t* text, std::initializer_list<const char16_t*> names,
                    std::initializer_list<const char16_t*> values, bool quote = false) {
    Ork_String t = text;
    Ork_StringArray n, v;
    for (auto* x : names)
        n.append(x);
    for (auto* x : values)
        v.append(x);
    KvCalcSS::replaceNames(t, n, v, quote);
    return t;
}

TEST(NameReplacement, ReplacesWholeNamesOnly) {
    EXPECT_EQ(replaced(u"Width*W_1+W*2+(W)-W", {u"W"}, {u"B3"}), u"Width*W_1+B3*2+(B3)-B3");
    EXPECT_EQ(replaced(u"W2+2W+W", {u"W"}, {u"C1"}), u"W2+2W+C1");
    EXPECT_EQ(replaced(u"\"W\"&Wä", {u"W"}, {u"X"}), u"\"X\"&Xä");   // only ASCII letters bind
}

TEST(NameReplacement, PairsAsManyNamesAsThereAreReplacementsAndReportsWhetherAnythingChanged) {
    Ork_String t = u"a+b";
    Ork_StringArray names, values;
    names.append(u"a");
    names.append(u"b");
    values.append(u"1");
    EXPECT_TRUE(KvCalcSS::replaceNames(t, names, values, false));
    EXPECT_EQ(t, u"1+b");
    Ork_String u = u"xyz";
    EXPECT_FALSE(KvCalcSS::replaceNames(u, names, values, false));
}

TEST(NameReplacement, QuotingWrapsTextsThatAreNoNumbers) {
    EXPECT_EQ(replaced(u"gen_a+gen_b", {u"gen_a", u"gen_b"}, {u"12", u"S235"}, true), u"12+\"S235\"");
    // A replacement that holds the name does not loop.
    EXPECT_EQ(replaced(u"x+x", {u"x"}, {u"x+x"}), u"x+x+x+x");
}

TEST(NameReplacement, TheLongerNameWinsWhateverTheOrderOfTheList) {
    // "gen.Width" holds the word Width; each is replaced whole, in either order of the list.
    EXPECT_EQ(replaced(u"gen.Width-Width", {u"Width", u"gen.Width"}, {u"B2", u"C2"}), u"C2-B2");
    EXPECT_EQ(replaced(u"gen.Width-Width", {u"gen.Width", u"Width"}, {u"C2", u"B2"}), u"C2-B2");
    EXPECT_EQ(replaced(u"Cope.Cut+Cope.CutInside", {u"Cope.Cut", u"Cope.CutInside"}, {u"A1", u"A2"}), u"A1+A2");
    // A dotted name stands alone too: not inside a longer word, not followed by one.
    EXPECT_EQ(replaced(u"xgen.W+gen.Wx+gen.W", {u"gen.W"}, {u"D4"}), u"xgen.W+gen.Wx+D4");
}

TEST(NameReplacement, AReplacementIsNeverTakenForAName) {
    // The first name's replacement is the second name: it stays as put in.
    EXPECT_EQ(replaced(u"gen_a+gen_b", {u"gen_a", u"gen_b"}, {u"gen_b", u"2"}), u"gen_b+2");
    EXPECT_EQ(replaced(u"A+B", {u"A", u"B2"}, {u"B2", u"C3"}), u"B2+B");
}

TEST_F(CalcSS, AStatementBecomesAFormulaOfCoordinatesAndItsValueGoesToTheDeclaration) {
    KvCalcSS& grid = loaded({
        {"Input"},
        {"", "Double Width"},      // B2
        {"", "Double Length"},     // B3
        {"Output"},
        {"", "Double Area"},       // B5
        {"Calc"},
        {"Area = Width * Length"},   // A7
    });
    setValue(grid, u"Width", u"3");
    setValue(grid, u"Length", u"4.5");
    ASSERT_EQ(grid.varCells().setValuesToSS(grid), eOk);
    ASSERT_EQ(grid.calculate(), eOk);
    EXPECT_EQ(text(grid, 1, 7, 1), u"B2*B3");
    EXPECT_EQ(valueOf(grid, u"Area"), u"13.5");
    EXPECT_EQ(text(grid, 2, 5), u"13.5");
    ASSERT_EQ(grid.varCells().getValuesFromSS(grid), eOk);
    EXPECT_EQ(valueOf(grid, u"Area"), u"13.5");
}

TEST_F(CalcSS, LaterStatementsSeeEarlierResultsAndTextsFlowThroughStringVariables) {
    KvCalcSS& grid2 = loaded({
        {"Input"},
        {"Double A"},
        {"Local"},
        {"Double T"},
        {"Output"},
        {"Double B", "String S"},
        {"Calc"},
        {"T = A + 1", "B = T * 2"},
        {"S = \"P\" & B"},
    });
    setValue(grid2, u"A", u"4");
    ASSERT_EQ(grid2.varCells().setValuesToSS(grid2), eOk);
    ASSERT_EQ(grid2.calculate(), eOk);
    EXPECT_EQ(valueOf(grid2, u"T"), u"5");
    EXPECT_EQ(valueOf(grid2, u"B"), u"10");
    EXPECT_EQ(valueOf(grid2, u"S"), u"P10");
}

TEST_F(CalcSS, AStringVariableHoldsLongTexts) {
    KvCalcSS& grid = loaded({
        {"Input"},
        {"String A"},
        {"Output"},
        {"String B"},
        {"Calc"},
        {"B = A & A"},
    });
    const Ork_String half(std::u16string(3000, u'x'));
    setValue(grid, u"A", half.c_str());
    ASSERT_EQ(grid.varCells().setValuesToSS(grid), eOk);
    ASSERT_EQ(grid.calculate(), eOk);
    EXPECT_EQ(valueOf(grid, u"B").len(), 6000);
    grid::CellType type;
    ASSERT_TRUE(grid.ssGetCellType(1, 4, type));
    EXPECT_EQ(type.maxLength, KvVarCell::kMaxTextLength);
}

TEST_F(CalcSS, GeneralVariablesAreSubstitutedInEveryCellTextsQuoted) {
    KvCalcSS& grid = loaded({
        {"Output"},
        {"Double B", "String Grade"},
        {"Calc"},
        {"B = gen_thk * 2"},
        {"Grade = gen_steel"},
        {"note: gen_thk stays a word inside gen_thk2"},
    });
    grid.genVarNames.append(u"gen_thk");
    grid.genVarNames.append(u"gen_steel");
    grid.genVarValues.append(u"12");
    grid.genVarValues.append(u"S355");
    ASSERT_EQ(grid.replaceGenVars(), eOk);
    EXPECT_EQ(text(grid, 1, 4), u"B = 12 * 2");
    EXPECT_EQ(text(grid, 1, 5), u"Grade = \"S355\"");
    EXPECT_EQ(text(grid, 1, 6), u"note: 12 stays a word inside gen_thk2");
    ASSERT_EQ(grid.calculate(), eOk);
    EXPECT_EQ(valueOf(grid, u"B"), u"24");
    EXPECT_EQ(valueOf(grid, u"Grade"), u"S355");
}

TEST_F(CalcSS, FailedStatementsAreReportedWhenEnabledAndDoNotStopTheLoop) {
    const SheetRows rows = {
        {"Output"},
        {"Double A", "Double B", "Double C"},
        {"Calc"},
        {"A = 1"},
        {"this is no statement"},
        {"Unknown = 5"},
        {"B = Nowhere + 1"},
        {"C = A + 2"},
    };
    {
        ui::Script quiet;   // messages off: nobody is asked
        KvCalcSS& grid = loaded(rows);
        ASSERT_EQ(grid.calculate(), eOk);
        EXPECT_EQ(valueOf(grid, u"A"), u"1");
        EXPECT_EQ(valueOf(grid, u"B"), u"");   // keeps its value
        EXPECT_EQ(valueOf(grid, u"C"), u"3");
    }
    Ork_Settings::setStandardsMessages(true);
    ui::Script script;
    script.answerBox(ui::IDOK).answerBox(ui::IDOK).answerBox(ui::IDOK);
    KvCalcSS& grid = loaded(rows);
    ASSERT_EQ(grid.calculate(), eOk);
    ASSERT_EQ(script.boxes().size(), 3u);
    const std::u16string& first = script.boxes()[0].text;
    EXPECT_EQ(first, u"The following equation failed:\nthis is no statement\nSpreadsheet : " + grid.loadedFile +
                         u" (line: 5)\nHere's a tip for finding the cause :\nIf this equation contains variable "
                         u"names, then the translator does not know the value of the variable. Make sure the "
                         u"variable exists either in input, output, local declarations or among the gen_ "
                         u"variables.");
    EXPECT_EQ(script.boxes()[0].type, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    EXPECT_NE(script.boxes()[1].text.find(u"failed:\nUnknown = 5\n"), std::u16string::npos);
    EXPECT_NE(script.boxes()[2].text.find(u"failed:\nB = Nowhere + 1\n"), std::u16string::npos);
    EXPECT_NE(script.boxes()[2].text.find(u"(line: 7)"), std::u16string::npos);
    EXPECT_EQ(valueOf(grid, u"C"), u"3");
}

TEST_F(CalcSS, DottedNamesAreReplacedWholeBeforeTheWordsTheyHold) {
    for (bool dottedFirst : {false, true}) {
        SCOPED_TRACE(dottedFirst ? "gen.Width declared first" : "Width declared first");
        KvCalcSS& grid = loaded({
            {"Input"},
            {dottedFirst ? "Double gen.Width" : "Double Width", dottedFirst ? "Double Width" : "Double gen.Width"},
            {"Output"},
            {"Double Height"},
            {"Calc"},
            {"Height = gen.Width - Width"},   // A6
        });
        setValue(grid, u"Width", u"200");
        setValue(grid, u"gen.Width", u"212.5");
        ASSERT_EQ(grid.varCells().setValuesToSS(grid), eOk);
        ASSERT_EQ(grid.calculate(), eOk);
        EXPECT_EQ(text(grid, 1, 6, 1), dottedFirst ? u"A2-B2" : u"B2-A2");
        EXPECT_EQ(valueOf(grid, u"Height"), u"12.5");
    }
}

TEST_F(CalcSS, AStatementGivingAnErrorValueFailsAndItsVariableKeepsItsValue) {
    Ork_Settings::setStandardsMessages(true);
    ui::Script script;
    script.answerBox(ui::IDOK).answerBox(ui::IDOK);
    KvCalcSS& grid = loaded({
        {"Output"},
        {"Double A", "String S", "String T", "Double B"},
        {"Calc"},
        {"A = SECTIONSIZE(\"IPE 999\", 1)"},   // A4: no section table knows it
        {"S = GETCELL(\"nothing.txt\", 1)"},
        {"T = \"#VALUE!\""},                    // a text, no error value
        {"B = A + 1"},
    });
    setValue(grid, u"A", u"5");
    setValue(grid, u"S", u"kept");
    ASSERT_EQ(grid.varCells().setValuesToSS(grid), eOk);
    ASSERT_EQ(grid.calculate(), eOk);
    EXPECT_EQ(valueOf(grid, u"A"), u"5");
    EXPECT_EQ(text(grid, 1, 2), u"5");
    EXPECT_EQ(valueOf(grid, u"S"), u"kept");
    EXPECT_EQ(valueOf(grid, u"T"), u"#VALUE!");
    EXPECT_EQ(valueOf(grid, u"B"), u"6");
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_NE(script.boxes()[0].text.find(u"failed:\nA = SECTIONSIZE(\"IPE 999\", 1)\n"), std::u16string::npos);
    EXPECT_NE(script.boxes()[0].text.find(u"(line: 4)"), std::u16string::npos);
    EXPECT_NE(script.boxes()[1].text.find(u"failed:\nS = GETCELL("), std::u16string::npos);
}

TEST_F(CalcSS, DuplicateNamesAreAlwaysReportedAndTheLaterOnesDropped) {
    ui::Script script;   // messages are off, yet this box shows
    script.answerBox(ui::IDOK);
    KvCalcSS& grid = loaded({
        {"Input"},
        {"Double A", "Double B"},
        {"Output"},
        {"Double A", "Double C", "Double B"},
        {"Calc"},
        {"C = 7"},
    });
    ASSERT_EQ(grid.varCells().length(), 5);
    ASSERT_EQ(grid.calculate(), eOk);
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].caption, u"Variable names must be unique");
    EXPECT_EQ(script.boxes()[0].text, u"There were duplicate variable names found in the standards file " +
                                          grid.loadedFile +
                                          u".\nThe duplicates will be ignored. Please correct this file.\n"
                                          u"Duplicate variable names:\n\nA\nB");
    EXPECT_EQ(script.boxes()[0].owner, m_window);
    ASSERT_EQ(grid.varCells().length(), 3);
    EXPECT_EQ(grid.varCells()[0].name, u"A");
    EXPECT_TRUE(grid.varCells()[0].isInput());
    EXPECT_EQ(grid.varCells()[2].name, u"C");
    EXPECT_EQ(valueOf(grid, u"C"), u"7");
}

TEST_F(CalcSS, ASheetWithoutCalcSectionFailsToCalculate) {
    KvCalcSS& grid = loaded({{"Input"}, {"Double A"}});
    EXPECT_EQ(grid.calculate(), eInvalidInput);
}

TEST_F(CalcSS, ANameIsLookedUpInTheLibraryAndAMissingDocumentFailsToLoad) {
    writeSheet("Named.kvs", {{"Calc"}});
    KvCalcSS& grid = hiddenGrid();
    ASSERT_EQ(grid.loadStandardsFile(u"Named"), eOk);
    EXPECT_TRUE(grid.loadedFile.endsWith(u"Connection Standards\\Named.kvs"));
    EXPECT_EQ(grid.loadStandardsFile(u"Missing"), eInvalidInput);
    EXPECT_TRUE(grid.loadedFile.endsWith(u"Named.kvs"));   // the last document loaded
}

TEST_F(CalcSS, EveryStepRunsInsideItsTimer) {
    const std::array<Ork_Timer*, 25>& timers = ssTimers();
    std::vector<long> before;
    for (Ork_Timer* t : timers)
        before.push_back(t->count());
    KvDlgStandardsData record = enginetest::directRecord(
        writeSheet("t.kvs", {{"Input"}, {"Double A"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A * 2"}}),
        {enginetest::input(u"A", u"2"), enginetest::output(u"B")});
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[1].value, u"4");
    for (const char* name : {"gLoadFile", "gGetFromVars", "gCalcChild", "gSetToVars", "gRegisterFuntions",
                             "gFindDuplicates", "gCalcCells", "gCalcCellSplitSymbol", "gCalcCellFindVarCell",
                             "gCalcCellFindFunctions", "gCalcCellCalcFunctionsPrepare", "gCalcCellCalcFunctions",
                             "gCalcCellReplaceVariables"}) {
        for (std::size_t i = 0; i < timers.size(); ++i)
            if (std::string(kSSTimers[i].name) == name) {
                EXPECT_GT(timers[i]->count(), before[i]) << name;
            }
    }
    for (Ork_Timer* t : timers)
        EXPECT_FALSE(t->isRunning());
}

} // namespace
