#include "nuvo/crtNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(ReadDouble, TakesTheLeadingNumber) {
    EXPECT_EQ(_wtof(u"12abc"), 12.0);
    EXPECT_EQ(_wtof(u"  3.5mm"), 3.5);
    EXPECT_EQ(_wtof(u"1e3x"), 1000.0);
    EXPECT_EQ(_wtof(u"1e"), 1.0);        // an exponent without digits is not part of the number
    EXPECT_EQ(_wtof(u"2.5e-1"), 0.25);
}

TEST(ReadDouble, GivesZeroWhereThereIsNoNumber) {
    EXPECT_EQ(_wtof(u""), 0.0);
    EXPECT_EQ(_wtof(nullptr), 0.0);
    EXPECT_EQ(_wtof(u"abc"), 0.0);
    EXPECT_EQ(_wtof(u"."), 0.0);
    EXPECT_EQ(_wtof(u"-"), 0.0);
}

TEST(ReadDouble, AcceptsAFractionWithoutIntegerPart) {
    EXPECT_EQ(_wtof(u"-.5"), -0.5);
    EXPECT_EQ(_wtof(u"+.25"), 0.25);
    EXPECT_EQ(_wtof(u"5."), 5.0);
}

TEST(ReadDouble, SaturatesOutOfRangeValues) {
    EXPECT_TRUE(std::isinf(_wtof(u"1e999")));
    EXPECT_EQ(_wtof(u"-1e999"), -HUGE_VAL);
    EXPECT_EQ(_wtof(u"1e-999"), 0.0);
}

TEST(ReadInt, TakesTheLeadingIntegerAndClamps) {
    EXPECT_EQ(_wtoi(u"42abc"), 42);
    EXPECT_EQ(_wtoi(u" -17"), -17);
    EXPECT_EQ(_wtoi(u"3.9"), 3);
    EXPECT_EQ(_wtoi(u""), 0);
    EXPECT_EQ(_wtoi(u"x1"), 0);
    EXPECT_EQ(_wtoi(u"99999999999"), INT_MAX);
    EXPECT_EQ(_wtoi(u"-2147483648"), INT_MIN);
    EXPECT_EQ(_wtoi(u"-99999999999"), INT_MIN);
    EXPECT_EQ(_wtol(u"123456"), 123456L);
}

TEST(WriteInt, WritesInTheGivenRadix) {
    char16_t buffer[40];
    EXPECT_EQ(std::u16string(_itow(-1234, buffer, 10)), u"-1234");
    EXPECT_EQ(std::u16string(_itow(255, buffer, 16)), u"ff");
    EXPECT_EQ(std::u16string(_itow(-1, buffer, 16)), u"ffffffff");
    EXPECT_EQ(std::u16string(_itow(INT_MIN, buffer, 10)), u"-2147483648");
    EXPECT_EQ(std::u16string(_itow(5, buffer, 1)), u"");
}
