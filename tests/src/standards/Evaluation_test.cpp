// One evaluation end to end through StartDlgStandardsSS: macro mode against macros read from JSON files,
// direct mode with its pairing by position, load-only mode, and the record's own preparation.
#include "engineFixture.h"

#include "nuvo/Ork_Settings.h"
#include "os/paths.h"

#include <gtest/gtest.h>

namespace {

using enginetest::SheetRows;
using enginetest::directRecord;
using enginetest::input;
using enginetest::output;

const SheetRows kEndPlate = {
    {"Input"},
    {"Double Gap", "String Prof"},
    {"Output"},
    {"Double Width", "Int Letters"},
    {"Local"},
    {"Double Twice"},
    {"Calc"},
    {"Twice = Gap * 2"},
    {"Width = Twice + 100"},
    {"Letters = LEN(Prof)"},
};

class Evaluation : public enginetest::EngineTest {
protected:
    void writeMapping() {
        m_library->writeMap("EP", "Mapping version 1.0\n" + std::string("T=") + "Gap" + kHookUtf8 + "EndPlate" +
                                      kBulletUtf8 + "Distance Gap" + kPairUtf8 + "Prof" + kHookUtf8 + kBulletUtf8 +
                                      "PrPlName Prof0" + kPairUtf8 + "Width" + kHookUtf8 + "EndPlate" + kBulletUtf8 +
                                      "Distance Width" + "\n");
    }
    Ork_String macroValue(StandardsMacro& m, const char16_t* variable, KvValueType type, const char16_t* target = u"T") {
        const KvDlgStandardsData record = m.record(u"EP", target);
        KvSSMapping mapping;
        EXPECT_EQ(mapping.initFromMacro(record), eOk);
        Ork_String value;
        EXPECT_EQ(mapping.getMacroVarValue(variable, type, value, record), eOk);
        return value;
    }
};

TEST_F(Evaluation, MacroModeReadsInputsThroughTheMappingAndWritesOutputsBack) {
    writeSheet("EP.kvs", kEndPlate);
    writeMapping();
    StandardsMacro m;
    KvDlgStandardsData record;
    ASSERT_EQ(record.initialize(&m.db, u"EP", u"T", &m.data), eOk);
    record.transaction = &m.transaction;
    ASSERT_TRUE(StartDlgStandardsSS(record));

    EXPECT_EQ(macroValue(m, u"Width", KvValueType::Double), u"120.0000000");
    // The record comes back with every variable of the sheet, locals included, in declaration order.
    ASSERT_EQ(record.varCells.length(), 5);
    EXPECT_EQ(record.varCells[0].name, u"Gap");
    EXPECT_EQ(record.varCells[1].value, u"HEA-200");
    EXPECT_EQ(record.varCells[2].value, u"120");
    EXPECT_EQ(record.varCells[3].value, u"7");
    EXPECT_EQ(record.varCells[4].name, u"Twice");
    EXPECT_EQ(record.varCells[4].value, u"20");
    EXPECT_EQ(record.varCells[4].col, 1);
    EXPECT_EQ(record.varCells[4].row, 6);
    EXPECT_EQ(record.varCells.mapping().mappedObjects().length(), 3);
}

TEST_F(Evaluation, AVariableTheMacroLacksIsWarnedAboutWhenEnabled) {
    writeSheet("EP.kvs", kEndPlate);
    writeMapping();
    Ork_Settings::setStandardsMessages(true);
    ui::Script script;
    script.answerBox(ui::IDOK);
    StandardsMacro m;
    KvDlgStandardsData record = m.record(u"EP", u"T");
    ASSERT_TRUE(StartDlgStandardsSS(record));
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, u"The following Output variable couldn't be set : \nLetters\n"
                                      u"Make sure the variable exists in the macro or module.\nSpreadsheet : EP");
    EXPECT_EQ(script.boxes()[0].type, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

TEST_F(Evaluation, AMissingMappingDoesNotFailAndWritesNothing) {
    writeSheet("EP.kvs", kEndPlate);
    StandardsMacro m;
    KvDlgStandardsData record = m.record(u"EP", u"T");
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[0].value, u"");
    EXPECT_EQ(record.varCells[2].value, u"100");
    writeMapping();
    EXPECT_EQ(macroValue(m, u"Width", KvValueType::Double), u"200.0000000");
}

TEST_F(Evaluation, ModuleGroupTargetsReachVariablesByName) {
    writeSheet("Group.kvs", {{"Input"}, {"Double Thickness"}, {"Output"}, {"Double Gap"}, {"Calc"}, {"Gap = Thickness + 1"}});
    StandardsMacro m;
    KvDlgStandardsData record;
    ASSERT_EQ(record.initialize(&m.db, u"Group", u"Module.EndPlate", &m.data), eOk);
    EXPECT_EQ(record.moduleGroup, u"EndPlate");
    record.transaction = &m.transaction;
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(m.module(u"Plate").findConstraint(u"Gap")->value, 16);
    EXPECT_EQ(m.module(u"Stiffener").findConstraint(u"Gap")->value, 16);
}

TEST_F(Evaluation, MacroModeNeedsMacroAndTransactionAndFailsWithoutChangingTheRecord) {
    writeSheet("EP.kvs", kEndPlate);
    StandardsMacro m;
    KvDlgStandardsData record = m.record(u"EP", u"T");
    record.transaction = nullptr;
    record.genVarNames.append(u"kept");
    EXPECT_FALSE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells.length(), 0);
    EXPECT_EQ(record.genVarNames.length(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));

