#pragma once
// The import interface liborcus's XLSX and ODS parsers talk to, answered into an ImportedWorkbook. The parsers
// never see the grid; the workbook they fill is checked and applied to a grid sheet afterwards.
#include <memory>

#include "importedWorkbook.h"

namespace orcus::spreadsheet::iface {
class import_factory;
}

namespace interchange {

std::unique_ptr<orcus::spreadsheet::iface::import_factory> makeImportFactory(ImportedWorkbook& workbook);

} // namespace interchange
