// The choice of a standard size: nearest candidate within the tolerances, else the rounding to the step;
// and the conversion of sheet numbers to integers that the functions rely on.
#include "standards/KvSSValueRecord.h"
#include "standards/KvStdSizes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace KvStdSizes;

namespace {

AcArray<double> values(std::initializer_list<double> list) {
    AcArray<double> out;
    for (double v : list)
        out.append(v);
    return out;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(NearestStandard, TheNearerSideIsTriedFirstAndTiesGoBelow) {
    double r = 0;
    ASSERT_TRUE(nearestStandard(values({10, 12, 16}), 13, 2, 2, r));
    EXPECT_EQ(r, 12);
    ASSERT_TRUE(nearestStandard(values({10, 12, 14}), 13, 2, 2, r));
    EXPECT_EQ(r, 12);
    ASSERT_TRUE(nearestStandard(values({10, 12, 14}), 13, 0.5, 2, r));   // below too far: above after all
    EXPECT_EQ(r, 14);
}

TEST(NearestStandard, NoneWithinTheTolerances) {
    double r = -1;
    EXPECT_FALSE(nearestStandard(values({10, 16}), 13, 1, 1, r));
    EXPECT_FALSE(nearestStandard(values({}), 13, 1, 1, r));
    EXPECT_EQ(r, -1);
}

TEST(NearestStandard, ACandidateOutsideTheOtherToleranceIsRefused) {
    double r = 0;
    // 14 lies within upTol, but a negative downTol raises the lower bound to 15, above it.
    EXPECT_FALSE(nearestStandard(values({14}), 13, -2, 3, r));
    EXPECT_FALSE(nearestStandard(values({12}), 13, 3, -2, r));
}

TEST(NearestStandard, UnreadableCandidatesAreSkipped) {
    double r = 0;
    ASSERT_TRUE(nearestStandard(values({kInf, kNaN, -kInf, 12}), 13, 2, 2, r));
    EXPECT_EQ(r, 12);
    EXPECT_FALSE(nearestStandard(values({12}), kNaN, 2, 2, r));
}

TEST(RoundToStep, TheNearerMultipleWithinTheTolerances) {
    EXPECT_EQ(roundToStep(13.3, 0.5, 1, 1), 13.5);
    EXPECT_EQ(roundToStep(13.2, 0.5, 1, 1), 13.0);
    EXPECT_EQ(roundToStep(13, 0.75, 1, 1), 12.75);
    EXPECT_EQ(roundToStep(13.25, 0.5, 1, 1), 13.0);   // equally near: down first
    EXPECT_EQ(roundToStep(13, 5, -1, 2), 15);         // from 14, the least the tolerances allow
}

TEST(RoundToStep, FallsBackToTheValueHeldWithinTheTolerances) {
    EXPECT_EQ(roundToStep(13, 5, 1, 1), 13);
    EXPECT_EQ(roundToStep(13, 5, 0.5, -0.5), 12.5);
    EXPECT_EQ(roundToStep(13, 5, -1, 1.5), 14);
}

TEST(RoundToStep, AStepOfZeroOrBelowOrNotANumberKeepsTheValue) {
    EXPECT_EQ(roundToStep(13.3, 0, 1, 1), 13.3);
    EXPECT_EQ(roundToStep(13.3, -5, 1, 1), 13.3);
    EXPECT_EQ(roundToStep(13.3, kNaN, 1, 1), 13.3);
    EXPECT_EQ(roundToStep(13.3, kInf, 1, 1), 13.3);
}

TEST(RoundToStep, AStepTooFineForTheValueGivesNoInfinity) {
    const double r = roundToStep(1e300, 1e-300, 1, 1);
    EXPECT_TRUE(std::isfinite(r));
}

TEST(ChooseStandard, NearestFirstThenRounding) {
    EXPECT_EQ(chooseStandard(values({10, 12, 16}), 5, 13, 2, 2), 12);
    EXPECT_EQ(chooseStandard(values({10, 16}), 0.75, 13, 1, 1), 12.75);
}

TEST(Candidates, WidthsOfTheThicknessAndOfAnyThicknessAscending) {
    const std::vector<KvDataFiles::StdSize> sizes = {{150, 12}, {120, 10}, {200, 0}, {100, 10}};
    const AcArray<double> w10 = widthCandidates(sizes, 10);
    ASSERT_EQ(w10.length(), 3);
    EXPECT_EQ(w10[0], 100);
    EXPECT_EQ(w10[1], 120);
    EXPECT_EQ(w10[2], 200);
    const AcArray<double> w12 = widthCandidates(sizes, 12);
    ASSERT_EQ(w12.length(), 2);
    EXPECT_EQ(w12[0], 150);
    EXPECT_EQ(thicknessCandidates(sizes).length(), 4);
    EXPECT_EQ(sizeCandidates(sizes)[0], 150);
}

TEST(SheetIntegers, TruncatedTowardZeroAndHeldToTheIntRange) {
    int n = 0;
    ASSERT_TRUE(KvSSValueRecord::truncateToInt(2.9, n));
    EXPECT_EQ(n, 2);
    ASSERT_TRUE(KvSSValueRecord::truncateToInt(-2.9, n));
    EXPECT_EQ(n, -2);
    ASSERT_TRUE(KvSSValueRecord::truncateToInt(1e300, n));
    EXPECT_EQ(n, std::numeric_limits<int>::max());
    ASSERT_TRUE(KvSSValueRecord::truncateToInt(-kInf, n));
    EXPECT_EQ(n, std::numeric_limits<int>::min());
    ASSERT_TRUE(KvSSValueRecord::truncateToInt(2147483647.5, n));
    EXPECT_EQ(n, std::numeric_limits<int>::max());
    n = 7;
    EXPECT_FALSE(KvSSValueRecord::truncateToInt(kNaN, n));
    EXPECT_EQ(n, 7);
}

} // namespace
