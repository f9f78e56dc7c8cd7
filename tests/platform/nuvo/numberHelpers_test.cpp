#include "nuvo/numberHelpers.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RoundTo, GoesToTheNearestMultiple) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(13.0, 5.0), 15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.0, 5.0), 10.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(15.0, 5.0), 15.0);   // on the step
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-13.0, 5.0), -15.0);
}

TEST(RoundTo, RoundsHalvesAwayFromZeroDespiteBinaryFractions) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(12.5, 5.0), 15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(-12.5, 5.0), -15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(0.15, 0.1), 0.2);    // 0.15 / 0.1 = 1.4999999999999998
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(0.14, 0.1), 0.1);
}

TEST(RoundTo, AStepOfZeroOrLessReturnsTheValue) {
    EXPECT_EQ(ObjectExportRoundTo(7.3, 0.0), 7.3);
    EXPECT_EQ(ObjectExportRoundTo(7.3, -2.0), 7.3);
    EXPECT_EQ(ObjectExportRoundTo(7.3, std::nan("")), 7.3);
}

TEST(RoundUp, GivesTheSmallestMultipleNotBelow) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(11.0, 5.0, 0.0), 15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(10.0001, 5.0, 0.0), 15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(-11.0, 5.0, 0.0), -10.0);
}

TEST(RoundUp, AValueOnTheStepStaysAlsoWithBinaryNoise) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(15.0, 5.0, 0.0), 15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(0.1 + 0.2, 0.1, 0.0), 0.30000000000000004);   // 3 steps, not 4
    EXPECT_NEAR(ObjectExportRoundUp(0.7, 0.1, 0.0), 0.7, 1e-12);
}

TEST(RoundUp, TheToleranceDoesNotMoveTheResult) {
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(11.0, 5.0, 2.0), 15.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(11.0, 5.0, 100.0), 15.0);
}

TEST(RoundUp, AStepOfZeroOrLessReturnsTheValue) {
    EXPECT_EQ(ObjectExportRoundUp(7.3, 0.0, 1.0), 7.3);
    EXPECT_EQ(ObjectExportRoundUp(7.3, -1.0, 1.0), 7.3);
}

TEST(Sort, AscendingStableWithCarriedIndexes) {
    AcArray<double> values{16, 10, 12, 10};
    AcArray<int> indexes;
    ObjectExportSort(values, indexes);
    EXPECT_EQ(values, (AcArray<double>{10, 10, 12, 16}));
    EXPECT_EQ(indexes, (AcArray<int>{1, 3, 2, 0}));   // equal values keep their order
}

TEST(Sort, PermutesGivenIndexesAndPutsNotANumberLast) {
    AcArray<double> values{3, std::nan(""), 1};
    AcArray<int> indexes{30, 99, 10};
    ObjectExportSort(values, indexes);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 3);
    EXPECT_TRUE(std::isnan(values[2]));
    EXPECT_EQ(indexes, (AcArray<int>{10, 30, 99}));
}