    KvDlgStandardsData missing = m.record(u"Nothing here", u"T");
    EXPECT_FALSE(StartDlgStandardsSS(missing));
}

TEST_F(Evaluation, InitializeRefusesNullPointersAndTakesTheGroupOfAModuleTarget) {
    StandardsMacro m;
    KvDlgStandardsData record;
    record.mode = 7;
    record.file = u"old";
    EXPECT_EQ(record.initialize(&m.db, u"new", u"T", nullptr), eInvalidInput);
    EXPECT_EQ(record.initialize(nullptr, u"new", u"T", &m.data), eInvalidInput);
    EXPECT_EQ(record.mode, 7);
    EXPECT_EQ(record.file, u"old");
    ASSERT_EQ(record.initialize(&m.db, u"new", u"Module.Group.Sub", &m.data), eOk);
    EXPECT_EQ(record.mode, 0);
    EXPECT_EQ(record.moduleGroup, u"Group.Sub");
    EXPECT_EQ(record.transaction, nullptr);
    ASSERT_EQ(record.initialize(&m.db, u"new", u"Modules", &m.data), eOk);
    EXPECT_EQ(record.moduleGroup, u"");
}

const SheetRows kInLocalOut = {
    {"Input"}, {"Double A"}, {"Local"}, {"Double L"}, {"Output"}, {"Double B"}, {"Calc"},
    {"L = B + 1"},
    {"B = A + L"},
};

TEST_F(Evaluation, DirectModePairsTheNonLocalDeclarationsByPosition) {
    const Ork_String file = writeSheet("d.kvs", kInLocalOut);
    // Names are not compared: A' feeds A, B' feeds B before the calculation and receives B afterwards.
    KvDlgStandardsData record = directRecord(file, {input(u"first", u"10"), output(u"second")});
    record.varCells[1].value = u"5";
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[0].value, u"10");
    EXPECT_EQ(record.varCells[1].value, u"16");   // L = 5 + 1, B = 10 + 6
    EXPECT_EQ(record.varCells[1].name, u"second");
    EXPECT_EQ(record.varCells[1].col, 0);

    KvDlgStandardsData tooShort = directRecord(file, {input(u"A", u"10")});
    EXPECT_FALSE(StartDlgStandardsSS(tooShort));
    EXPECT_EQ(tooShort.varCells.length(), 1);
}

