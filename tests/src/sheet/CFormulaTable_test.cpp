// "FROMTABLE": look-ups in other sheet files, each in a formula window of its own, and the limits that keep a
// chain of look-ups from running for ever.
#include "formulaTestSupport.h"

#include "grid/GlobalMemory.h"
#include "ui/Robot.h"

namespace {

using formulatest::CellLine;
using FromTable = formulatest::FormulaTest;

constexpr const char* kSizes = "\"t:\\sizes.sss\"";

std::string fromTable(const std::string& arguments) { return std::string("FROMTABLE(") + kSizes + "," + arguments + ")"; }

// ---------------------------------------------------------------- the four-argument look-up

TEST_F(FromTable, TheFirstRowWithTheKeyGivesTheValueOfTheResultColumn) {
    const std::u16string path = writeSheet("caller.sss", 3, 1,
                                           {{1, 1, "formula", fromTable("\"Size\",\"Width\",\"IPE-200\"")},
                                            {2, 1, "formula", fromTable("\"Size\",\"Mass\",\"IPE-200\"")},
                                            {3, 1, "formula", fromTable("\"Size\",\"Note\",\"IPE-200\"")}});
    ui::Script script;
    expectLookups(script, 3);
    runSingleCell(script, path, [](CFormula& window) {
        EXPECT_EQ(value(window, 1, 1).numberValue(), 100);   // not 999 from the second IPE-200
        EXPECT_DOUBLE_EQ(value(window, 2, 1).numberValue(), 22.4);
        EXPECT_EQ(value(window, 3, 1).textValue(), u"light");
    });
    ASSERT_EQ(m_lookedUp.size(), 3u);
    EXPECT_EQ(m_lookedUp[0], u"t:\\sizes.sss");
    // Each type of cell gives its own type of result.
    EXPECT_NE(printed().find("Result is long: 100\n"), std::string::npos);
    EXPECT_NE(printed().find("Result is double: 22.400000\n"), std::string::npos);
    EXPECT_NE(printed().find("Result is string: light\n"), std::string::npos);
}

TEST_F(FromTable, HeaderNamesAndKeysIgnoreCaseButMustMatchWhole) {
    const std::u16string path = writeSheet("caller.sss", 3, 1,
                                           {{1, 1, "formula", fromTable("\"SIZE\",\"width\",\"ipe-240\"")},
                                            {2, 1, "formula", fromTable("\"Siz\",\"Width\",\"IPE-240\"")},
                                            {3, 1, "formula", fromTable("\"Size\",\"Width\",\"IPE-24\"")}});
    ui::Script script;
    expectLookups(script, 3);
    runSingleCell(script, path, [](CFormula& window) {
        EXPECT_EQ(value(window, 1, 1).numberValue(), 120);
        EXPECT_TRUE(value(window, 2, 1).isEmpty());
        EXPECT_TRUE(value(window, 3, 1).isEmpty());
    });
}

TEST_F(FromTable, ArgumentsMayBeNumbersOrCellsOfTheCallingSheet) {
    const std::u16string path = writeSheet("caller.sss", 4, 1,
                                           {{1, 1, "formula", fromTable("\"Size\",\"Note\",B1")},
                                            {2, 1, "text", "hea-100"},
                                            {3, 1, "formula", fromTable("\"Width\",\"Size\",120")},
                                            {4, 1, "formula", fromTable("\"Width\",\"Size\",B1:B2")}});
    ui::Script script;
    expectLookups(script, 3);
    runSingleCell(script, path, [](CFormula& window) {
        EXPECT_EQ(value(window, 1, 1).textValue(), u"wide");
        EXPECT_EQ(value(window, 3, 1).textValue(), u"IPE-240");
        EXPECT_TRUE(value(window, 4, 1).isEmpty());   // a range stands for no key
    });
}

// ---------------------------------------------------------------- the two- and three-argument forms

TEST_F(FromTable, ACellReferenceNamesTheCellOfTheTable) {
    const std::u16string path = writeSheet("caller.sss", 2, 1, {{1, 1, "formula", fromTable("C2")},
                                                                {2, 1, "formula", fromTable("D4")}});
    ui::Script script;
    expectLookups(script, 2);
    runSingleCell(script, path, [](CFormula& window) {
        EXPECT_DOUBLE_EQ(value(window, 1, 1).numberValue(), 30.7);
        EXPECT_EQ(value(window, 2, 1).textValue(), u"wide");
    });
}

TEST_F(FromTable, AStringSecondArgumentGivesNoValue) {
    const std::u16string path = writeSheet("caller.sss", 1, 1, {{1, 1, "formula", fromTable("\"C2\"")}});
    ui::Script script;
    expectLookups(script, 1);
    runSingleCell(script, path, [](CFormula& window) { EXPECT_TRUE(value(window, 1, 1).isEmpty()); });
    EXPECT_EQ(printed().find("Result is"), std::string::npos);
}

TEST_F(FromTable, TheThreeArgumentFormWritesTheTextIntoTheCallingSheet) {
    const std::u16string path = writeSheet("caller.sss", 3, 5, {{1, 1, "formula", fromTable("D2,C5")}});
    ui::Script script;
    // The formula reads the cell it writes, so the grid calculates it once more: the window remembers what the
    // look-up did and does it again without looking the table up a second time.
    expectLookups(script, 1);
    runSingleCell(script, path, [](CFormula& window) {
        EXPECT_EQ(data(window, 3, 5), u"medium");
        EXPECT_TRUE(value(window, 1, 1).isEmpty());
    });
}

TEST_F(FromTable, RecalculateLooksUpAgainForTheWindowsOwnSheet) {
    const std::u16string path = writeSheet("caller.sss", 3, 5, {{1, 1, "formula", fromTable("D2,C5")}});
    ui::Script script;
    expectLookups(script, 1);
    runSingleCell(script, path, [&](CFormula& window) {
        window.grid().ssSetData(3, 5, u"");
        expectLookups(script, 1);
        ui::Robot().click(window, IDC_FORMULA_RECALC);
        EXPECT_EQ(data(window, 3, 5), u"medium");
    });
    EXPECT_EQ(m_lookedUp.size(), 2u);
}

TEST_F(FromTable, ASheetLoadedWithTheLoadButtonLooksUpToo) {
    const std::u16string path = writeSheet("caller.sss", 1, 1, {{1, 1, "formula", fromTable("B2")}});
    ui::Script script;
    runSingleCell(script, u"", [&](CFormula& window) {
        expectLookups(script, 1);
        ui::Robot robot;
        robot.replaceTextOf(window, IDC_FORMULA_FILE, path);
        robot.click(window, IDC_FORMULA_LOAD);
        EXPECT_EQ(value(window, 1, 1).numberValue(), 120);
    });
}

TEST_F(FromTable, AMissingTableGivesNoValue) {
    const std::u16string path = writeSheet(
        "caller.sss", 1, 1, {{1, 1, "formula", "FROMTABLE(\"t:\\missing.sss\",\"Size\",\"Width\",\"IPE-200\")"}});
    ui::Script script;
    expectLookups(script, 1);
    runSingleCell(script, path, [](CFormula& window) { EXPECT_TRUE(value(window, 1, 1).isEmpty()); });
}

TEST_F(FromTable, EveryEvaluationOfALookUpPrintsItsResultAlsoWhenAnsweredFromMemory) {
    // caller A1 looks up masses.sss, whose target cell looks up sizes.sss. Each window recalculates its cell
    // (the caller's A1, the table's target) after the load; the look-ups it makes again are answered from what
    // the load remembered, without a window, and print their result lines as the first ones did.
    const std::u16string path = writeSheet(
        "caller.sss", 1, 1, {{1, 1, "formula", "FROMTABLE(\"t:\\masses.sss\",\"profile\",\"MASS\",\"small\")"}});
    std::uint64_t tableEvaluations = 0;
    std::uint64_t loadOnly = 0;
    ui::Script script;
    script.onModal(IDD_FORMULA, [](ui::Dialog& dialog) { dialog.endDialog(ui::IDOK); });   // sizes.sss
    script.onModal(IDD_FORMULA, [&](ui::Dialog& dialog) {                                    // masses.sss
        tableEvaluations = dynamic_cast<CFormula&>(dialog).grid().sheet().evaluationCount();
        dialog.endDialog(ui::IDOK);
    });
    std::uint64_t callerEvaluations = 0;
    runSingleCell(script, path, [&](CFormula& window) {
        EXPECT_DOUBLE_EQ(value(window, 1, 1).numberValue(), 16.7);
        callerEvaluations = window.grid().sheet().evaluationCount();
    });
    EXPECT_EQ(CFormula::openWindows(), 0);
    const std::string out = printed();
    // masses.sss on its own: loaded, not recalculated (its look-up window closed at once).
    {
        ui::Script alone;
        alone.onModal(IDD_FORMULA, [](ui::Dialog& dialog) { dialog.endDialog(ui::IDOK); });
        alone.onModal(IDD_FORMULA, [&](ui::Dialog& dialog) {
            loadOnly = dynamic_cast<CFormula&>(dialog).grid().sheet().evaluationCount();
            dialog.endDialog(ui::IDOK);
        });
        CFormula window;
        window.m_path = u"t:\\masses.sss";
        window.doModal();
    }
    EXPECT_EQ(tableEvaluations, loadOnly + 1) << "the target is recalculated";
    // Both look-ups answer 16.7: one line for each time a formula of either sheet called FROMTABLE.
    std::size_t lines = 0;
    for (std::size_t at = out.find("Result is double: 16.700000\n"); at != std::string::npos;
         at = out.find("Result is double: 16.700000\n", at + 1))
        ++lines;
    EXPECT_GT(callerEvaluations, 1u);
    EXPECT_EQ(lines, tableEvaluations + callerEvaluations) << out;
}

// ---------------------------------------------------------------- nesting and its limits

TEST_F(FromTable, ALookedUpTableMayItselfLookUpAnother) {
    const std::u16string path = writeSheet(
        "caller.sss", 1, 1, {{1, 1, "formula", "FROMTABLE(\"t:\\masses.sss\",\"profile\",\"MASS\",\"small\")"}});
    ui::Script script;
    expectLookups(script, 2);
    runSingleCell(script, path, [](CFormula& window) {
        EXPECT_DOUBLE_EQ(value(window, 1, 1).numberValue(), 16.7);
    });
    ASSERT_EQ(m_lookedUp.size(), 2u);
    EXPECT_EQ(m_lookedUp[0], u"t:\\sizes.sss");    // the inner window closes first
    EXPECT_EQ(m_lookedUp[1], u"t:\\masses.sss");
}

TEST_F(FromTable, ATableThatLooksItselfUpGivesNoValue) {
    ui::Script script;   // no look-up window opens
    runSingleCell(script, u"t:\\self.sss", [](CFormula& window) {
        EXPECT_TRUE(value(window, 1, 1).isEmpty());
        EXPECT_EQ(CFormula::openWindows(), 1);
    });
}

TEST_F(FromTable, TablesThatLookEachOtherUpStopAtTheFirstRepeat) {
    ui::Script script;
    // loop-a opens loop-b, whose look-up of loop-a is refused: loop-b's own cell gets no value, and loop-a
    // gets the number it asked for.
    script.onModal(IDD_FORMULA, [](ui::Dialog& dialog) {
        auto& window = dynamic_cast<CFormula&>(dialog);
        EXPECT_EQ(window.m_path, u"t:\\loop-b.sss");
        EXPECT_TRUE(value(window, 1, 1).isEmpty());
        EXPECT_EQ(CFormula::openWindows(), 2);
        dialog.endDialog(ui::IDOK);
    });
    runSingleCell(script, u"t:\\loop-a.sss", [](CFormula& window) {
        EXPECT_EQ(value(window, 1, 1).numberValue(), 2);
    });
}

TEST_F(FromTable, TheSameTableUnderAnotherSpellingIsStillTheSameTable) {
    ui::Script script;
    // The window holds the table as "t:\self.sss"; its formula names it again in capitals and "/".
    writeSheet("self.sss", 1, 1, {{1, 1, "formula", "FROMTABLE(\"U:/SELF.SSS\",B1)"}});
    runSingleCell(script, u"u:\\self.sss", [](CFormula& window) { EXPECT_TRUE(value(window, 1, 1).isEmpty()); });
}

// chain<i>.sss looks up the "V" of key "x" in chain<i+1>.sss, whose "V" is that look-up again; the last one
// holds 42.
class LookupChain : public formulatest::FormulaTest {
protected:
    std::u16string writeChain(int length) {
        auto name = [](int i) { return "chain" + std::to_string(i) + ".sss"; };
        for (int i = 0; i <= length; ++i) {
            const std::string v = i == length ? "42" : "FROMTABLE(\"u:\\" + name(i + 1) + "\",\"K\",\"V\",\"x\")";
            writeSheet(name(i), 2, 1,
                       {{1, 0, "text", "K"}, {2, 0, "text", "V"}, {1, 1, "text", "x"},
                        {2, 1, i == length ? "number" : "formula", v}});
        }
        return u"u:\\chain0.sss";
    }
};

TEST_F(LookupChain, AChainWithinTheLimitGivesTheValueAtItsEnd) {
    const std::u16string path = writeChain(CFormula::kMaxNesting - 1);
    ui::Script script;
    expectLookups(script, CFormula::kMaxNesting - 1);
    runSingleCell(script, path, [](CFormula& window) { EXPECT_EQ(value(window, 2, 1).numberValue(), 42); });
}

TEST_F(LookupChain, NoMoreThanSixteenWindowsAreOpenAtOnce) {
    const std::u16string path = writeChain(40);
    ui::Script script;
    int deepest = 0;
    for (int i = 0; i < CFormula::kMaxNesting - 1; ++i)
        script.onModal(IDD_FORMULA, [&](ui::Dialog& dialog) {
            deepest = std::max(deepest, CFormula::openWindows());
            dialog.endDialog(ui::IDOK);
        });
    runSingleCell(script, path, [](CFormula& window) {
        EXPECT_FALSE(value(window, 2, 1).isNumber());   // the 42 at the end is never reached
    });
    EXPECT_EQ(deepest, CFormula::kMaxNesting);
    EXPECT_EQ(CFormula::openWindows(), 0);
}

// ---------------------------------------------------------------- the current calculating grid

TEST_F(FromTable, EachWindowCalculatesOnItsOwnGridAndGivesTheCallersBackWhenItCloses) {
    const std::u16string path = writeSheet(
        "caller.sss", 1, 1, {{1, 1, "formula", "FROMTABLE(\"t:\\masses.sss\",\"profile\",\"MASS\",\"small\")"}});
    EXPECT_EQ(CFormula::currentCalcGrid(), nullptr);
    std::vector<std::pair<Ork_Spread*, Ork_Spread*>> lookups;   // each look-up's grid and calling grid
    ui::Script script;
    for (int i = 0; i < 2; ++i)
        script.onModal(IDD_FORMULA, [&](ui::Dialog& dialog) {
            auto& window = dynamic_cast<CFormula&>(dialog);
            EXPECT_EQ(CFormula::currentCalcGrid(), &window.grid());
            lookups.emplace_back(&window.grid(), window.m_callingGrid);
            dialog.endDialog(ui::IDOK);
        });
    Ork_Spread* top = nullptr;
    runSingleCell(script, path, [&](CFormula& window) {
        // The look-ups opened while it loaded have all closed and given its grid back.
        EXPECT_EQ(CFormula::currentCalcGrid(), &window.grid());
        top = &window.grid();
    });
    ASSERT_EQ(lookups.size(), 2u);
    EXPECT_EQ(lookups[0].second, lookups[1].first);   // sizes.sss was looked up from masses.sss
    EXPECT_EQ(lookups[1].second, top);                // masses.sss from the caller
    EXPECT_EQ(CFormula::currentCalcGrid(), nullptr);
}

TEST_F(FromTable, WithoutACalculatingFormulaWindowTheFunctionGivesNoValueAndOpensNothing) {
    ui::Script script;
    SSValueRecord result{};
    SSValueRecord args[2]{};
    args[0].type = SSTypeString;
    args[0].hValue = grid::GlobalMemory::fromText(u"t:\\sizes.sss");
    args[1].type = SSTypeCellRef;
    args[1].cell = {1, 1};
    EXPECT_EQ(CFormula::fromTableFunction(&result, args, 2), 1);
    EXPECT_EQ(result.status, SSStatusNoValue);
    EXPECT_TRUE(script.log().empty());
    grid::GlobalMemory::free(args[0].hValue);
}

} // namespace
