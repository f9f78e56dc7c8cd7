#include <gtest/gtest.h>

#include <cstring>

#include "grid/Sheet.h"
#include "grid/diagnostics.h"

using namespace grid;

namespace {

std::u16string readArg(const SSValueRecord& rec) {
    std::u16string text;
    GlobalMemory::toText(rec.hValue, text);
    GlobalMemory::free(rec.hValue);   // the callback frees the argument blocks it reads
    return text;
}

struct CustomFunctionTest : ::testing::Test {
    CustomFunctionTest() {
        sheet.setMaxCols(10);
        sheet.setMaxRows(10);
        setDiagnosticSink([this](std::u16string_view m) { messages += m; });
    }
    ~CustomFunctionTest() override {
        setDiagnosticSink({});
        GlobalMemory::injectFailures(0);
        GlobalMemory::injectFailures(0, true);
    }
    Sheet sheet;
    std::u16string messages;
};

} // namespace

TEST_F(CustomFunctionTest, StringsTravelInMovableBlocksBothWays) {
    const auto blocksBefore = GlobalMemory::liveBlocks();
    sheet.addCustomFunction(u"Shout", 1, 1, [](SSValueRecord& result, SSValueRecord* args, std::int16_t count) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(args[0].status, SSStatusValid);
        EXPECT_EQ(args[0].type, SSTypeString);
        EXPECT_EQ(GlobalMemory::size(args[0].hValue), 2 * 3 + 2u);
        std::u16string text = readArg(args[0]) + u"!";
        result.status = SSStatusValid;
        result.type = SSTypeString;
        result.hValue = GlobalMemory::fromText(text);
        return true;
    }, 0);
    sheet.setData(1, 1, u"abc");
    ASSERT_TRUE(sheet.setFormula(2, 1, u"shout(A1)"));
    EXPECT_EQ(sheet.valueText(2, 1), u"abc!");
    EXPECT_EQ(GlobalMemory::liveBlocks(), blocksBefore);   // the result block was freed by the grid
}

TEST_F(CustomFunctionTest, NumbersAndBlanksArriveAsTheirRecords) {
    std::vector<std::pair<int, int>> seen;   // status, type
    sheet.addCustomFunction(u"PROBE", 0, 5, [&](SSValueRecord& result, SSValueRecord* args, std::int16_t count) {
        for (int i = 0; i < count; ++i)
            seen.push_back({args[i].status, args[i].type});
        EXPECT_DOUBLE_EQ(args[0].dValue, 2.5);
        EXPECT_EQ(args[1].lValue, 1);
        result.status = SSStatusValid;
        result.type = SSTypeLong;
        result.lValue = 42;
        return true;
    }, 0);
    sheet.setFormula(1, 1, u"PROBE(2.5,TRUE,J9,J8:J9)");
    EXPECT_EQ(sheet.valueText(1, 1), u"42");
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], std::make_pair(0, int(SSTypeDouble)));
    EXPECT_EQ(seen[1], std::make_pair(0, int(SSTypeLong)));
    EXPECT_EQ(seen[2], std::make_pair(int(SSStatusNoValue), int(SSTypeLong)));
    EXPECT_EQ(seen[3], std::make_pair(0, int(SSTypeRange)));
}

TEST_F(CustomFunctionTest, FlagOnePassesReferencesAsCellReferences) {
    SSCellPos received{};
    int receivedType = -1;
    auto callback = [&](SSValueRecord& result, SSValueRecord* args, std::int16_t) {
        receivedType = args[0].type;
        if (args[0].type == SSTypeCellRef)
            received = args[0].cell;
        result.status = SSStatusValid;
        result.type = SSTypeDouble;
        result.dValue = 1;
        return true;
    };
    sheet.setData(3, 4, u"7");
    sheet.addCustomFunction(u"WITHREF", 1, 1, callback, kPassReferences);
    sheet.setFormula(1, 1, u"WITHREF(C4)");
    EXPECT_EQ(receivedType, SSTypeCellRef);
    EXPECT_EQ(received.col, 3);
    EXPECT_EQ(received.row, 4);
    sheet.addCustomFunction(u"WITHVALUE", 1, 1, callback, 0);
    sheet.setFormula(1, 2, u"WITHVALUE(C4)");
    EXPECT_EQ(receivedType, SSTypeDouble);
}

TEST_F(CustomFunctionTest, AnErrorArgumentIsTheResultWithoutACall) {
    int calls = 0;
    sheet.addCustomFunction(u"F", 1, 1, [&](SSValueRecord&, SSValueRecord*, std::int16_t) {
        ++calls;
        return true;
    }, 0);
    sheet.setFormula(1, 1, u"F(1/0)");
    EXPECT_EQ(sheet.valueText(1, 1), u"#DIV/0!");
    EXPECT_EQ(calls, 0);
}

