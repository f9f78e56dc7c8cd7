// Workbooks read through liborcus into an ImportedWorkbook, then checked and applied to a grid sheet.
#include "workbook.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include "formulaText.h"
#include "isolatedRead.h"
#include "grid/CellAddress.h"
#include "grid/GridDocument.h"
#include "orcusFactory.h"
#include "os/textCase.h"
#include "os/utf16.h"
#include "xmlParts.h"
#include "zipLimits.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace interchange {
namespace {

// A workbook file larger than this is refused before it is read: it is far beyond any sheet of this system.
constexpr std::uint64_t kMaxFileBytes = 64ull << 20;
// A sheet gets one warning per cell it could not keep; past this many the rest are counted.
constexpr std::size_t kMaxWarnings = 50;

std::string cellName(int col, int row) { return os::toUtf8(grid::columnLetters(col)) + std::to_string(row); }

bool readFile(const std::string& path, std::string& bytes, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = path + " is a folder, not a workbook";
        return false;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        error = "cannot read " + path;
        return false;
    }
    if (size > kMaxFileBytes) {
        error = path + ": the workbook is larger than " + std::to_string(kMaxFileBytes >> 20) + " MB";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!in || in.bad()) {
        error = "cannot read " + path;
        return false;
    }
    bytes = buffer.str();
    return true;
}

std::string valueText(const grid::Value& value) {
    if (value.isEmpty())
        return "empty";
    return "\"" + os::toUtf8(value.toText()) + "\"";
}

class SheetBuilder {
public:
    SheetBuilder(const ImportedWorkbook& book, const ImportedSheet& sheet, FormulaDialect dialect,
                 ImportReport& report)
        : book_(book), sheet_(sheet), dialect_(dialect), report_(report) {}

    bool build(grid::Sheet& out, std::string& error) {
        int cols = 1, rows = 1;
        for (const auto& [at, cell] : sheet_.cells) {
            rows = std::max(rows, at.first);
            cols = std::max(cols, at.second);
        }
        for (const grid::Span& span : sheet_.spans) {
            cols = std::max(cols, span.col + span.cols - 1);
            rows = std::max(rows, span.row + span.rows - 1);
        }
        for (const auto& [col, width] : sheet_.widths)
            cols = std::max(cols, col);
        for (const auto& [row, height] : sheet_.heights)
            rows = std::max(rows, row);
        if (cols > grid::kMaxCols || rows > grid::kMaxRows) {
            error = "sheet " + sheet_.name + " is larger than the grid's " + std::to_string(grid::kMaxCols) +
                    " columns and " + std::to_string(grid::kMaxRows) + " rows";
            return false;
        }
        out.setMaxCols(cols);
        out.setMaxRows(rows);
        for (const auto& [col, width] : sheet_.widths)
            out.setColumnWidth(col, width);
        for (const auto& [row, height] : sheet_.heights)
            out.setRowHeight(row, height);
        for (const grid::Span& span : sheet_.spans)
            if (!out.addSpan(span.col, span.row, span.cols, span.rows))
                warn("the merged cells at " + cellName(span.col, span.row) + " overlap others and are not kept");
        for (const std::string& range : sheet_.arrayFormulas)
            warn(range + ": an array formula is kept as its last values");
        for (const auto& [at, cell] : sheet_.cells)
            buildCell(out, at.second, at.first, cell);
        if (skipped_ > 0)
            report_.warnings.push_back(std::to_string(skipped_) + " more cells with the same kind of warning");
        return true;
    }

private:
    void warn(const std::string& text) {
        if (report_.warnings.size() < kMaxWarnings)
            report_.warnings.push_back(text);
        else
            ++skipped_;
    }

    void buildCell(grid::Sheet& out, int col, int row, const ImportedCell& cell) {
        std::string formula = cell.formula;
        int originCol = col, originRow = row;
        if (cell.shared) {
            if (!formula.empty()) {
                shared_[*cell.shared] = {formula, col, row};
            } else if (auto it = shared_.find(*cell.shared); it != shared_.end()) {
                formula = it->second.text;
                originCol = it->second.col;
                originRow = it->second.row;
            }
        }
        bool kept = false;
        if (!formula.empty()) {
            std::u16string text;
            std::string why;
            if (sharedGridFormula(formula, dialect_, originCol, originRow, col, row, text, why) &&
                out.setFormulaUncomputed(col, row, text))
                kept = true;
            else
                warn(cellName(col, row) + ": the formula =" + formula + " cannot be kept (" +
                     (why.empty() ? std::string("the grid refuses it") : why) + "); its last value " +
                     valueText(cell.value) + " is kept");
        } else if (cell.shared) {
            warn(cellName(col, row) + ": shares a formula the workbook does not hold; its last value is kept");
        }
        if (!kept)
            out.setCellValue(col, row, cell.value);
        if (cell.format && *cell.format < book_.formats.size())
            applyFormat(out, col, row, book_.formats[*cell.format]);
    }