TEST_F(Evaluation, DirectModeRefusesAnOutputFedByAnInput) {
    const Ork_String file = writeSheet("d.kvs", kInLocalOut);
    KvDlgStandardsData record = directRecord(file, {input(u"A", u"10"), input(u"B", u"1")});
    EXPECT_FALSE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[1].value, u"1");

    // A record's output may feed a sheet's input, and extra record cells are left alone.
    KvDlgStandardsData loose = directRecord(file, {output(u"A"), output(u"B"), input(u"extra", u"x")});
    loose.varCells[0].value = u"3";
    ASSERT_TRUE(StartDlgStandardsSS(loose));
    EXPECT_EQ(loose.varCells[1].value, u"4");
    EXPECT_EQ(loose.varCells[2].value, u"x");
}

TEST_F(Evaluation, AnyOtherModeOnlyLoads) {
    const Ork_String file = writeSheet("d.kvs", kInLocalOut);
    KvDlgStandardsData record = directRecord(file, {input(u"A", u"10")});
    record.mode = 2;
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells.length(), 1);
    EXPECT_EQ(record.varCells[0].value, u"10");
    record.file = u"no such sheet";
    EXPECT_FALSE(StartDlgStandardsSS(record));
}

TEST_F(Evaluation, GeneralVariablesOfTheRecordReachTheSheet) {
    const Ork_String file = writeSheet("g.kvs", {{"Output"}, {"Double W", "String S"}, {"Calc"}, {"W = gen_Width * 2"}, {"S = gen_Grade"}});
    KvDlgStandardsData record = directRecord(file, {output(u"W"), output(u"S", KvValueType::String)});
    record.genVarNames.append(u"gen_Width");
    record.genVarNames.append(u"gen_Grade");
    record.genVarValues.append(u"212.5");
    record.genVarValues.append(u"S235");
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[0].value, u"425");
    EXPECT_EQ(record.varCells[1].value, u"S235");
}

TEST_F(Evaluation, TheTestEntryRunsAnEvaluationThroughThePool) {
    // Its sheet lives on drive C:, which this machine maps to no folder: the load fails and so does the entry.
    os::clearDriveFolders();
    EXPECT_FALSE(StartDlgStandardsSStest());
    EXPECT_EQ(gSSDlgsMgr.count(), 1);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));

    // With C: mapped to a folder holding the sheet, the entry's four cells pair with its declarations.
    const std::filesystem::path drive = m_library->native() / "drive-c";
    std::filesystem::create_directories(drive / "a" / "a" / "a");
    std::ofstream(drive / "a" / "a" / "a" / "test.kvs") << enginetest::sheetDocument({
        {"Input"}, {"String Column", "Double Thickness"}, {"Output"}, {"Double Width", "Double Length"}, {"Calc"},
        {"Width = SECTIONSIZE(Column, 2) + Thickness"},
        {"Length = Width * 2"},
    });
    os::setDriveFolder(u'c', drive);
    EXPECT_TRUE(StartDlgStandardsSStest());
    os::clearDriveFolders();
    EXPECT_EQ(gSSDlgsMgr.count(), 1);
}

} // namespace

// One evaluation sees the library as it stood when it began; the next one sees every change made since, even
// within the same clock tick and at the same file size.
TEST_F(Evaluation, EachEvaluationSeesTheSheetAndDataFilesAsTheyAreNow) {
    write("Data/holes.txt", "M16\t18\n");
    const Ork_String file = writeSheet("h.kvs", {{"Output"}, {"Double Hole"}, {"Calc"}, {"Hole = GETCELL(\"holes.txt\", \"M16\")"}});
    KvDlgStandardsData first = directRecord(file, {output(u"Hole")});
    ASSERT_TRUE(StartDlgStandardsSS(first));
    EXPECT_EQ(first.varCells[0].value, u"18");

    write("Data/holes.txt", "M16\t22\n");
    KvDlgStandardsData second = directRecord(file, {output(u"Hole")});
    ASSERT_TRUE(StartDlgStandardsSS(second));
    EXPECT_EQ(second.varCells[0].value, u"22");

    writeSheet("h.kvs", {{"Output"}, {"Double Hole"}, {"Calc"}, {"Hole = GETCELL(\"holes.txt\", \"M16\")+1"}});
    KvDlgStandardsData third = directRecord(file, {output(u"Hole")});
    ASSERT_TRUE(StartDlgStandardsSS(third));
    EXPECT_EQ(third.varCells[0].value, u"23");
}

