#include "batchCases.h"

#include "grid/Csv.h"
#include "os/utf16.h"

#include <algorithm>

namespace sscmd {
namespace {

std::u16string_view trimmed(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

std::string lineText(long long line, const std::string& why) { return "line " + std::to_string(line) + ": " + why; }

} // namespace

bool BatchCases::parse(std::string_view utf8, std::string& error) {
    *this = BatchCases();
    grid::Csv::Table table;
    std::u16string why;
    if (!grid::Csv::parse(utf8, table, why)) {
        error = os::toUtf8(why);
        return false;
    }
    if (table.rows < 1 || table.fields.empty() || table.fields.front().row != 1) {
        error = lineText(1, "the first line names the columns: the sheet's inputs and gen_ variables");
        return false;
    }
    // The fields are stored row by row, the empty ones left out.
    std::size_t f = 0;
    std::vector<std::u16string> header;
    for (; f < table.fields.size() && table.fields[f].row == 1; ++f) {
        const auto& field = table.fields[f];
        header.resize(static_cast<std::size_t>(field.col));
        header.back() = std::u16string(trimmed(table.field(field)));
    }
    for (std::size_t c = 0; c < header.size(); ++c) {
        if (header[c].empty()) {
            error = lineText(1, "column " + std::to_string(c + 1) + " has no name");
            return false;
        }
        const std::string name = os::toUtf8(header[c]);
        if (std::find(columns.begin(), columns.end(), name) != columns.end()) {
            error = lineText(1, "the column " + name + " is named twice");
            return false;
        }
        columns.push_back(name);
    }
    for (int row = 2; row <= table.rows; ++row) {
        const long long line = table.lines[static_cast<std::size_t>(row - 1)];
        if (f == table.fields.size() || table.fields[f].row != row)
            continue;   // a blank line
        Case one;
        one.line = line;
        one.values.resize(columns.size());
        for (; f < table.fields.size() && table.fields[f].row == row; ++f) {
            const auto& field = table.fields[f];
            if (static_cast<std::size_t>(field.col) > columns.size()) {
                error = lineText(line, "field " + std::to_string(field.col) + " has no column (the first line names " +
                                           std::to_string(columns.size()) + ")");
                return false;
            }
            one.values[static_cast<std::size_t>(field.col - 1)] = os::toUtf8(table.field(field));
        }
        cases.push_back(std::move(one));
    }
    return true;
}

} // namespace sscmd
