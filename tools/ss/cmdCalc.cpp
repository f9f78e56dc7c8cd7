#include "cmdCalc.h"

#include <algorithm>
#include <string_view>

#include "workbook.h"
#include "grid/Csv.h"
#include "grid/GridDocument.h"
#include "os/bulkMemory.h"
#include "os/textCase.h"
#include "os/utf16.h"

namespace sscmd {
namespace {

constexpr const char* kCalcHelp =
    "usage: ss calc FILE [--csv] [--sheet NAME]\n"
    "Loads a grid document (.kvs, .sss or any other name), a CSV file (.csv) or a workbook (.xlsx, .ods: its\n"
    "first sheet, or the sheet NAME), recalculates it and prints the values of rows 1 to the last row holding\n"
    "one and of columns 1 to the last column holding one, as an aligned table, or as CSV with --csv.\n"
    "Exit codes: 0 done, 1 wrong arguments, 2 the file cannot be read or is malformed.\n";

constexpr const char* kConvertHelp =
    "usage: ss convert IN OUT [--values] [--sheet NAME]\n"
    "Converts between the grid's document format, CSV and workbooks, each file's format chosen by its\n"
    "extension (.csv is CSV, .xlsx and .ods workbooks, any other name a grid document; workbooks are written\n"
    "as .xlsx only). A workbook is read from its first sheet, or the sheet NAME; what the grid cannot keep of\n"
    "it is kept as its last value, with a warning naming the cell. CSV keeps the formulas (\"=A1+1\") unless\n"
    "--values asks for the computed values.\n"
    "Exit codes: 0 done, 1 wrong arguments, 2 IN cannot be read or is malformed, 3 OUT cannot be written.\n";

bool isCsv(const std::string& path) {
    const std::u16string name = os::toUtf16(path);
    return name.size() >= 4 && os::equalsNoCase(std::u16string_view(name).substr(name.size() - 4), u".csv");
}

// A workbook's warnings go to standard error, each naming the cell the grid could not keep as it was.
// `computed`: the loader recalculated the sheet already (grid documents and CSV files do).
bool loadSheet(grid::Sheet& sheet, const std::string& path, const std::string& sheetName, const char* command,
               std::FILE* err, std::string& error, bool& computed) {
    computed = false;
    if (interchange::workbookKindOf(path) != interchange::WorkbookKind::None) {
        interchange::ImportReport report;
        if (!interchange::importWorkbook(sheet, path, sheetName, report, error))
            return false;
        for (const std::string& warning : report.warnings)
            std::fprintf(err, "ss %s: warning: %s\n", command, warning.c_str());
        return true;
    }
    if (!sheetName.empty()) {
        error = "--sheet belongs to workbooks (.xlsx, .ods), not to " + path;
        return false;
    }
    std::u16string why;
    const std::u16string file = os::toUtf16(path);
    const bool ok = isCsv(path) ? grid::Csv::load(sheet, file, why) : grid::GridDocument::load(sheet, file, why);
    if (!ok)
        error = os::toUtf8(why);
    computed = ok;
    return ok;
}

// The words of a command: its files, and its options out of `known` (each at most once).
// "--sheet NAME" is taken apart into `sheetName`.
bool splitArgs(const std::vector<std::string>& args, const std::vector<std::string>& known,
               std::vector<std::string>& files, std::vector<std::string>& options, bool& help,
               std::string& sheetName, std::string& error) {
    help = false;
    bool sheetGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--sheet") {
            if (sheetGiven || i + 1 >= args.size()) {
                error = sheetGiven ? "option --sheet given twice" : "--sheet needs a sheet name";
                return false;
            }
            sheetGiven = true;
            sheetName = args[++i];
            continue;
        }
        if (a == "--help" || a == "-h") {
            help = true;
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            if (std::find(known.begin(), known.end(), a) == known.end()) {
                error = "unknown option " + a;
                return false;
            }
            if (std::find(options.begin(), options.end(), a) != options.end()) {
                error = "option " + a + " given twice";
                return false;
            }
            options.push_back(a);
            continue;
        }
        files.push_back(a);
    }
    return true;
}