// Which of its candidate folders a data file or a child sheet is taken from is settled again once the library
// changed: a file appearing in a folder searched earlier is the one the next evaluation reads.
TEST_F(Evaluation, AFileAppearingInAnEarlierCandidateFolderIsTakenNext) {
    write("holes.txt", "M16\t18\n");
    write("Childs/tripler.kvs", enginetest::sheetDocument({{"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"}, {"Y = X * 3"}}));
    const Ork_String file = writeSheet("h.kvs", {{"Output"}, {"Double Hole"}, {"Double Y"}, {"Local"}, {"Double X"},
                                                 {"Calc"}, {"Hole = GETCELL(\"holes.txt\", \"M16\")"}, {"X = 2"},
                                                 {"CallChild(\"tripler.kvs\", X, Y)"}});
    const auto evaluate = [&] {
        KvDlgStandardsData record = directRecord(file, {output(u"Hole"), output(u"Y")});
        EXPECT_TRUE(StartDlgStandardsSS(record));
        return record.varCells[0].value + u"|" + record.varCells[1].value;
    };
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(evaluate(), u"18|6");
    write("Data/holes.txt", "M16\t22\n");
    write("tripler.kvs", enginetest::sheetDocument({{"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"}, {"Y = X * 4"}}));
    EXPECT_EQ(evaluate(), u"22|8");
    std::filesystem::remove(m_library->standards() / "Data" / "holes.txt");
    std::filesystem::remove(m_library->standards() / "tripler.kvs");
    EXPECT_EQ(evaluate(), u"18|6");
}

