// Child spreadsheets: values in by position, back only into outputs, every way a call fails, and calls that
// would never end.
#include "engineFixture.h"

#include "base/calculatingDocuments.h"
#include "nuvo/Ork_Settings.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using enginetest::SheetRows;
using enginetest::directRecord;
using enginetest::input;
using enginetest::output;

// A child that doubles its input and adds its second input: Input X, Y; Output D.
const SheetRows kDoubler = {
    {"Input"},
    {"Double X", "Double Y"},
    {"Output"},
    {"Double D"},
    {"Calc"},
    {"D = X * 2 + Y"},
};

class ChildCalls : public enginetest::EngineTest {
protected:
    // Evaluates `parent` in direct mode with A = 5 given; the record afterwards.
    KvDlgStandardsData evaluate(const Ork_String& parent, bool& ok) {
        KvDlgStandardsData record = directRecord(parent, {input(u"A", u"5"), output(u"R"), output(u"Q")});
        ok = StartDlgStandardsSS(record);
        return record;
    }
    SheetRows parentCalling(const std::string& statement) {
        return {
            {"Input"},
            {"Double A"},
            {"Output"},
            {"Double R", "Double Q"},
            {"Local"},
            {"Double Two"},
            {"Calc"},
            {"Two = 2"},
            {statement},
            {"Q = R + 1"},
        };
    }
};

