#include "cmdBill.h"

#include "SSHost.h"
#include "workbook.h"
#include "grid/GridDocument.h"
#include "cadhost/Drawing.h"
#include "grid/Csv.h"
#include "nuvo/records/Ork_Bill.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/utf16.h"
#include "sheet/KvSSBillOutput.h"
#include "nuvo/Ork_Settings.h"
#include "spread/Ork_Spread.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace sscmd {
namespace {

constexpr const char* kBillHelp =
    "usage: ss bill ROWS.csv OUT [--settings NAME] [--kinds K1,K2,...] [--pictures]\n"
    "Writes a bill into the spreadsheet OUT (a grid document, or a workbook when OUT ends in .xlsx), as the\n"
    "host product does: the first record of ROWS.csv names the\n"
    "columns, every further record is one line of the bill. A record whose first field is #subtotal is a\n"
    "subtotal line; the mark's own column stays empty, so its totals stand under the lines' columns.\n"
    "  --settings NAME  the settings file NAME.kvd of the installation folder (default samples\\Bill); its\n"
    "                   header and footer files are copied beside OUT\n"
    "  --kinds LIST     the cell kind of each column: 1 whole number, 2 one decimal, 3 text, 0 as prepared\n"
    "  --pictures       a picture of each line's part in a row below the line\n"
    "Exit codes: 0 done, 1 wrong arguments, 2 ROWS.csv cannot be read, 3 OUT cannot be written,\n"
    "4 the module cannot be loaded, 5 the module could not make the bill's sheet.\n";

constexpr const char16_t* kSubtotalMark = u"#subtotal";

struct BillOptions {
    std::string rows, output;
    std::string settings = "samples\\Bill";
    AcArray<int> kinds;
    bool pictures = false;
};

bool parseKinds(const std::string& text, AcArray<int>& kinds) {
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string word = text.substr(start, end - start);
        if (word.empty() || word.size() > 3 || word.find_first_not_of("0123456789") != std::string::npos)
            return false;
        kinds.append(std::stoi(word));
        start = end + 1;
    }
    return true;
}

int parseBillOptions(const std::vector<std::string>& args, BillOptions& options, std::FILE* err) {
    std::vector<std::string> files;
    bool settingsSeen = false, kindsSeen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--settings" || a == "--kinds") {
            bool& seen = a == "--settings" ? settingsSeen : kindsSeen;
            if (seen || i + 1 >= args.size()) {
                std::fprintf(err, "ss bill: %s %s\n", a.c_str(), seen ? "given twice" : "needs a value");
                return kExitUsage;
            }
            seen = true;
            const std::string& value = args[++i];
            if (a == "--settings") {
                options.settings = value;
            } else if (!parseKinds(value, options.kinds)) {
                std::fprintf(err, "ss bill: --kinds takes numbers separated by commas, not %s\n", value.c_str());
                return kExitUsage;
            }
        } else if (a == "--pictures") {
            options.pictures = true;
        } else if (a.size() > 1 && a[0] == '-') {
            std::fprintf(err, "ss bill: unknown option %s\n", a.c_str());
            return kExitUsage;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        std::fprintf(err, "ss bill: needs ROWS.csv and OUT (see ss bill --help)\n");
        return kExitUsage;
    }
    options.rows = files[0];
    options.output = files[1];
    return kExitOk;
}

// The CSV's records as texts, each up to its last non-empty field: trailing empty fields of a short record
// must not widen the bill.
bool readRecords(const std::string& path, std::vector<Ork_StringArray>& records, std::string& error) {
    std::string bytes;
    if (!os::readBytes(os::toUtf16(path), bytes)) {
        error = "cannot be read";
        return false;
    }
    grid::Csv::Table table;
    std::u16string why;
    if (!grid::Csv::parse(bytes, table, why)) {
        error = os::toUtf8(why);
        return false;
    }
    records.assign(static_cast<std::size_t>(table.rows), Ork_StringArray());
    for (const grid::Csv::Table::Field& f : table.fields) {
        Ork_StringArray& record = records[static_cast<std::size_t>(f.row - 1)];
        if (record.length() < f.col)
            record.setLogicalLength(f.col);
        record[f.col - 1] = Ork_String(table.field(f));
    }
    return true;
}