TEST_F(CustomFunctionTest, AFailingCallbackIsTheCellsError) {
    sheet.addCustomFunction(u"FAILS", 0, 1, [](SSValueRecord&, SSValueRecord*, std::int16_t) { return false; }, 0);
    sheet.setFormula(1, 1, u"FAILS(\"x\")");
    EXPECT_EQ(sheet.valueText(1, 1), u"#VALUE!");
    sheet.setFormula(1, 2, u"IFERROR(FAILS(),\"caught\")");
    EXPECT_EQ(sheet.valueText(1, 2), u"caught");
}

TEST_F(CustomFunctionTest, NoValueLeavesTheCellBlank) {
    sheet.addCustomFunction(u"NOTHING", 0, 0, [](SSValueRecord& r, SSValueRecord*, std::int16_t) {
        r.status = SSStatusNoValue;
        r.type = SSTypeLong;
        return true;
    }, 0);
    sheet.setFormula(1, 1, u"NOTHING()");
    EXPECT_EQ(sheet.valueText(1, 1), u"");
}

TEST_F(CustomFunctionTest, WrongArgumentCountsAreErrors) {
    sheet.addCustomFunction(u"TWO", 2, 2, [](SSValueRecord&, SSValueRecord*, std::int16_t) { return true; }, 0);
    sheet.setFormula(1, 1, u"TWO(1)");
    EXPECT_EQ(sheet.valueText(1, 1), u"#VALUE!");
    EXPECT_FALSE(sheet.addCustomFunction(u"BAD", 3, 2, [](SSValueRecord&, SSValueRecord*, std::int16_t) { return true; }, 0));
    EXPECT_FALSE(sheet.addCustomFunction(u"", 0, 2, [](SSValueRecord&, SSValueRecord*, std::int16_t) { return true; }, 0));
}

TEST_F(CustomFunctionTest, RegisteringAgainReplacesTheFunction) {
    auto constant = [](int n) {
        return [n](SSValueRecord& r, SSValueRecord*, std::int16_t) {
            r.status = SSStatusValid;
            r.type = SSTypeLong;
            r.lValue = n;
            return true;
        };
    };
    sheet.addCustomFunction(u"K", 0, 0, constant(1), 0);
    sheet.setFormula(1, 1, u"K()");
    EXPECT_EQ(sheet.valueText(1, 1), u"1");
    sheet.addCustomFunction(u"k", 0, 0, constant(2), 0);
    EXPECT_EQ(sheet.valueText(1, 1), u"2");
}

TEST_F(CustomFunctionTest, AFunctionRegisteredAfterTheFormulaWorksFromThen) {
    sheet.setFormula(1, 1, u"LATER(2)*10");
    sheet.setFormula(1, 2, u"A1+1");
    EXPECT_EQ(sheet.valueText(1, 1), u"#NAME?");
    EXPECT_EQ(sheet.valueText(1, 2), u"#NAME?");
    sheet.addCustomFunction(u"LATER", 1, 1, [](SSValueRecord& r, SSValueRecord* args, std::int16_t) {
        r.status = SSStatusValid;
        r.type = SSTypeDouble;
        r.dValue = args[0].dValue;
        return true;
    }, 0);
    EXPECT_EQ(sheet.valueText(1, 1), u"20");
    EXPECT_EQ(sheet.valueText(1, 2), u"21");
}

TEST_F(CustomFunctionTest, ACallbackMayWriteIntoTheSheetBeingCalculated) {
    sheet.addCustomFunction(u"WRITE", 0, 0, [this](SSValueRecord& r, SSValueRecord*, std::int16_t) {
        sheet.setData(5, 5, u"99");
        r.status = SSStatusValid;
        r.type = SSTypeLong;
        r.lValue = 1;
        return true;
    }, 0);
    sheet.setFormula(6, 5, u"E5*2");
    sheet.setFormula(1, 1, u"WRITE()");
    EXPECT_EQ(sheet.valueText(1, 1), u"1");
    EXPECT_EQ(sheet.valueText(5, 5), u"99");
    EXPECT_EQ(sheet.valueText(6, 5), u"198");
}

TEST_F(CustomFunctionTest, ACallbackMayCalculateAnotherSheet) {
    Sheet table;
    table.setMaxCols(2);
    table.setMaxRows(2);
    table.setSwitch(kSwitchAutoCalc, false);
    table.setData(1, 1, u"6");
    sheet.addCustomFunction(u"FROMOTHER", 1, 1, [&table](SSValueRecord& r, SSValueRecord* args, std::int16_t) {
        table.setFormula(2, 1, u"A1*" + std::u16string(1, char16_t(u'0' + int(args[0].dValue))));
        r.status = SSStatusValid;
        r.type = SSTypeDouble;
        table.recalcCell(2, 1);
        table.numberValue(2, 1, r.dValue);
        return true;
    }, 0);
    sheet.setFormula(1, 1, u"FROMOTHER(7)");
    EXPECT_EQ(sheet.valueText(1, 1), u"42");
}