    void applyFormat(grid::Sheet& out, int col, int row, const ImportedFormat& format) {
        // A plain font in the workbook's first font (its default: Calibri 11 for most programs) is no font of the
        // cell's own; the grid's default stands for it.
        std::optional<std::uint32_t> fore, back;
        if (format.font < book_.fonts.size()) {
            const ImportedFont& f = book_.fonts[format.font];
            const ImportedFont& standard = book_.fonts[0];
            grid::Font font;
            font.face = os::toUtf16(f.name);
            font.height = int(std::lround(f.points));
            font.bold = f.bold;
            font.italic = f.italic;
            font.underline = f.underline;
            font.strikeOut = f.strikeOut;
            const bool plain = !font.bold && !font.italic && !font.underline && !font.strikeOut;
            if (!plain || f.name != standard.name || f.points != standard.points)
                out.setFont(col, row, font);
            fore = f.colour;
        }
        if (format.fill < book_.fills.size())
            back = book_.fills[format.fill];
        if ((fore && *fore != kBlack) || back)
            out.setColours(col, row, back.value_or(kWhite), fore.value_or(kBlack));
    }

    static constexpr std::uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
    struct Shared {
        std::string text;
        int col = 0, row = 0;
    };
    const ImportedWorkbook& book_;
    const ImportedSheet& sheet_;
    FormulaDialect dialect_;
    ImportReport& report_;
    std::map<std::size_t, Shared> shared_;
    std::size_t skipped_ = 0;
};

} // namespace

WorkbookKind workbookKindOf(std::string_view path) {
    const std::u16string name = os::toUtf16(path);
    const auto endsWith = [&](std::u16string_view ext) {
        return name.size() >= ext.size() && os::equalsNoCase(std::u16string_view(name).substr(name.size() - ext.size()), ext);
    };
    if (endsWith(u".xlsx"))
        return WorkbookKind::Xlsx;
    if (endsWith(u".ods"))
        return WorkbookKind::Ods;
    return WorkbookKind::None;
}

namespace {

// Reads the sheet `sheetName` (or the first) of the workbook into `built`, a sheet of its own, so that the
// caller's sheet changes only when all of it could be read.
bool readWorkbook(std::string_view bytes, WorkbookKind kind, const std::string& sheetName, ImportReport& report,
                  grid::Sheet& built, std::string& error) {
    ImportedWorkbook book;
    try {
        const auto factory = makeImportFactory(book);
        if (kind == WorkbookKind::Xlsx) {
            orcus::orcus_xlsx filter(factory.get());
            filter.read_stream(bytes);
        } else {
            orcus::orcus_ods filter(factory.get());
            filter.read_stream(bytes);
        }
    } catch (const std::exception& e) {
        // The parsers report a malformed part by throwing; nothing of the workbook is used.
        error = std::string("the workbook is malformed: ") + e.what();
        return false;
    } catch (...) {
        error = "the workbook is malformed";
        return false;
    }
    if (!book.error.empty()) {
        error = book.error;
        return false;
    }
    if (book.sheets.empty()) {
        error = "the workbook holds no sheet";
        return false;
    }
    const ImportedSheet* chosen = nullptr;
    for (const ImportedSheet& s : book.sheets) {
        report.sheetNames.push_back(s.name);
        if (!chosen && (sheetName.empty() || s.name == sheetName))
            chosen = &s;
    }
    if (!chosen) {
        error = "the workbook has no sheet named " + sheetName;
        return false;
    }
    report.sheetName = chosen->name;
    std::u16string unused;
    grid::GridDocument empty;
    if (!empty.parse("SS grid 1\nend\n", unused) || !empty.applyTo(built)) {   // a sheet as an empty document loads
        error = "the grid refuses an empty sheet";
        return false;
    }
    SheetBuilder builder(book, *chosen, kind == WorkbookKind::Xlsx ? FormulaDialect::Xlsx : FormulaDialect::Ods, report);
    return builder.build(built, error);
}

} // namespace

bool importWorkbookBytes(grid::Sheet& sheet, std::string_view bytes, WorkbookKind kind, const std::string& sheetName,
                         ImportReport& report, std::string& error) {
    report = ImportReport{};
    if (kind == WorkbookKind::None) {
        error = "not a workbook (.xlsx or .ods)";
        return false;
    }
    std::vector<ZipPart> parts;
    if (!checkZipContainer(bytes, ZipLimits{}, error, &parts) || !checkXmlParts(bytes, parts, error))
        return false;
    if (kind == WorkbookKind::Ods) {
        // liborcus 0.17's ODS reader stops the process on assertions of its own for some malformed content, which
        // no check before it can rule out: it reads in a child process, and a reader that stops is a refusal.
        std::string document;
        const bool read = readIsolated(
            [&](IsolatedResult& result) {
                grid::Sheet built;
                if (!readWorkbook(bytes, kind, sheetName, result.report, built, result.error))
                    return false;
                result.document = grid::GridDocument::capture(built).toText();
                return true;
            },
            report, document, error);
        if (!read)
            return false;
        grid::GridDocument parsed;
        std::u16string why;
        if (!parsed.parse(document, why)) {
            error = "the workbook's sheet cannot be read back: " + os::toUtf8(why);
            return false;
        }
        if (!parsed.applyTo(sheet)) {
            error = "the sheet is calculating";
            return false;
        }
        return true;
    }
    grid::Sheet built;
    if (!readWorkbook(bytes, kind, sheetName, report, built, error))
        return false;
    if (!grid::GridDocument::capture(built).applyTo(sheet)) {
        error = "the sheet is calculating";
        return false;
    }
    return true;
}

bool importWorkbook(grid::Sheet& sheet, const std::string& path, const std::string& sheetName, ImportReport& report,
                    std::string& error) {
    std::string bytes;
    if (!readFile(path, bytes, error))
        return false;
    if (!importWorkbookBytes(sheet, bytes, workbookKindOf(path), sheetName, report, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

} // namespace interchange