TEST_F(ChildCalls, ValuesGoInByPositionAndComeBackIntoOutputs) {
    writeSheet("Childs/doubler.kvs", kDoubler);
    // The child's inputs X, Y take A and Two; its output D pairs with R, which receives it.
    bool ok = false;
    KvDlgStandardsData record = evaluate(writeSheet("p.kvs", parentCalling("x = CallChild(\"doubler.kvs\", A, Two, R)")), ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(record.varCells[1].value, u"12");
    EXPECT_EQ(record.varCells[2].value, u"13");   // later statements see the child's result
    EXPECT_EQ(gSSDlgsMgr.count(), 2);
    EXPECT_FALSE(gSSDlgsMgr.isInUse(0));
    EXPECT_FALSE(gSSDlgsMgr.isInUse(1));

    // The pool's windows serve the next nested evaluation again.
    ok = false;
    record = evaluate(writeSheet("p.kvs", parentCalling("CallChild(\"doubler.kvs\", A, Two, R)")), ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(record.varCells[1].value, u"12");
    EXPECT_EQ(gSSDlgsMgr.count(), 2);
}

TEST_F(ChildCalls, ALocalArgumentGivesItsValueButGetsNothingBack) {
    writeSheet("Childs/doubler.kvs", kDoubler);
    KvDlgStandardsData record = directRecord(writeSheet("p.kvs", {
        {"Input"}, {"Double A"}, {"Output"}, {"Double R"}, {"Local"}, {"Double Two"}, {"Calc"},
        {"Two = 2"},
        {"CallChild(\"doubler.kvs\", A, Two, Two)"},   // D = 5 * 2 + 2 would go to Two, a local
        {"R = Two"},
    }), {input(u"A", u"5"), output(u"R")});
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[1].value, u"2");
}

TEST_F(ChildCalls, TheChildIsFoundBesideTheParentAndInTheLibraryFolders) {
    writeSheet("Parents/sub/side.kvs", kDoubler);
    writeSheet("Data/data-child.kvs", kDoubler);
    bool ok = false;
    KvDlgStandardsData record =
        evaluate(writeSheet("Parents/sub/p.kvs", parentCalling("CallChild(\"\\side.kvs\", A, Two, R)")), ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(record.varCells[1].value, u"12");
    record = evaluate(writeSheet("p2.kvs", parentCalling("CallChild(\"data-child.kvs\", A, A, R)")), ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(record.varCells[1].value, u"15");
}

TEST_F(ChildCalls, EveryMalformedCallFailsItsStatementWithAReport) {
    writeSheet("Childs/doubler.kvs", kDoubler);
    const std::string statements[] = {
        "CallChild(\"doubler.kvs\")",                // only the document
        "CallChild(\"missing.kvs\", A, Two, R)",     // no such document
        "CallChild(\"doubler.kvs\", A, Nobody, R)",  // an undeclared variable
        "CallChild(\"doubler.kvs\", A, Two, R",      // no closing parenthesis
        "CallChild \"doubler.kvs\", A, Two, R",      // no opening parenthesis
        "CallChild(\"p.kvs\", A, Two, R)",           // the sheet's own document
    };
    Ork_Settings::setStandardsMessages(true);
    for (int i = 0; i < 6; ++i) {
        ui::Script script;
        script.answerBox(ui::IDOK);
        bool ok = false;
        KvDlgStandardsData record = evaluate(writeSheet("p.kvs", parentCalling(statements[i])), ok);
        EXPECT_TRUE(ok) << statements[i];   // a failed statement does not fail the evaluation
        EXPECT_EQ(record.varCells[1].value, u"") << statements[i];
        ASSERT_EQ(script.boxes().size(), 1u) << statements[i];
        EXPECT_NE(script.boxes()[0].text.find(u"The following equation failed:\n"), std::u16string::npos);
    }
}

TEST_F(ChildCalls, AChildThatCallsItsParentIsRefusedWithAClearReport) {
    const Ork_String a = writeSheet("A.kvs", {
        {"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"},
        {"CallChild(\"B.kvs\", X, Y)"},
    });
    writeSheet("B.kvs", {
        {"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"},
        {"CallChild(\"a.KVS\", X, Y)"},   // another spelling of A's name
        {"Y = X + 100"},
    });
    KvDlgStandardsData record = directRecord(a, {input(u"X", u"1"), output(u"Y")});
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[1].value, u"101");   // B's own statement still ran
    EXPECT_LE(gSSDlgsMgr.count(), 2);
    EXPECT_NE(printed().find("is already being calculated"), std::string::npos) << printed();
    EXPECT_TRUE(calculatingDocuments::documents().empty());
}

TEST_F(ChildCalls, AChildThatIsItsParentThroughALinkIsRefused) {
    const Ork_String a = writeSheet("A.kvs", {
        {"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"},
        {"CallChild(\"Alias.kvs\", X, Y)"},   // A itself, under another name
        {"Y = X + 100"},
    });
    std::filesystem::create_symlink("A.kvs", m_library->standards() / "Alias.kvs");
    KvDlgStandardsData record = directRecord(a, {input(u"X", u"1"), output(u"Y")});
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[1].value, u"101");
    EXPECT_EQ(gSSDlgsMgr.count(), 1);   // no second window on A
    EXPECT_NE(printed().find("is already being calculated"), std::string::npos) << printed();
}

TEST_F(ChildCalls, AChildWhoseNameDiffersFromItsParentsOnlyInCaseIsAnotherDocument) {
    // Both files exist: "PART.kvs" names the second, as the file system opens it, not the sheet that calls it.
    const Ork_String parent = writeSheet("Part.kvs", {
        {"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"},
        {"CallChild(\"PART.kvs\", X, Y)"},
    });
    writeSheet("PART.kvs", {{"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"}, {"Y = X + 100"}});
    KvDlgStandardsData record = directRecord(parent, {input(u"X", u"1"), output(u"Y")});
    ASSERT_TRUE(StartDlgStandardsSS(record));
    EXPECT_EQ(record.varCells[1].value, u"101");
    EXPECT_EQ(printed().find("is already being calculated"), std::string::npos) << printed();
}

TEST_F(ChildCalls, NestingStopsAtSixteenSheets) {
    // level0 calls level1 ... each adds 1 on the way back; level 20 would be the end of the chain.
    for (int i = 0; i < 20; ++i) {
        const std::string next = "level" + std::to_string(i + 1) + ".kvs";
        writeSheet("level" + std::to_string(i) + ".kvs", {
            {"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"},
            {"Y = X"},
            {"CallChild(\"" + next + "\", Y, Y)"},
            {"Y = Y + 1"},
        });
    }
    writeSheet("level20.kvs", {{"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"}, {"Y = X"}});
    KvDlgStandardsData record = directRecord(writeSheet("level0.kvs", {
        {"Input"}, {"Double X"}, {"Output"}, {"Double Y"}, {"Calc"},
        {"Y = X"}, {"CallChild(\"level1.kvs\", Y, Y)"}, {"Y = Y + 1"},
    }), {input(u"X", u"0"), output(u"Y")});
    ASSERT_TRUE(StartDlgStandardsSS(record));
    // Sixteen sheets ran; the sixteenth's call was refused, so each of them added its 1 once.
    EXPECT_EQ(record.varCells[1].value, u"16");
    EXPECT_EQ(gSSDlgsMgr.count(), KvCalcSS::kMaxNesting);
    EXPECT_NE(printed().find("nests deeper than 16"), std::string::npos);
}

} // namespace
