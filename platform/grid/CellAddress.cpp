#include "grid/CellAddress.h"

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

} // namespace grid
