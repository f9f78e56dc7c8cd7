#include "nuvo/Ork_String.h"

#include "nuvo/crtNumbers.h"
#include "os/textCase.h"
#include "os/utf16.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace {

constexpr int kMaxDecimals = 100;

// Digits of |value| (no leading zeros unless the value is 0) and the position of the decimal point: the
// value is 0.d1d2d3... × 10^pointPos. Taken from the shortest form that reads back as the same double,
// which is what a person sees and means when rounding.
void shortestDigits(double value, std::string& digits, int& pointPos) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const std::string text(buffer, result.ptr);   // d.ddddde±xx
    const std::size_t e = text.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(e + 1));
    pointPos = exponent + 1;
}

bool equalUnits(char16_t a, char16_t b, bool ignoreCase) {
    return a == b || (ignoreCase && os::foldCase(a) == os::foldCase(b));
}

} // namespace

Ork_String::Ork_String(double value, int decimals) {
    if (std::isnan(value)) {
        assign(u"nan");
        return;
    }
    if (std::isinf(value)) {
        assign(value < 0 ? u"-inf" : u"inf");
        return;
    }
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    std::string digits;
    int pointPos = 0;
    shortestDigits(value, digits, pointPos);
    if (value == 0)
        digits = "0", pointPos = 1;

    // Keep the digits up to `decimals` places after the point; look at the first dropped one.
    const int keep = pointPos + decimals;   // how many of `digits` stay (may be <= 0 or > size)
    std::string kept;
    bool roundUp = false;
    if (keep < 0) {
        roundUp = false;
    } else if (keep < static_cast<int>(digits.size())) {
        kept = digits.substr(0, static_cast<std::size_t>(keep));
        roundUp = digits[static_cast<std::size_t>(keep)] >= '5';   // half away from zero
    } else {
        kept = digits + std::string(static_cast<std::size_t>(keep) - digits.size(), '0');
    }
    int point = pointPos;
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++kept[static_cast<std::size_t>(i)];
        } else {
            kept.insert(kept.begin(), '1');
            ++point;
        }
    }
    // Now the number is 0.kept × 10^point with kept holding point + decimals digits (or fewer when zero).
    std::string intPart;
    std::string fracPart;
    const int intCount = point;
    const int total = intCount + decimals;
    if (static_cast<int>(kept.size()) < total)   // rounded away entirely (keep < 0) or a carry added a digit
        kept.insert(kept.begin(), static_cast<std::size_t>(total) - kept.size(), '0');
    if (intCount > 0) {
        intPart = kept.substr(0, static_cast<std::size_t>(intCount));
        fracPart = kept.substr(static_cast<std::size_t>(intCount));
    } else {
        intPart = "0";
        fracPart = std::string(static_cast<std::size_t>(-intCount), '0') + kept;
        fracPart.resize(static_cast<std::size_t>(decimals), '0');
    }
    const std::size_t firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);
    const bool isZero = intPart == "0" && fracPart.find_first_not_of('0') == std::string::npos;
    std::string out = (value < 0 && !isZero) ? "-" : "";
    out += intPart;
    if (decimals > 0)
        out += "." + fracPart;
    for (char c : out)
        push_back(static_cast<char16_t>(c));
}

Ork_String::Ork_String(int value) {
    for (char c : std::to_string(value))
        push_back(static_cast<char16_t>(c));
}

Ork_String Ork_String::fromUtf8(std::string_view utf8) { return Ork_String(os::toUtf16(utf8)); }

std::string Ork_String::utf8() const { return os::toUtf8(*this); }

bool Ork_String::equal(const Ork_String& other, bool ignoreCase) const {
    if (size() != other.size())
        return false;
    for (size_type i = 0; i < size(); ++i)
        if (!equalUnits((*this)[i], other[i], ignoreCase))
            return false;
    return true;
}

bool Ork_String::startsWith(const Ork_String& prefix, bool ignoreCase) const {
    if (prefix.size() > size())
        return false;
    for (size_type i = 0; i < prefix.size(); ++i)
        if (!equalUnits((*this)[i], prefix[i], ignoreCase))
            return false;
    return true;
}

bool Ork_String::endsWith(const Ork_String& suffix, bool ignoreCase) const {
    if (suffix.size() > size())
        return false;
    const size_type offset = size() - suffix.size();
    for (size_type i = 0; i < suffix.size(); ++i)
        if (!equalUnits((*this)[offset + i], suffix[i], ignoreCase))
            return false;
    return true;
}

int Ork_String::indexOf(const Ork_String& text, int start, bool ignoreCase) const {
    if (start < 0)
        start = 0;
    if (static_cast<size_type>(start) > size() || text.size() > size())
        return text.empty() && static_cast<size_type>(start) <= size() ? start : -1;
    if (!ignoreCase) {
        const size_type at = std::u16string_view(*this).find(text, static_cast<size_type>(start));
        return at == npos ? -1 : static_cast<int>(at);
    }
    const size_type last = size() - text.size();
    for (size_type i = static_cast<size_type>(start); i <= last; ++i) {
        size_type k = 0;
        while (k < text.size() && equalUnits((*this)[i + k], text[k], ignoreCase))
            ++k;
        if (k == text.size())
            return static_cast<int>(i);
    }
    return -1;
}

int Ork_String::replaceAll(const Ork_String& pattern, const Ork_String& replacement, bool ignoreCase) {
    if (pattern.empty())
        return 0;
    int count = 0;
    int pos = indexOf(pattern, 0, ignoreCase);
    while (pos >= 0) {
        std::u16string::replace(static_cast<size_type>(pos), pattern.size(), replacement);
        ++count;
        pos = indexOf(pattern, pos + static_cast<int>(replacement.size()), ignoreCase);
    }
    return count;
}

Ork_String Ork_String::left(int count) const {
    return Ork_String(substr(0, static_cast<size_type>(std::clamp(count, 0, len()))));
}

Ork_String Ork_String::right(int count) const {
    const int n = std::clamp(count, 0, len());
    return Ork_String(substr(size() - static_cast<size_type>(n)));
}

Ork_String Ork_String::mid(int start, int count) const {
    start = std::clamp(start, 0, len());
    const int available = len() - start;
    const int n = count < 0 ? available : std::min(count, available);
    return Ork_String(substr(static_cast<size_type>(start), static_cast<size_type>(n)));
}

Ork_String Ork_String::toUpper() const { return Ork_String(os::upperCase(*this)); }

Ork_String Ork_String::toLower() const { return Ork_String(os::foldCase(*this)); }

Ork_String Ork_String::trimmed() const {
    const size_type first = find_first_not_of(u" \t");
    if (first == npos)
        return Ork_String();
    const size_type last = find_last_not_of(u" \t");
    return Ork_String(substr(first, last - first + 1));
}

int Ork_String::toInt() const { return _wtoi(c_str()); }

double Ork_String::toDouble() const { return _wtof(c_str()); }

Ork_String& Ork_String::append(int value) {
    std::u16string::append(Ork_String(value));
    return *this;
}

Ork_String& Ork_String::append(double value, int decimals) {
    std::u16string::append(Ork_String(value, decimals));
    return *this;
}