// Evaluations of an unchanged sheet share what its declarations are; a sheet rewritten in between declares
// what it declares now.
TEST_F(Evaluation, EachEvaluationReadsTheDeclarationsOfTheSheetAsItIsNow) {
    const Ork_String file = writeSheet("d.kvs", {{"Input"}, {"Double A"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A * 2"}});
    for (int i = 0; i < 2; ++i) {
        KvDlgStandardsData record = directRecord(file, {input(u"A", u"3"), output(u"B")});
        ASSERT_TRUE(StartDlgStandardsSS(record));
        EXPECT_EQ(record.varCells[1].value, u"6");
    }
    writeSheet("d.kvs", {{"Input"}, {"Double A"}, {"Double C"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A * C"}});
    KvDlgStandardsData tooFew = directRecord(file, {input(u"A", u"3"), output(u"B")});
    EXPECT_FALSE(StartDlgStandardsSS(tooFew));
    KvDlgStandardsData record = directRecord(file, {input(u"A", u"3"), input(u"C", u"5"), output(u"B")});
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[2].value, u"15");
}

// A statement of a rewritten sheet reads its variables where they are declared now, even where its own text
// and the names are those an evaluation before saw.
TEST_F(Evaluation, StatementsReadTheVariablesWhereTheSheetDeclaresThemNow) {
    const Ork_String file =
        writeSheet("m.kvs", {{"Input"}, {"Double A"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A * 2"}});
    KvDlgStandardsData before = directRecord(file, {input(u"A", u"3"), output(u"B")});
    ASSERT_TRUE(StartDlgStandardsSS(before));
    EXPECT_EQ(before.varCells[1].value, u"6");

    writeSheet("m.kvs", {{"Input"}, {"", "Double A"}, {"Output"}, {"Double B"}, {"Calc"}, {"B = A * 2"}});
    KvDlgStandardsData after = directRecord(file, {input(u"A", u"4"), output(u"B")});
    ASSERT_TRUE(StartDlgStandardsSS(after));
    EXPECT_EQ(after.varCells[1].value, u"8");
}

// General variables are substituted into the sheet as each evaluation finds it, whichever evaluated it before:
// into the statements, and into a value just given to a declaration.
TEST_F(Evaluation, GeneralVariablesReachEveryCellAtEveryEvaluation) {
    const Ork_String file = writeSheet("g.kvs", {{"Input"}, {"String S"}, {"Output"}, {"Double W", "String T"},
                                                 {"Calc"}, {"W = gen_a * 2"}, {"T = S"}});
    const auto evaluate = [&](const char16_t* s, const char16_t* a) {
        KvDlgStandardsData record =
            directRecord(file, {input(u"S", s, KvValueType::String), output(u"W"), output(u"T", KvValueType::String)});
        record.genVarNames.append(u"gen_a");
        record.genVarValues.append(a);
        EXPECT_TRUE(StartDlgStandardsSS(record));
        return record.varCells[1].value + u"|" + record.varCells[2].value;
    };
    EXPECT_EQ(evaluate(u"x", u"3"), u"6|x");
    EXPECT_EQ(evaluate(u"gen_a", u"4"), u"8|4");
    EXPECT_EQ(evaluate(u"y gen_a", u"5"), u"10|y 5");
}

// The sections are where the sheet's markers stand: a text variable whose value reads "Calc" does not start
// the statements at its declaration cell (and so cannot turn the next variable's value into a statement).
TEST_F(Evaluation, ValuesWrittenIntoDeclarationsAreNoSectionMarkers) {
    const Ork_String file = writeSheet("m.kvs", {{"Input"}, {"String S1"}, {"String S2"}, {"Output"}, {"Double W"},
                                                 {"Local"}, {"Double L"}, {"Calc"}, {"L = 2"}});
    KvDlgStandardsData record = directRecord(file, {input(u"S1", u"Calc", KvValueType::String),
                                                    input(u"S2", u"W = 99", KvValueType::String), output(u"W")});
    record.varCells[2].value = u"0";
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[2].value, u"0");
}

namespace {

// The largest size a grid document may declare, holding a dozen cells. Statements run in reading order: row 8
// runs column 3 before column 5, whatever the order of the file's lines.
const char kLargestSheet[] = R"(SS grid 1
size 32000 16777216
cell 1 1 text "Input"
cell 2 2 text "Double A"
cell 1 3 text "Output"
cell 1 4 text "Double B"
cell 32000 4 text "String C"
cell 1 5 text "Calc"
cell 9 6 text "B = A * gen_k"
cell 2 7 text "C = \"from \" & B"
cell 5 8 text "B = B * 10"
cell 3 8 text "B = B + 1"
cell 1 16777216 text "B = B + 1"
end
)";

// Declarations, general variables and statements are found among the cells the sheet holds: an evaluation of
// it takes no longer than one of a small sheet (it took hours when every declared cell was read).
TEST_F(Evaluation, TheLargestDeclaredSheetEvaluatesByTheCellsItHolds) {
    const Ork_String file = write("Largest.kvs", kLargestSheet);
    KvDlgStandardsData record =
        directRecord(file, {input(u"A", u"4"), output(u"B"), output(u"C", KvValueType::String)});
    record.genVarNames.append(u"gen_k");
    record.genVarValues.append(u"3");
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[1].value, u"131");
    EXPECT_EQ(record.varCells[2].value, u"from 12");

    StandardsMacro m;
    KvDlgStandardsData macro;
    ASSERT_EQ(macro.initialize(&m.db, file, u"NoSuchTarget", &m.data), eOk);
    macro.transaction = &m.transaction;
    macro.genVarNames = record.genVarNames;
    macro.genVarValues = record.genVarValues;
    ASSERT_TRUE(StartDlgStandardsSS(macro));
    ASSERT_EQ(macro.varCells.length(), 3);
    EXPECT_EQ(macro.varCells[2].col, 32000);
    EXPECT_EQ(macro.varCells[1].value, u"11");   // without a mapping A stays empty, which reads as 0
}

} // namespace
