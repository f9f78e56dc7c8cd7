#include "ui/textUtil.h"

namespace ui {

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
