#include "nuvo/crtNumbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

const char16_t* skipSpace(const char16_t* p) {
    while (*p && isSpace(*p))
        ++p;
    return p;
}

template <typename T>
T readInteger(const char16_t* text) {
    if (!text)
        return 0;
    const char16_t* p = skipSpace(text);
    bool negative = false;
    if (*p == u'+' || *p == u'-')
        negative = *p++ == u'-';
    // Accumulate negatively so that the most negative value is reachable without overflow.
    T value = 0;
    bool clamped = false;
    for (; isDigit(*p); ++p) {
        const int digit = *p - u'0';
        if (!clamped) {
            if (value < (std::numeric_limits<T>::min() + digit) / 10) {
                clamped = true;
            } else {
                value = static_cast<T>(value * 10 - digit);
            }
        }
    }
    if (clamped)
        return negative ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
    if (negative)
        return value;
    return value == std::numeric_limits<T>::min() ? std::numeric_limits<T>::max() : static_cast<T>(-value);
}

} // namespace

int _wtoi(const char16_t* text) { return readInteger<int>(text); }

long _wtol(const char16_t* text) { return readInteger<long>(text); }

double _wtof(const char16_t* text) {
    if (!text)
        return 0;
    const char16_t* p = skipSpace(text);
    bool negative = false;
    if (*p == u'+' || *p == u'-')
        negative = *p++ == u'-';
    std::string number;
    long long intDigits = 0;        // significant digits before the point, for judging an overflow
    bool seenNonZero = false;
    bool anyDigit = false;
    for (; isDigit(*p); ++p) {
        number += static_cast<char>(*p);
        anyDigit = true;
        seenNonZero = seenNonZero || *p != u'0';
        if (seenNonZero)
            ++intDigits;
    }
    if (*p == u'.') {
        ++p;
        number += '.';
        for (; isDigit(*p); ++p) {
            number += static_cast<char>(*p);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0;
    long long exponent = 0;
    if (*p == u'e' || *p == u'E') {
        const char16_t* q = p + 1;
        bool expNegative = false;
        if (*q == u'+' || *q == u'-')
            expNegative = *q++ == u'-';
        if (isDigit(*q)) {   // an "e" without digits is not part of the number
            std::string exp = expNegative ? "e-" : "e";
            for (; isDigit(*q); ++q) {
                exp += static_cast<char>(*q);
                if (exponent < 100000)
                    exponent = exponent * 10 + (*q - u'0');
            }
            if (expNegative)
                exponent = -exponent;
            number += exp;
        }
    }
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = intDigits + exponent > 0 ? HUGE_VAL : 0.0;
    return negative ? -value : value;
}

char16_t* _itow(int value, char16_t* buffer, int radix) {
    if (!buffer)
        return buffer;
    if (radix < 2 || radix > 36) {
        buffer[0] = 0;
        return buffer;
    }
    char digits[40];
    char* end = nullptr;
    if (radix == 10) {
        end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    } else {
        end = std::to_chars(digits, digits + sizeof digits, static_cast<unsigned>(value), radix).ptr;
    }
    std::size_t n = 0;
    for (const char* d = digits; d < end; ++d)
        buffer[n++] = static_cast<char16_t>(*d);
    buffer[n] = 0;
    return buffer;
}
