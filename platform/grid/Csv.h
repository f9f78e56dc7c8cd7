#pragma once
// CSV import and export of a sheet: UTF-8, RFC 4180 quoting (fields with commas, quotes or line breaks in double
// quotes, a quote doubled inside them). On import a field starting with "=" that reads as a formula is a
// formula, a field that reads as a number is a number, anything else is text. On export each cell gives its
// computed value after a full recalculation, or, when asked, its formula; texts go out whole, whatever
// characters they hold (U+0000 included).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "grid/Sheet.h"

namespace grid {

class Csv {
public:
    static constexpr std::uint64_t kMaxFileBytes = 256ull * 1024 * 1024;

    // The fields of a CSV text, read whole before anything reaches a sheet. Memory grows with the text only.
    struct Table {
        struct Field {
            int col = 0, row = 0;
            std::size_t offset = 0, length = 0;   // in `text`
        };
        int cols = 0, rows = 0;
        std::vector<Field> fields;   // the non-empty ones, row by row
        std::vector<long long> lines;   // the line of the text each record starts on, record by record
        std::u16string text;
        std::u16string_view field(const Field& f) const { return std::u16string_view(text).substr(f.offset, f.length); }
    };

    // False with "line N: why" for an unclosed quote, text after a closing quote, or a table beyond the grid's
    // limits.
    static bool parse(std::string_view utf8, Table& table, std::u16string& error);
    // Replaces the whole sheet with the table (custom functions stay) and recalculates it; false, changing
    // nothing, while the sheet is calculating.
    static bool apply(const Table& table, Sheet& sheet);
    static bool read(Sheet& sheet, std::string_view utf8, std::u16string& error);
    // Rows 1 to the last row holding a value or a formula, columns 1 to the last column holding one, every
    // record with all its fields, handed to `sink` one record at a time: a sheet is never written out in memory
    // whole, and its declared size costs nothing. False when `sink` refuses a record, which ends the writing.
    static bool write(Sheet& sheet, bool formulas, bool crlf, const std::function<bool(std::string_view)>& sink);
    // The same as one text.
    static std::string write(Sheet& sheet, bool formulas, bool crlf = true);

    static bool load(Sheet& sheet, std::u16string_view path, std::u16string& error);
    static bool save(Sheet& sheet, std::u16string_view path, bool formulas, std::u16string& error);
    // A field as CSV writes it: quoted when it holds a comma, a quote or a line break.
    static std::u16string quoteField(std::u16string_view text);
};

} // namespace grid