// Display width in characters of UTF-8 text: every byte that does not continue a character.
std::size_t width(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

// A text goes out whole, whatever it holds (U+0000 included): printf's "%s" would end it at the first 0.
bool writeText(std::string_view bytes, std::FILE* out) { return std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size(); }

// Rows 1 to the last holding a value or a formula, columns 1 to the last holding one; only the stored cells are
// read, so a sheet that declares millions of empty rows costs what it holds. The cells are read once: their
// texts, on one line each, are kept together as UTF-8 until the columns' widths are known.
void printTable(grid::Sheet& sheet, std::FILE* out) {
    int cols = 0, rows = 0;
    sheet.contentExtent(cols, rows);
    const grid::Block all{1, 1, cols, rows};
    std::vector<std::size_t> widths(std::size_t(std::max(cols, 0)), 0);
    struct Shown {
        int col, row;
        std::size_t end;     // of its text in `texts`
        std::size_t width;   // of its text, in characters
        bool number;         // right-aligned
    };
    std::vector<Shown, os::BulkAllocator<Shown>> shown;
    shown.reserve(std::min(sheet.storedCells(), std::size_t(std::max(cols, 0)) * std::size_t(std::max(rows, 0))));
    std::vector<char, os::BulkAllocator<char>> texts;
    std::u16string text;
    const auto oneLine = [](char c) { return c == '\n' || c == '\r' || c == '\t' ? ' ' : c; };
    sheet.forEachCellInReadingOrder(all, [&](int col, int row) {
        sheet.textInto(col, row, grid::TextKind::Value, text);
        const std::size_t begin = texts.size();
        std::size_t textWidth = text.size();
        // Numbers and most texts are ASCII, taken over as they are.
        if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
            for (const char16_t c : text)
                texts.push_back(oneLine(char(c)));
        } else {
            for (const char c : os::toUtf8(text))
                texts.push_back(oneLine(c));
            textWidth = width(std::string_view(texts.data() + begin, texts.size() - begin));
        }
        std::size_t& w = widths[std::size_t(col - 1)];
        w = std::max(w, textWidth);
        double number = 0;
        shown.push_back({col, row, texts.size(), textWidth, sheet.numberValue(col, row, number)});
        return true;
    });
    std::string line;
    int row = 1, next = 1;   // the line being made, and its next column
    const auto pad = [&](int col) {
        for (; next < col; ++next) {
            if (next > 1)
                line += "  ";
            line.append(widths[std::size_t(next - 1)], ' ');
        }
    };
    const auto endLine = [&] {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        line += '\n';
        writeText(line, out);
        line.clear();
        next = 1;
    };
    std::size_t begin = 0;
    for (const Shown& cell : shown) {
        for (; row < cell.row; ++row)
            endLine();
        pad(cell.col);
        const std::string_view cellText(texts.data() + begin, cell.end - begin);
        begin = cell.end;
        const std::size_t fill = widths[std::size_t(cell.col - 1)] - cell.width;
        if (cell.col > 1)
            line += "  ";
        if (cell.number)
            line.append(fill, ' ').append(cellText);
        else
            line.append(cellText).append(fill, ' ');
        next = cell.col + 1;
    }
    for (; row <= rows; ++row)
        endLine();
}

} // namespace

int runCalc(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::vector<std::string> files, options;
    bool help = false;
    std::string error, sheetName;
    if (!splitArgs(args, {"--csv"}, files, options, help, sheetName, error)) {
        std::fprintf(err, "ss calc: %s\n%s", error.c_str(), kCalcHelp);
        return kExitUsage;
    }
    if (help) {
        std::fputs(kCalcHelp, out);
        return kExitOk;
    }
    if (files.size() != 1) {
        std::fprintf(err, "ss calc: %s\n%s", files.empty() ? "no file given" : "one file only", kCalcHelp);
        return kExitUsage;
    }
    grid::Sheet sheet;
    bool computed = false;
    if (!loadSheet(sheet, files[0], sheetName, "calc", err, error, computed)) {
        std::fprintf(err, "ss calc: %s\n", error.c_str());
        return kExitBadInput;
    }
    if (!computed)
        sheet.recalcAll();
    if (!options.empty())
        grid::Csv::write(sheet, false, false, [&](std::string_view record) { return writeText(record, out); });
    else
        printTable(sheet, out);
    return kExitOk;
}

int runConvert(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::vector<std::string> files, options;
    bool help = false;
    std::string error, sheetName;
    if (!splitArgs(args, {"--values"}, files, options, help, sheetName, error)) {
        std::fprintf(err, "ss convert: %s\n%s", error.c_str(), kConvertHelp);
        return kExitUsage;
    }
    if (help) {
        std::fputs(kConvertHelp, out);
        return kExitOk;
    }
    if (files.size() != 2) {
        std::fprintf(err, "ss convert: %s\n%s", files.size() < 2 ? "needs IN and OUT" : "too many files",
                     kConvertHelp);
        return kExitUsage;
    }
    grid::Sheet sheet;
    const interchange::WorkbookKind outKind = interchange::workbookKindOf(files[1]);
    if (outKind == interchange::WorkbookKind::Ods) {
        std::fprintf(err, "ss convert: workbooks are written as .xlsx only, not %s\n", files[1].c_str());
        return kExitUsage;
    }
    bool computed = false;
    if (!loadSheet(sheet, files[0], sheetName, "convert", err, error, computed)) {
        std::fprintf(err, "ss convert: %s\n", error.c_str());
        return kExitBadInput;
    }
    std::u16string why;
    const std::u16string target = os::toUtf16(files[1]);
    bool ok = false;
    if (outKind == interchange::WorkbookKind::Xlsx) {
        sheet.recalcAll();   // the workbook carries each formula's value, for programs that do not recalculate
        std::string failure;
        ok = interchange::exportWorkbook(sheet, files[1], "", failure);
        why = os::toUtf16(failure);
    } else {
        ok = isCsv(files[1]) ? grid::Csv::save(sheet, target, options.empty(), why)
                             : grid::GridDocument::save(sheet, target, why);
    }
    if (!ok) {
        std::fprintf(err, "ss convert: %s\n", os::toUtf8(why).c_str());
        return kExitCannotWrite;
    }
    return kExitOk;
}

} // namespace sscmd