// The bill's grid document `document` as the workbook `path`. A workbook has no header row: the bill's column
// names become its first row, in bold, the lines moving down one row with their formulas. The pictures come
// from the bill's live sheet `live`: the document names their files, which are gone once their rows stand.
bool writeWorkbook(const std::string& document, const grid::Sheet* live, const std::string& path, std::string& error) {
    grid::Sheet sheet;
    std::u16string why;
    if (!grid::GridDocument::load(sheet, os::toUtf16(document), why)) {
        error = os::toUtf8(why);
        return false;
    }
    if (live) {
        live->forEachCell([&](int col, int row) {
            grid::CellType type = live->cellType(col, row);
            if (type.kind == grid::CellKind::PictureFile && type.pictureBytes)
                sheet.setCellType(col, row, type);
        });
    }
    sheet.insertRows(1, 1);
    grid::Font bold;
    bold.bold = true;
    for (int col = 1; col <= sheet.maxCols(); ++col) {
        const grid::Value name = sheet.value(col, grid::kHeaderIndex);
        if (name.isEmpty())
            continue;
        sheet.setCellValue(col, 1, name);
        sheet.setFont(col, 1, bold);
    }
    sheet.recalcAll();
    return interchange::exportWorkbook(sheet, path, "Bill", error);
}

} // namespace

int runBill(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(kBillHelp, out);
            return kExitOk;
        }
    }
    BillOptions options;
    if (const int status = parseBillOptions(args, options, err))
        return status;
    std::vector<Ork_StringArray> records;
    std::string error;
    if (!readRecords(options.rows, records, error)) {
        std::fprintf(err, "ss bill: %s: %s\n", options.rows.c_str(), error.c_str());
        return kExitBadInput;
    }
    if (records.empty()) {
        std::fprintf(err, "ss bill: %s: no column names\n", options.rows.c_str());
        return kExitBadInput;
    }

    SSHost host;
    if (!host.load())
        return kExitNoModule;
    int result = kExitOk;
    {
        // The bill's window lives inside the module: the writer goes before the module is unloaded.
        KvSSBillOutput bill;
        Ork_Bill pictures;
        AcDbTransaction transaction;
        std::error_code ec;
        const std::filesystem::path pictureFolder = std::filesystem::temp_directory_path(ec);
        pictures.pictureFolder = Ork_String::fromUtf8(pictureFolder.string() + "/");
        // A workbook is made from the grid document the module writes, beside it and removed after.
        const bool workbook = interchange::workbookKindOf(options.output) == interchange::WorkbookKind::Xlsx;
        const std::string written = workbook ? options.output + "." + std::to_string(::getpid()) + ".kvs" : options.output;
        const Ork_String output = Ork_String::fromUtf8(written);
        // Without its settings file (NAME.kvd of the installation folder) the sheet is still made, from the default
        // settings; the user learns so.
        const Ork_String settingsName = Ork_String::fromUtf8(options.settings);
        const Ork_String settingsFile = Ork_Settings::asFolder(Ork_Settings::orkDir()) + settingsName + u".kvd";
        if (std::string bytes; !os::readBytes(settingsFile, bytes)) {
            const auto native = os::resolvePath(settingsFile);
            std::fprintf(err, "ss bill: warning: the settings file %s cannot be read; the default settings are used\n",
                         native ? native->string().c_str() : settingsFile.utf8().c_str());
        }
        if (bill.init(output, records[0], {}, options.kinds, settingsName, {}, {}) != eOk) {
            std::fprintf(err, "ss bill: the module could not make the bill's sheet\n");
            return kExitEvaluationFailed;
        }
        if (options.pictures)
            bill.setVars(-1, 0, 0, true, true, &pictures, &transaction);
        bill.onStartFeed();
        int lines = 0, subtotals = 0;
        for (std::size_t i = 1; i < records.size(); ++i) {
            Ork_StringArray texts = records[i];
            if (texts.length() > 0 && texts[0] == kSubtotalMark) {
                texts[0] = Ork_String();
                bill.onAddSubTotals(texts, {}, false, 0);
                ++subtotals;
            } else {
                bill.onAddRow(texts);
                ++lines;
            }
        }
        const int rows = bill.currentRow();
        std::string failure;
        if (bill.onEndFeed() != eOk) {
            std::fprintf(err, "ss bill: %s cannot be written\n", options.output.c_str());
            result = kExitCannotWrite;
        } else if (workbook && !writeWorkbook(written, bill.getSSPointer() ? &bill.getSSPointer()->sheet() : nullptr,
                                              options.output, failure)) {
            std::fprintf(err, "ss bill: %s\n", failure.c_str());
            result = kExitCannotWrite;
        } else {
            std::fprintf(out, "%s: %d lines, %d subtotals, %d rows\n", options.output.c_str(), lines, subtotals,
                         rows);
        }
        if (workbook) {
            std::error_code ec;
            std::filesystem::remove(written, ec);   // also when the bill failed half-way
        }
    }
    return result;
}

} // namespace sscmd
