#pragma once
// A workbook as the import reads it, before any of it reaches a grid sheet: a sheet's cells with their
// values, formulas and formats, its merged ranges and sizes, and the fonts and fills the formats name. Held
// apart so that a workbook is read whole and checked whole, and a grid sheet changes only when it all worked.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "grid/Sheet.h"
#include "grid/Value.h"

namespace interchange {

struct ImportedFont {
    std::string name;
    double points = 0;
    bool bold = false, italic = false, underline = false, strikeOut = false;
    std::optional<std::uint32_t> colour;   // 0x00BBGGRR
};

struct ImportedFormat {
    std::size_t font = 0, fill = 0;
};

struct ImportedCell {
    grid::Value value;                  // the value, or the formula's value as the program last computed it
    std::string formula;                // as the file writes it; empty for a value
    std::optional<std::size_t> shared;  // the shared formula the cell takes part in
    std::optional<std::size_t> format;
};

struct ImportedSheet {
    std::string name;
    std::map<std::pair<int, int>, ImportedCell> cells;   // by (row, column), 1-based, in reading order
    std::vector<grid::Span> spans;
    std::map<int, double> widths, heights;               // grid units
    std::vector<std::string> arrayFormulas;              // the cells of array formulas, kept as values
};

struct ImportedWorkbook {
    std::vector<ImportedSheet> sheets;
    std::vector<std::u16string> strings;
    std::vector<ImportedFont> fonts;
    std::vector<std::optional<std::uint32_t>> fills;     // a solid fill's colour
    std::vector<ImportedFormat> formats;
    std::string error;                                   // the first reason the workbook cannot be taken
};

} // namespace interchange
