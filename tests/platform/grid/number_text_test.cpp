#include "grid/Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

// How a number reads everywhere a sheet shows it: as "%.15g" prints it, with "E" and at least two exponent
// digits. Built here from printf itself.
std::u16string asPrintf(double n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", n);
    std::string s(buf);
    if (const std::size_t e = s.find('e'); e != std::string::npos)
        s[e] = 'E';
    return std::u16string(s.begin(), s.end());
}

} // namespace

TEST(NumberFormatting, ReadsAsPrintfWritesFifteenDigits) {
    for (const double n : {1.0, -1.0, 200.0, 0.5, 212.5, 0.1, 0.3, 1.0 / 3, 2.0 / 3, 123456789012345.0,
                           1e15, 1e16, 999999999999999.0, 9999999999999995.0, 0.0001, 0.00001, 1.5e-5, 1e20,
                           -1e-300, 5e-324, 1.7976931348623157e308, 0.1 + 0.2, 1e14 + 0.5, 99.99999999999999,
                           9.999999999999999e22, 4.35, 1234.5678})
        EXPECT_EQ(grid::formatNumber(n), asPrintf(n)) << n;
    EXPECT_EQ(grid::formatNumber(0.0), u"0");
    EXPECT_EQ(grid::formatNumber(-0.0), u"0");
}

// Numbers of every size and digit count, integers among them: the text built from the shortest digits must be
// the one rounding to fifteen digits gives.
TEST(NumberFormatting, AgreesWithPrintfOnRandomNumbers) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> digits(0, 17);
    for (int i = 0; i < 200000; ++i) {
        double n = mantissa(random) * std::pow(10.0, exponent(random));
        if (i % 3 == 0)   // a few decimals only, as entered values have
            n = std::round(n * std::pow(10.0, digits(random) - 8)) / std::pow(10.0, digits(random) - 8);
        if (n == 0 || !std::isfinite(n))
            continue;
        ASSERT_EQ(grid::formatNumber(n), asPrintf(n)) << std::hexfloat << n;
    }
}
