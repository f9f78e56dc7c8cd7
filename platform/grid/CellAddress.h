#pragma once
// Addressing shared by the model and the formula language: 1-based columns and rows, the header index, and
// the column letters of A1 references.
#include <cstdint>
#include <string>
#include <string_view>

#include "os/textCase.h"

namespace grid {

// The header row and the header column; index 0 addresses them too.
constexpr int kHeaderIndex = -32767;
// Limits of a sheet: far above what the module needs (a million-row sheet fits), low enough that a hostile
// count cannot make the grid allocate without bound.
constexpr int kMaxCols = 32000;
constexpr int kMaxRows = 16 * 1024 * 1024;

// An inclusive block of cells.
struct Block {
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    bool contains(int col, int row) const { return col >= col1 && col <= col2 && row >= row1 && row <= row2; }
};

// "A", "Z", "AA" ... for 1, 26, 27; empty for numbers below 1.
std::u16string columnLetters(int col);
// Reads letters at the start of `text`; returns how many characters were used (0 when none or out of range).
// Inline: every reference of every formula a document holds is read through it.
inline std::size_t readColumnLetters(std::u16string_view text, int& col) {
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
