#pragma once
// Workbooks of the spreadsheet programs people use (XLSX, ODS) read into a grid sheet and a grid sheet written
// as XLSX. The formats' libraries (liborcus, libxlsxwriter) stay behind these functions, so the module and the
// grid never depend on them: only `ss` links this library.
#include <string>
#include <string_view>
#include <vector>

#include "grid/Sheet.h"

namespace interchange {

enum class WorkbookKind { None, Xlsx, Ods };

// By the file name's extension (".xlsx", ".ods", any case); None for every other name.
WorkbookKind workbookKindOf(std::string_view path);

struct ImportReport {
    std::vector<std::string> sheetNames;   // every sheet of the workbook, in its order
    std::string sheetName;                 // the one read
    std::vector<std::string> warnings;     // what the grid could not keep, each naming its cell
};

// Reads one sheet of a workbook (`sheetName`, or the first when empty) into `sheet`, replacing what it held.
// False with `error` for a file that cannot be read, is malformed or hostile (sizes past the limits below),
// or has no sheet of that name; the sheet is then left as it was.
bool importWorkbook(grid::Sheet& sheet, const std::string& path, const std::string& sheetName, ImportReport& report,
                    std::string& error);
// The same from the file's bytes (`kind` says the format).
bool importWorkbookBytes(grid::Sheet& sheet, std::string_view bytes, WorkbookKind kind, const std::string& sheetName,
                         ImportReport& report, std::string& error);

// Writes `sheet` as an XLSX workbook of one sheet, atomically (a temporary file in the same folder renamed over
// `path`). What it drops (tags, cell types, the header row and column) is listed in docs/formats.md.
bool exportWorkbook(const grid::Sheet& sheet, const std::string& path, const std::string& sheetName, std::string& error);

} // namespace interchange
