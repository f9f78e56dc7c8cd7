#include "grid/Csv.h"

#include <algorithm>

#include "grid/FormulaParser.h"
#include "grid/documentText.h"
#include "os/files.h"
#include "os/utf16.h"

namespace grid {
namespace {

// "=" followed by something the formula language accepts; "=" alone and "==x" stay texts.
bool isFormula(std::u16string_view text, int col, int row) {
    if (text.size() < 2 || text[0] != u'=')
        return false;
    Formula parsed;
    return parseFormula(text, col, row, RefStyle::A1, parsed);
}

} // namespace

bool Csv::parse(std::string_view utf8, Table& table, std::u16string& error) {
    table = Table();
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
        utf8.remove_prefix(3);
    long long line = 1;   // of the text, for messages: a quoted field may span lines
    auto fail = [&](std::u16string_view why) {
        error = u"line " + decimalText(line) + u": " + std::u16string(why);
        table = Table();
        return false;
    };
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    int row = 1, col = 1;
    std::string field;
    while (i < n || col > 1) {
        if (col == 1)
            table.lines.push_back(line);
        field.clear();
        long long fieldLine = line;
        if (i < n && utf8[i] == '"') {
            ++i;
            bool closed = false;
            while (i < n) {
                const char c = utf8[i++];
                if (c == '"') {
                    if (i < n && utf8[i] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    closed = true;
                    break;
                }
                if (c == '\n')
                    ++line;
                field += c;
            }
            if (!closed) {
                line = fieldLine;
                return fail(u"a quoted field is not closed");
            }
            if (i < n && utf8[i] != ',' && utf8[i] != '\n' && utf8[i] != '\r')
                return fail(u"text follows the closing quote of a field");
        } else {
            while (i < n && utf8[i] != ',' && utf8[i] != '\n' && utf8[i] != '\r')
                field += utf8[i++];
        }
        if (col > kMaxCols)
            return fail(u"too many fields in a record");
        if (!field.empty()) {
            const std::u16string text = os::toUtf16(field);
            table.fields.push_back({col, row, table.text.size(), text.size()});
            table.text += text;
        }
        table.cols = std::max(table.cols, col);
        table.rows = row;
        if (i < n && utf8[i] == ',') {
            ++i;
            ++col;
            continue;
        }
        // The end of a record: CRLF, LF, a lone CR, or the end of the text.
        if (i < n && utf8[i] == '\r')
            ++i;
        if (i < n && utf8[i] == '\n')
            ++i;
        ++line;
        col = 1;
        if (i < n) {
            if (row >= kMaxRows)
                return fail(u"too many records");
            ++row;
        }
    }
    return true;
}

bool Csv::apply(const Table& table, Sheet& sheet) {
    if (sheet.calculating())
        return false;
    sheet.clearDocument();
    sheet.setSwitch(kSwitchAutoCalc, false);
    sheet.setMaxCols(table.cols);
    sheet.setMaxRows(table.rows);
    std::vector<const Table::Field*> formulas;
    for (const Table::Field& f : table.fields) {
        const std::u16string_view text = table.field(f);
        if (isFormula(text, f.col, f.row))
            formulas.push_back(&f);
        else
            sheet.setData(f.col, f.row, text);
    }
    for (const Table::Field* f : formulas)
        sheet.setFormula(f->col, f->row, table.field(*f));
    sheet.recalcAll();
    sheet.setSwitch(kSwitchAutoCalc, true);
    return true;
}

bool Csv::read(Sheet& sheet, std::string_view utf8, std::u16string& error) {
    Table table;
    if (!parse(utf8, table, error))
        return false;
    if (!apply(table, sheet)) {
        error = u"the grid is calculating";
        return false;
    }
    return true;
}

std::u16string Csv::quoteField(std::u16string_view text) {
    if (text.find_first_of(u",\"\r\n") == std::u16string_view::npos)
        return std::u16string(text);
    std::u16string out = u"\"";
    for (char16_t c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
    return out;
}

bool Csv::write(Sheet& sheet, bool formulas, bool crlf, const std::function<bool(std::string_view)>& sink) {
    sheet.recalcAll();
    int lastCol = 0, lastRow = 0;
    sheet.contentExtent(lastCol, lastRow);
    const std::string_view end = crlf ? "\r\n" : "\n";
    const std::string emptyRecord = std::string(std::size_t(std::max(lastCol - 1, 0)), ',') + std::string(end);
    std::u16string record, text;
    std::string bytes;
    int row = 1;    // the record being made
    int next = 1;   // its next field
    // Fields up to (not including) `col` of the current record, empty where nothing was written.
    const auto fillTo = [&](int col) {
        for (; next < col; ++next)
            if (next > 1)
                record += u',';
    };
    const auto finishRecord = [&] {
        fillTo(lastCol + 1);
        bytes = os::toUtf8(record);
        bytes += end;
        record.clear();
        next = 1;
        return sink(bytes);
    };
    bool ok = true;
    // Only the stored cells are read; the rows and fields between them are empty.
    sheet.forEachCellInReadingOrder(Block{1, 1, lastCol, lastRow}, [&](int col, int r) {
        for (; row < r; ++row) {
            if (!(ok = next == 1 ? sink(emptyRecord) : finishRecord()))
                return false;
        }
        fillTo(col);
        if (col > 1)
            record += u',';
        if (formulas && sheet.hasFormula(col, r)) {
            record += quoteField(joinText({u"=", sheet.formula(col, r)}));
        } else {
            sheet.textInto(col, r, TextKind::Value, text);
            record += quoteField(text);
        }
        next = col + 1;
        return true;
    });
    for (; ok && row <= lastRow; ++row)
        ok = next == 1 ? sink(emptyRecord) : finishRecord();
    return ok;
}

std::string Csv::write(Sheet& sheet, bool formulas, bool crlf) {
    std::string out;
    write(sheet, formulas, crlf, [&](std::string_view record) {
        out += record;
        return true;
    });
    return out;
}

bool Csv::load(Sheet& sheet, std::u16string_view path, std::u16string& error) {
    std::string bytes;
    if (!readFileBytes(path, kMaxFileBytes, u"CSV import", bytes, error))
        return false;
    std::u16string why;
    if (!read(sheet, bytes, why))
        return fileError(path, why, error);
    return true;
}

bool Csv::save(Sheet& sheet, std::u16string_view path, bool formulas, std::u16string& error) {
    os::AtomicFileWriter file(path);
    const bool written = write(sheet, formulas, true, [&](std::string_view record) { return file.write(record); });
    if (!written || !file.commit())
        return fileError(path, u"cannot be written", error);
    return true;
}

} // namespace grid
