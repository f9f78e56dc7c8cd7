#include "grid/CellAddress.h"

#include "os/textCase.h"

namespace grid {

std::u16string columnLetters(int col) {
    std::u16string s;
    while (col > 0) {
        int rem = (col - 1) % 26;
        s.insert(s.begin(), char16_t(u'A' + rem));
        col = (col - 1) / 26;
    }
    return s;
}

std::size_t readColumnLetters(std::u16string_view text, int& col) {
    std::size_t i = 0;
    long long value = 0;
    while (i < text.size()) {
        const char16_t c = text[i] < 0x80 ? char16_t(text[i] & ~0x20) : os::upperCase(text[i]);
        if (c < u'A' || c > u'Z')
            break;
        value = value * 26 + (c - u'A' + 1);
        if (value > kMaxCols)
            return 0;
        ++i;
    }
    col = int(value);
    return i;
}

} // namespace grid
