#include "grid/Value.h"

#include <algorithm>
#include <charconv>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

#include "os/textCase.h"

namespace grid {

namespace {

struct ErrorName {
    ErrorCode code;
    std::u16string_view text;
};

constexpr ErrorName kErrorNames[] = {
    {ErrorCode::Div0, u"#DIV/0!"}, {ErrorCode::Value, u"#VALUE!"}, {ErrorCode::Ref, u"#REF!"},
    {ErrorCode::Name, u"#NAME?"},  {ErrorCode::NA, u"#N/A"},       {ErrorCode::Num, u"#NUM!"},
    {ErrorCode::Circular, u"#CIRC!"},
};

} // namespace

std::u16string_view errorText(ErrorCode code) {
    for (const ErrorName& e : kErrorNames)
        if (e.code == code)
            return e.text;
    return u"";
}

ErrorCode errorFromText(std::u16string_view text) {
    for (const ErrorName& e : kErrorNames) {
        if (e.text.size() != text.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < text.size() && same; ++i)
            same = os::upperCase(text[i]) == e.text[i];
        if (same)
            return e.code;
    }
    return ErrorCode::None;
}

Value Value::number(double n) {
    Value v;
    if (std::isnan(n) || std::isinf(n)) {
        v.kind_ = ValueKind::Error;
        v.error_ = ErrorCode::Num;
        return v;
    }
    v.kind_ = ValueKind::Number;
    v.num_ = n == 0 ? 0.0 : n;   // no negative zero in a cell
    return v;
}

Value Value::boolean(bool b) {
    Value v;
    v.kind_ = ValueKind::Bool;
    v.num_ = b ? 1 : 0;
    return v;
}

Value Value::text(std::u16string_view t) {
    Value v;
    v.kind_ = ValueKind::Text;
    if (!t.empty()) {
        std::shared_ptr<char16_t[]> chars = std::make_shared_for_overwrite<char16_t[]>(t.size());
        std::copy(t.begin(), t.end(), chars.get());
        v.text_ = std::move(chars);
        v.length_ = static_cast<std::uint32_t>(t.size());
    }
    return v;
}

Value Value::error(ErrorCode e) {
    Value v;
    v.kind_ = ValueKind::Error;
    v.error_ = e;
    return v;
}

std::u16string Value::toText() const {
    switch (kind_) {
    case ValueKind::Empty: return {};
    case ValueKind::Number: return formatNumber(num_);
    case ValueKind::Bool: return num_ != 0 ? u"TRUE" : u"FALSE";
    case ValueKind::Text: return std::u16string(textValue());
    case ValueKind::Error: return std::u16string(errorText(error_));
    }
    return {};
}

bool Value::operator==(const Value& other) const {
    if (kind_ != other.kind_)
        return false;
    switch (kind_) {
    case ValueKind::Empty: return true;
    case ValueKind::Number:
    case ValueKind::Bool: return num_ == other.num_;
    case ValueKind::Text: return textValue() == other.textValue();
    case ValueKind::Error: return error_ == other.error_;
    }
    return false;
}

std::u16string joinText(std::initializer_list<std::u16string_view> parts) {
    std::u16string s;
    for (std::u16string_view p : parts)
        s.append(p);
    return s;
}

double roundToSignificant(double n) {
    if (n == 0 || !std::isfinite(n))
        return n;
    // A whole number below 10^15 has at most 15 digits and is its own rounding; most numbers a sheet
    // compares or rounds are.
    if (std::fabs(n) < 1e15 && n == std::trunc(n))
        return n;
    // As "%.14e" writes it and strtod reads it back (to_chars and from_chars promise the same), without
    // going through printf.
    char buf[40];
    const auto written = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::scientific, 14);
    double rounded = n;
    std::from_chars(buf, written.ptr, rounded);
    return rounded;
}

namespace {

// "%.15g" of `n` built from its shortest round-trip digits, when there are 15 of them or fewer: the nearest
// 15-digit decimal to n then is those digits (it lies within a tenth of a 15-digit step of n), and finding them
// costs a third of rounding to a precision. Most numbers a sheet shows are such. False when there are more, and
// for subnormal numbers, whose last digit is coarser.
bool shortestAsG15(double n, std::u16string& out) {
    if (std::fabs(n) < std::numeric_limits<double>::min())
        return false;
    char buf[40];
    const auto written = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::scientific);
    std::string_view s(buf, std::size_t(written.ptr - buf));   // [-]d[.ddd]e(+|-)XX
    const bool negative = s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    const std::size_t e = s.find('e');
    if (e == std::string_view::npos || e + 2 >= s.size())
        return false;
    char digits[24];
    std::size_t count = 0;
    for (std::size_t i = 0; i < e; ++i)
        if (s[i] != '.') {
            if (count == 15)
                return false;
            digits[count++] = s[i];
        }
    int exponent = 0;
    std::from_chars(s.data() + e + 2, s.data() + s.size(), exponent);
    if (s[e + 1] == '-')
        exponent = -exponent;

