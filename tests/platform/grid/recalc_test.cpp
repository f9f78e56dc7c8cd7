#include <gtest/gtest.h>

#include "grid/Sheet.h"

using namespace grid;

namespace {

std::u16string u(const std::string& s) { return std::u16string(s.begin(), s.end()); }

struct RecalcTest : ::testing::Test {
    RecalcTest() {
        sheet.setMaxCols(10);
        sheet.setMaxRows(1000);
    }
    Sheet sheet;
};

} // namespace

TEST_F(RecalcTest, AnEditRecalculatesOnlyTheCellsThatDependOnIt) {
    // Two independent columns of 100 formulas each; an edit in one touches only its own chain's tail.
    sheet.setData(1, 1, u"1");
    sheet.setData(3, 1, u"1");
    for (int r = 2; r <= 100; ++r) {
        sheet.setFormula(1, r, u("A" + std::to_string(r - 1) + "+1"));
        sheet.setFormula(3, r, u("C" + std::to_string(r - 1) + "*1"));
    }
    const auto before = sheet.evaluationCount();
    sheet.setData(1, 50, u"1000");   // replaces the formula of A50: A51..A100 depend on it
    EXPECT_EQ(sheet.evaluationCount() - before, 50u);
    EXPECT_EQ(sheet.valueText(1, 100), u"1050");
    const auto before2 = sheet.evaluationCount();
    sheet.setData(5, 5, u"7");   // read by nothing
    EXPECT_EQ(sheet.evaluationCount(), before2);
}

TEST_F(RecalcTest, ARangeReaderIsRecalculatedWhenACellOfItsRangeChanges) {
    sheet.setFormula(2, 1, u"SUM(A1:A500)");
    sheet.setFormula(2, 2, u"SUM(A600:A700)");
    const auto before = sheet.evaluationCount();
    sheet.setData(1, 250, u"5");
    EXPECT_EQ(sheet.evaluationCount() - before, 1u);
    EXPECT_EQ(sheet.valueText(2, 1), u"5");
}

TEST_F(RecalcTest, SettingAFormulaComputesItAndThenItsReaders) {
    sheet.setFormula(2, 1, u"A1*2");
    sheet.setFormula(3, 1, u"B1+1");
    const auto before = sheet.evaluationCount();
    sheet.setFormula(1, 1, u"21");
    EXPECT_EQ(sheet.evaluationCount() - before, 3u);
    EXPECT_EQ(sheet.valueText(3, 1), u"43");
}

TEST_F(RecalcTest, WithoutAutomaticCalculationOnlyTheSetFormulaIsComputed) {
    sheet.setSwitch(kSwitchAutoCalc, false);
    sheet.setData(1, 1, u"2");
    sheet.setFormula(2, 1, u"A1*10");
    sheet.setFormula(3, 1, u"B1+1");
    EXPECT_EQ(sheet.valueText(3, 1), u"21");
    sheet.setData(1, 1, u"3");
    EXPECT_EQ(sheet.valueText(2, 1), u"20");
    EXPECT_EQ(sheet.valueText(3, 1), u"21");
    // Recalculating one cell brings the cells it reads up to date first.
    EXPECT_TRUE(sheet.recalcCell(3, 1));
    EXPECT_EQ(sheet.valueText(2, 1), u"30");
    EXPECT_EQ(sheet.valueText(3, 1), u"31");
    sheet.setData(1, 1, u"4");
    sheet.setSwitch(kSwitchAutoCalc, true);   // switching back on catches up
    EXPECT_EQ(sheet.valueText(3, 1), u"41");
}

TEST_F(RecalcTest, EveryCellOfALoopGetsTheCircularError) {
    sheet.setFormula(1, 1, u"B1+1");
    sheet.setFormula(2, 1, u"C1+1");
    sheet.setFormula(4, 1, u"A1*2");   // reads the loop, is not part of it
    sheet.setFormula(3, 1, u"IF(TRUE,A1,0)");
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(sheet.valueText(c, 1), u"#CIRC!");
    EXPECT_EQ(sheet.valueText(4, 1), u"#CIRC!");
    // Breaking the loop recovers every cell.
    sheet.setFormula(3, 1, u"1");
    EXPECT_EQ(sheet.valueText(1, 1), u"3");
    EXPECT_EQ(sheet.valueText(4, 1), u"6");
}

TEST_F(RecalcTest, TwoLoopsSharingACellAreBothCircular) {
    // A1 -> B1 -> A1 and A1 -> C1 -> D1 -> A1: one strongly connected group of four cells.
    sheet.setFormula(2, 1, u"A1");
    sheet.setFormula(3, 1, u"D1");
    sheet.setFormula(4, 1, u"A1");
    sheet.setFormula(1, 1, u"B1+C1");
    for (int c = 1; c <= 4; ++c)
        EXPECT_EQ(sheet.valueText(c, 1), u"#CIRC!") << c;
}

