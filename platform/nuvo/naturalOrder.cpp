#include "nuvo/naturalOrder.h"

#include "nuvo/crtNumbers.h"

#include <cstddef>

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The end of the number starting at `i`: its digits, and a decimal part when "." and a digit follow.
std::size_t numberEnd(const std::u16string& s, std::size_t i) {
    while (i < s.size() && isDigit(s[i]))
        ++i;
    if (i + 1 < s.size() && s[i] == u'.' && isDigit(s[i + 1])) {
        ++i;
        while (i < s.size() && isDigit(s[i]))
            ++i;
    }
    return i;
}

std::size_t textEnd(const std::u16string& s, std::size_t i) {
    while (i < s.size() && !isDigit(s[i]))
        ++i;
    return i;
}

} // namespace

int naturalCompare(const Ork_String& a, const Ork_String& b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const bool numberA = isDigit(a[i]), numberB = isDigit(b[j]);
        if (numberA != numberB)
            return numberA ? -1 : 1;   // numbers before texts, as digits sort before letters
        const std::size_t endA = numberA ? numberEnd(a, i) : textEnd(a, i);
        const std::size_t endB = numberB ? numberEnd(b, j) : textEnd(b, j);
        const Ork_String partA(a.substr(i, endA - i)), partB(b.substr(j, endB - j));
        if (numberA) {
            const double x = _wtof(partA.c_str()), y = _wtof(partB.c_str());
            if (x != y)
                return x < y ? -1 : 1;
        } else {
            const Ork_String upperA = partA.toUpper(), upperB = partB.toUpper();
            if (upperA != upperB)
                return upperA < upperB ? -1 : 1;
        }
        i = endA;
        j = endB;
    }
    if ((i < a.size()) != (j < b.size()))
        return i < a.size() ? 1 : -1;   // a text that is the other's beginning comes first
    return a == b ? 0 : (a < b ? -1 : 1);
}

int ObjectExportAddToSorted(Ork_StringArray& sorted, const Ork_String& text) {
    int index = 0;
    while (index < sorted.length() && naturalCompare(sorted[index], text) <= 0)
        ++index;
    sorted.insertAt(index, text);
    return index;
}
