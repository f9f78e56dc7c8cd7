#pragma once
// A formula as a workbook writes it, in the grid's formula language. XLSX writes the language the grid speaks
// (A1 references, "," between arguments) with a few additions of its own; ODS writes OpenFormula ("of:=",
// "[.A1]" references, ";" between arguments). What the grid's language cannot say — references to other sheets
// or workbooks, structured table references, array constants — is refused with the reason.
#include <string>
#include <string_view>

namespace interchange {

enum class FormulaDialect { Xlsx, Ods };

// The grid's text of `formula` (without "=") as the formula of cell (col, row); false with `why` when the grid
// cannot hold it.
bool gridFormula(std::string_view formula, FormulaDialect dialect, int col, int row, std::u16string& out,
                 std::string& why);
// A shared formula: `formula` is written for cell (originCol, originRow), and its relative references move with
// the cell (col, row) that shares it, as a filled-down formula's do.
bool sharedGridFormula(std::string_view formula, FormulaDialect dialect, int originCol, int originRow, int col,
                       int row, std::u16string& out, std::string& why);

} // namespace interchange
