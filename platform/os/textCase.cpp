#include "os/textCase.h"

namespace os {

char16_t foldCase(char16_t c) {
    if (c < 0x80) return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // Latin-1 capitals, not the multiplication sign
        return char16_t(c + 32);
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A pairs capital and small letters, capital first, with the parity changing twice.
        if (c == 0x130) return u'i';
        if (c == 0x178) return 0xFF;
        const bool capitalEven = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
        const bool capitalOdd = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (capitalEven && c % 2 == 0) return char16_t(c + 1);
        if (capitalOdd && c % 2 == 1) return char16_t(c + 1);
        return c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return char16_t(c + 32); // Greek
    if (c >= 0x410 && c <= 0x42F) return char16_t(c + 32);               // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return char16_t(c + 80);
    return c;
}

std::u16string foldCase(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out) c = foldCase(c);
    return out;
}

bool equalsNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    return true;
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
