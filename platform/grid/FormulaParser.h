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

} // namespace grid
