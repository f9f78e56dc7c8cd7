#include "os/textCase.h"

namespace os {
namespace {

constexpr char16_t kCapitalDottedI = 0x130;
constexpr char16_t kCapitalYDiaeresis = 0x178;
constexpr char16_t kSmallYDiaeresis = 0xFF;

// Latin Extended-A pairs each capital with the small letter after it; the capitals' parity changes twice
// (ĸ at 0x138 and ŉ at 0x149 have no partner and shift the pairs).
bool isLatinExtendedACapital(char16_t c) {
    if (c <= 0x137 || (c >= 0x14A && c <= 0x177)) return c % 2 == 0;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 1;
    return false;
}

} // namespace

char16_t foldCase(char16_t c) {
    if (c < 0x80) return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // Latin-1 capitals, not the multiplication sign
        return char16_t(c + 32);
    if (c >= 0x100 && c <= 0x17F) {
        if (c == kCapitalDottedI) return u'i';
        if (c == kCapitalYDiaeresis) return kSmallYDiaeresis;
        return isLatinExtendedACapital(c) ? char16_t(c + 1) : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return char16_t(c + 32); // Greek, with Ϊ and Ϋ
    if (c >= 0x410 && c <= 0x42F) return char16_t(c + 32);               // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return char16_t(c + 80);
    return c;
}

char16_t upperCase(char16_t c) {
    if (c < 0x80) return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) // Latin-1 small letters, not the division sign
        return char16_t(c - 32);
    if (c == kSmallYDiaeresis) return kCapitalYDiaeresis;
    if (c >= 0x101 && c <= 0x17F) {
        // The dotless ı is no partner of İ: İ belongs to i.
        const char16_t before = char16_t(c - 1);
        return (before != kCapitalDottedI && isLatinExtendedACapital(before)) ? before : c;
    }
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return char16_t(c - 32); // Greek; final ς has no capital
    if (c >= 0x430 && c <= 0x44F) return char16_t(c - 32);
    if (c >= 0x450 && c <= 0x45F) return char16_t(c - 80);
    return c;
}

std::u16string foldCase(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out) c = foldCase(c);
    return out;
}

std::u16string upperCase(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out) c = upperCase(c);
    return out;
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

int compareNoCase(std::u16string_view a, std::u16string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const char16_t fa = foldCase(a[i]), fb = foldCase(b[i]);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

bool lessNoCase(std::u16string_view a, std::u16string_view b) {
    const int c = compareNoCase(a, b);
    return c != 0 ? c < 0 : a < b;
}

} // namespace os