    char16_t text[48];   // at most 15 digits, 19 zeros, a sign, a point and an exponent
    char16_t* at = text;
    if (negative)
        *at++ = u'-';
    if (exponent < -4 || exponent >= 15) {
        *at++ = char16_t(digits[0]);
        if (count > 1) {
            *at++ = u'.';
            for (std::size_t i = 1; i < count; ++i)
                *at++ = char16_t(digits[i]);
        }
        // A spreadsheet writes "1E+20", with at least two exponent digits as "%g" does.
        *at++ = u'E';
        *at++ = exponent < 0 ? u'-' : u'+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude >= 100)
            *at++ = char16_t(u'0' + magnitude / 100);
        *at++ = char16_t(u'0' + magnitude / 10 % 10);
        *at++ = char16_t(u'0' + magnitude % 10);
    } else if (exponent < 0) {
        *at++ = u'0';
        *at++ = u'.';
        for (int i = -1; i > exponent; --i)
            *at++ = u'0';
        for (std::size_t i = 0; i < count; ++i)
            *at++ = char16_t(digits[i]);
    } else {
        const std::size_t whole = std::size_t(exponent) + 1;
        for (std::size_t i = 0; i < std::max(whole, count); ++i) {
            if (i == whole)
                *at++ = u'.';
            *at++ = i < count ? char16_t(digits[i]) : u'0';
        }
    }
    out.assign(text, at);
    return true;
}

} // namespace

std::u16string formatNumber(double n) {
    if (!std::isfinite(n))
        return u"#NUM!";
    if (n == 0)
        return u"0";
    // Whole numbers of up to fifteen digits, most of what sheets hold, read as their digits.
    if (std::fabs(n) < 1e15 && n == std::trunc(n)) {
        char16_t digits[17];
        char16_t* first = std::end(digits);
        for (auto v = static_cast<std::uint64_t>(std::fabs(n)); v != 0; v /= 10)
            *--first = char16_t(u'0' + v % 10);
        if (n < 0)
            *--first = u'-';
        return std::u16string(first, std::end(digits));
    }
    std::u16string text;
    if (shortestAsG15(n, text))
        return text;
    // As "%.15g" writes it (to_chars promises the same text), without going through printf.
    char buf[40];
    const auto written = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::general, 15);
    // "%g" writes "1e+20"; a spreadsheet writes "1E+20", and no leading zero in the exponent.
    std::string s(buf, written.ptr);
    std::size_t e = s.find('e');
    if (e != std::string::npos) {
        std::string mant = s.substr(0, e);
        char sign = s[e + 1];
        std::string digits = s.substr(e + 2);
        while (digits.size() > 2 && digits[0] == '0')
            digits.erase(0, 1);
        s = mant;
        s += 'E';
        s += sign;
        s += digits;
    }
    return std::u16string(s.begin(), s.end());
}

std::u16string formatFixed(double n, int decimals, bool thousands) {
    if (!std::isfinite(n))
        return u"#NUM!";
    if (decimals < 0)
        decimals = 0;
    if (decimals > 15)
        decimals = 15;
    // Half away from zero on the decimal value the user sees, not on the binary fraction: 2.675 -> 2.68.
    const double scale = std::pow(10.0, decimals);
    double scaled = roundToSignificant(std::fabs(n) * scale);
    double rounded = std::floor(scaled + 0.5) / scale;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded);
    std::string s(buf);
    if (thousands) {
        std::size_t dot = s.find('.');
        std::size_t intEnd = dot == std::string::npos ? s.size() : dot;
        std::string grouped;
        for (std::size_t i = 0; i < intEnd; ++i) {
            if (i > 0 && (intEnd - i) % 3 == 0)
                grouped += ',';
            grouped += s[i];
        }
        s = grouped + s.substr(intEnd);
    }
    bool allZero = rounded == 0;
    if (n < 0 && !allZero)
        s.insert(s.begin(), '-');
    return std::u16string(s.begin(), s.end());
}

bool parseNumber(std::u16string_view text, double& out) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == u' ' || text[b] == u'\t'))
        ++b;
    while (e > b && (text[e - 1] == u' ' || text[e - 1] == u'\t'))
        --e;
    constexpr std::size_t kLongest = 300;
    if (b == e || e - b > kLongest)
        return false;
    char ascii[kLongest + 1];
    std::size_t length = 0;
    bool percent = false;
    bool digit = false;
    for (std::size_t i = b; i < e; ++i) {
        char16_t c = text[i];
        if (c == u'%' && i + 1 == e) {
            percent = true;
            break;
        }
        if (!((c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E'))
            return false;
        digit = digit || (c >= u'0' && c <= u'9');
        ascii[length++] = char(c);
    }
    ascii[length] = '\0';
    // strtod alone would accept "inf", hex and a bare sign; the checks above and below leave only decimals.
    if (length == 0 || !digit)
        return false;
    // from_chars reads the decimals as strtod does in the C locale, to the same correctly rounded double, and
    // far faster (every number a sheet is given or computes is read back here); what it does not take whole (a
    // leading "+", a number too small or too large) is left to strtod.
    double v = 0;
    const auto [stop, problem] = std::from_chars(ascii, ascii + length, v);
    if (problem != std::errc() || stop != ascii + length) {
        char* end = nullptr;
        v = std::strtod(ascii, &end);
        if (end != ascii + length)
            return false;
    }
    if (!std::isfinite(v))
        return false;
    out = percent ? v / 100 : v;
    return true;
}

} // namespace grid
