#include "ui/textUtil.h"

#include <algorithm>

namespace ui {

char16_t foldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

bool equalsNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    return true;
}

bool startsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

bool lessNoCase(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return foldCase(x) < foldCase(y); });
}

bool parseLeadingInt(std::u16string_view text, bool allowSign, long long& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (allowSign && i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    size_t start = i;
    long long v = 0;
    while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
        if (v < 1000000000000LL) v = v * 10 + (text[i] - u'0');  // saturates instead of overflowing
        ++i;
    }
    if (i == start) return false;
    value = negative ? -v : v;
    return true;
}

std::u16string toU16(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string numberText(long long n) { return toU16(std::to_string(n)); }

} // namespace ui