TEST_F(CustomFunctionTest, AnUnallocatableArgumentReportsReallocateFailed) {
    bool sawUnreadable = false;
    sheet.addCustomFunction(u"TXT", 1, 1, [&](SSValueRecord& r, SSValueRecord* args, std::int16_t) {
        sawUnreadable = args[0].status == SSStatusUnreadable;
        r.status = SSStatusNoValue;
        return true;
    }, 0);
    GlobalMemory::injectFailures(1);
    sheet.setFormula(1, 1, u"TXT(\"hello\")");
    EXPECT_TRUE(sawUnreadable);
    EXPECT_EQ(messages, u"Reallocate failed\n");
}

TEST_F(CustomFunctionTest, ArgumentBlocksTheCallbackDidNotFreeAreFreed) {
    const auto before = GlobalMemory::liveBlocks();
    sheet.addCustomFunction(u"IGNORE", 1, 1, [](SSValueRecord& r, SSValueRecord*, std::int16_t) {
        r.status = SSStatusNoValue;
        return true;
    }, 0);
    sheet.setFormula(1, 1, u"IGNORE(\"text\")");
    EXPECT_EQ(GlobalMemory::liveBlocks(), before);
}

TEST_F(CustomFunctionTest, ThePlainCallbackPointerFormIsAccepted) {
    SSCustomFunctionProc proc = [](SSValueRecord* r, SSValueRecord* args, std::int16_t count) -> int {
        r->status = SSStatusValid;
        r->type = SSTypeDouble;
        r->dValue = count == 2 ? args[0].dValue + args[1].dValue : 0;
        return 1;
    };
    EXPECT_TRUE(sheet.addCustomFunction(u"ROUNDTO", 2, 2, proc, 0));
    EXPECT_TRUE(sheet.hasCustomFunction(u"roundto"));
    sheet.setFormula(1, 1, u"ROUNDTO(1,2)");
    EXPECT_EQ(sheet.valueText(1, 1), u"3");
}

TEST_F(CustomFunctionTest, LazyFunctionsNeverComputeTheArgumentsTheyDoNotNeed) {
    int calls = 0;
    sheet.addCustomFunction(u"COUNTED", 0, 0, [&](SSValueRecord& r, SSValueRecord*, std::int16_t) {
        ++calls;
        r.status = SSStatusValid;
        r.type = SSTypeLong;
        r.lValue = 1;
        return true;
    }, 0);
    const char16_t* lazy[] = {u"IF(FALSE,COUNTED(),1)", u"IF(TRUE,1,COUNTED())", u"AND(FALSE,COUNTED())",
                              u"OR(TRUE,COUNTED())",    u"IFERROR(1,COUNTED())", u"CHOOSE(1,1,COUNTED())"};
    for (const char16_t* f : lazy) {
        ASSERT_TRUE(sheet.setFormula(1, 1, f));
    }
    EXPECT_EQ(calls, 0);
    sheet.setFormula(1, 2, u"IF(TRUE,COUNTED(),0)+CHOOSE(2,0,COUNTED())+IFERROR(1/0,COUNTED())");
    EXPECT_EQ(sheet.valueText(1, 2), u"3");
    EXPECT_EQ(calls, 3);
}

namespace {

int gPlainCalls = 0;
int plainOne(SSValueRecord* r, SSValueRecord*, std::int16_t) {
    ++gPlainCalls;
    r->status = SSStatusValid;
    r->type = SSTypeLong;
    r->lValue = 1;
    return 1;
}
int plainTwo(SSValueRecord* r, SSValueRecord*, std::int16_t) {
    r->status = SSStatusValid;
    r->type = SSTypeLong;
    r->lValue = 2;
    return 1;
}

} // namespace

// A program registers its functions before every calculation: the same function again changes nothing but
// still brings its callers up to date; another function, other limits or a bad name are what they always were.
TEST_F(CustomFunctionTest, RegisteringTheSameFunctionAgainKeepsItAndRefreshesItsCallers) {
    ASSERT_TRUE(sheet.addCustomFunction(u"PLAIN", 0, 1, plainOne, 0));
    ASSERT_TRUE(sheet.setFormula(1, 1, u"PLAIN()"));
    sheet.setSwitch(kSwitchAutoCalc, true);
    gPlainCalls = 0;
    EXPECT_TRUE(sheet.addCustomFunction(u"plain", 0, 1, plainOne, 0));
    EXPECT_EQ(gPlainCalls, 1);   // its caller was calculated again
    EXPECT_EQ(sheet.valueText(1, 1), u"1");

    EXPECT_TRUE(sheet.addCustomFunction(u"PLAIN", 0, 1, plainTwo, 0));
    EXPECT_EQ(sheet.valueText(1, 1), u"2");
    EXPECT_TRUE(sheet.addCustomFunction(u"PLAIN", 1, 1, plainTwo, 0));
    EXPECT_EQ(sheet.valueText(1, 1), u"#VALUE!");   // now needs an argument
    EXPECT_FALSE(sheet.addCustomFunction(u"PLAIN", 2, 1, plainTwo, 0));
    EXPECT_FALSE(sheet.addCustomFunction(u"PLA IN", 1, 1, plainTwo, 0));
}
