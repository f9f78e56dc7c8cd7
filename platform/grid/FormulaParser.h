#pragma once
// Reads the formula language into a Formula: numbers, texts with "" escapes, TRUE / FALSE, error values,
// operators with the usual spreadsheet precedence, A1 or R1C1 references and ranges, and function calls.
// Nesting is bounded, so hostile input gets a clear refusal instead of exhausting the stack.
#include <string>
#include <string_view>

#include "grid/Formula.h"

namespace grid {

constexpr std::size_t kMaxFormulaLength = 8192;
constexpr int kMaxNesting = 100;

struct ParseError {
    std::size_t position = 0;
    std::u16string message;
};

// Parses `text` (with or without a leading "=") as the formula of cell (col, row). On failure `out` is left
// untouched and `error` says where and why.
bool parseFormula(std::u16string_view text, int col, int row, RefStyle style, Formula& out,
                  ParseError* error = nullptr);

// The shape of an A1 formula written into cell (col, row): its text with every reference replaced by what the
// parser makes of it (an offset from the cell where relative, a position where absolute). Two formulas of
// equal shape parse to the same program, or both fail, so a formula filled down a column is parsed once.
// False for a text whose shape is not taken (error constants, characters outside ASCII outside quotes):
// such a text is parsed as it is.
bool formulaShape(std::u16string_view text, int col, int row, std::u16string& key);

} // namespace grid