TEST_F(RecalcTest, ALoopThroughARangeIsFound) {
    sheet.setFormula(1, 5, u"SUM(A1:A10)");
    EXPECT_EQ(sheet.valueText(1, 5), u"#CIRC!");
}

TEST_F(RecalcTest, AMillionLinkChainCalculatesOnTheDefaultStack) {
    Sheet big;
    big.setMaxCols(2);
    big.setMaxRows(1000000);
    big.setSwitch(kSwitchAutoCalc, false);
    big.setData(1, 1, u"0");
    big.setFormula(1, 2, u"A1+1");
    // Filled down by copying ever larger blocks, the way a user would, instead of a million parses.
    for (int filled = 1; filled < 999999;) {
        const int count = std::min(filled, 999999 - filled);
        ASSERT_TRUE(big.copyBlock(Block{1, 2, 1, 1 + count}, 1, 2 + filled));
        filled += count;
    }
    EXPECT_EQ(big.formula(1, 1000000), u"A999999+1");
    EXPECT_EQ(big.valueText(1, 1000000), u"999999");
    // One edit at the head, automatic calculation on: the whole chain follows.
    big.setSwitch(kSwitchAutoCalc, true);
    const auto before = big.evaluationCount();
    big.setData(1, 1, u"1");
    EXPECT_EQ(big.evaluationCount() - before, 999999u);
    EXPECT_EQ(big.valueText(1, 1000000), u"1000000");
}

TEST_F(RecalcTest, FullRecalculationComputesEveryFormulaOnce) {
    for (int r = 1; r <= 10; ++r)
        sheet.setFormula(2, r, u("A" + std::to_string(r) + "+1"));
    const auto before = sheet.evaluationCount();
    sheet.recalcAll();
    EXPECT_EQ(sheet.evaluationCount() - before, 10u);
}

TEST_F(RecalcTest, MovedFormulasKeepReadingTheSameCells) {
    sheet.setData(1, 1, u"3");
    sheet.setFormula(2, 1, u"A1*2");
    sheet.setFormula(3, 1, u"B1+1");
    ASSERT_TRUE(sheet.moveBlock(Block{2, 1, 2, 1}, 5, 8));
    EXPECT_EQ(sheet.formula(5, 8), u"A1*2");
    EXPECT_EQ(sheet.formula(3, 1), u"E8+1");
    sheet.setData(1, 1, u"4");
    EXPECT_EQ(sheet.valueText(3, 1), u"9");
    EXPECT_EQ(sheet.valueText(2, 1), u"");
}

TEST_F(RecalcTest, DeletingAColumnInsideARangeShrinksIt) {
    for (int c = 1; c <= 4; ++c)
        sheet.setData(c, 1, u"1");
    sheet.setFormula(6, 1, u"SUM(A1:D1)");
    ASSERT_TRUE(sheet.deleteCols(2, 2));
    EXPECT_EQ(sheet.formula(4, 1), u"SUM(A1:B1)");
    EXPECT_EQ(sheet.valueText(4, 1), u"2");
    ASSERT_TRUE(sheet.insertCols(2, 1));
    EXPECT_EQ(sheet.formula(5, 1), u"SUM(A1:C1)");
}

TEST_F(RecalcTest, StructureCannotChangeWhileACustomFunctionRuns) {
    bool refused = false;
    sheet.addCustomFunction(u"MEDDLE", 0, 0, [&](SSValueRecord& r, SSValueRecord*, std::int16_t) {
        refused = !sheet.insertRows(1, 1) && !sheet.deleteCols(1, 1) && !sheet.recalcCell(1, 1);
        r.status = SSStatusNoValue;
        return true;
    }, 0);
    sheet.setFormula(2, 2, u"MEDDLE()");
    EXPECT_TRUE(refused);
}

TEST_F(RecalcTest, ReadersOfLargeBlocksFollowEditsAnywhereInThem) {
    sheet.setFormula(5, 1, u"SUM(A1:C1000)");   // too large to file under its rows: kept on the wide list
    sheet.setFormula(6, 1, u"E1*2");
    sheet.setData(2, 777, u"4");
    EXPECT_EQ(sheet.valueText(6, 1), u"8");
    sheet.setFormula(5, 1, u"1");               // replacing the formula forgets its old block
    const auto before = sheet.evaluationCount();
    sheet.setData(2, 778, u"4");
    EXPECT_EQ(sheet.evaluationCount(), before);
}
