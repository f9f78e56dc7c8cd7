// The table's files, its grid and its registration with the host.
#include "seclib/Ork_ProfValuesTable.h"

#include "grid/Value.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "seclib/profTablePath.h"
#include "spread/Ork_Spread.h"

// ---- Files

bool Ork_ProfValuesTable::readFromFile(const Ork_String& fileName) {
    Ork_String path;
    if (!profTablePath(fileName, path))
        return false;
    Ork_String readName;
    Ork_Array<Ork_StringArray> readRows;
    if (!readFile(path, readName, readRows))
        return false;   // read aside first: a failed read leaves the table as it was
    name = readName;
    // A one-line file is only the descriptor line; descriptor and headers stay as they were.
    if (readRows.length() > 1) {
        descriptor = readRows[0].isEmpty() ? Ork_String() : readRows[0][0];
        columnNames = readRows[1];
        readRows.removeAt(0);
        readRows.removeAt(0);
    }
    rows = std::move(readRows);
    return true;
}

bool Ork_ProfValuesTable::writeToFile(const Ork_String& fileName) {
    Ork_String path;
    if (!profTablePath(fileName, path))
        return false;
    Ork_Array<Ork_StringArray> lines;
    lines.append(Ork_StringArray{descriptor});
    lines.append(columnNames);
    for (const Ork_StringArray& cells : rows)
        lines.append(cells);
    return writeFile(path, lines);
}

// ---- Grid

namespace {

// Headers are kept as texts: written as data, a header "05" or a table named "007" would come back as a number.
void setHeaderText(Ork_Spread& grid, int column, int row, const Ork_String& text) {
    grid.sheet().setCellValue(column, row, text.empty() ? grid::Value() : grid::Value::text(text));
}

// A header the table left empty reads as the grid's own label (column letters, row numbers), which the table
// would then keep as its text: an empty header stays empty.
Ork_String headerText(Ork_Spread& grid, int column, int row) {
    Ork_String text;
    if (!grid.sheet().value(column, row).isEmpty())
        grid.getCellText(column, row, text, Ork_Spread::kTextData);
    return text;
}

// The grid takes texts up to their first NUL character; a table holding one would come back cut.
bool holdsNul(const Ork_ProfValuesTable& table) {
    auto has = [](const Ork_String& text) { return text.find(u'\0') != Ork_String::npos; };
    if (has(table.name))
        return true;
    for (const Ork_String& header : table.columnNames)
        if (has(header))
            return true;
    for (const Ork_StringArray& cells : table.rows)
        for (const Ork_String& cell : cells)
            if (has(cell))
                return true;
    return false;
}

} // namespace

bool Ork_ProfValuesTable::setToSS(Ork_Spread& grid) {
    grid.ssSetBool(grid::kSwitchRepaint, false);
    grid.setMaxRows(0);
    grid.setMaxCols(0);
    if (rows.isEmpty() || holdsNul(*this)) {
        grid.ssSetBool(grid::kSwitchRepaint, true);
        return false;
    }
    const int rowCount = rows.length(), colCount = columnNames.length();
    grid.setMaxRows(rowCount);
    grid.setMaxCols(colCount);
    // Closed before the cells change under an open editor; text cells keep "5.60" as written.
    grid.ssSetEditMode(false);
    if (colCount > 0)
        grid.setTextCells(1, 1, colCount, rowCount);
    for (int c = 0; c < colCount; ++c)
        setHeaderText(grid, c + 1, Ork_Spread::kHeader, columnNames[c]);
    for (int r = 0; r < rowCount; ++r)
        setHeaderText(grid, Ork_Spread::kHeader, r + 1, name);
    for (int i = 0; i < rowCount; ++i)
        grid.setRowTexts(i + 1, rows[i]);
    grid.applyFitMode();
    grid.ssSetBool(grid::kSwitchRepaint, true);
    return true;
}

bool Ork_ProfValuesTable::getFromSS(Ork_Spread& grid) {
    const int rowCount = grid.getMaxRows(), colCount = grid.getMaxCols();
    if (rowCount < 1 || colCount < 1)
        return false;
    Ork_Array<Ork_StringArray> gridRows;
    if (!grid.getAllRows(gridRows))
        return false;
    Ork_StringArray headers;
    for (int c = 1; c <= colCount; ++c)
        headers.append(headerText(grid, c, Ork_Spread::kHeader));
    columnNames = headers;
    name = headerText(grid, Ork_Spread::kHeader, 1);
    rows = std::move(gridRows);
    return true;
}

// ---- Host

ErrorStatus Ork_ProfValuesTable::setToGlobals(Ork_SectionTableManager* manager) {
    if (!manager)
        return eInvalidInput;
    const Ork_String fileName = name + u".pr";
    const Ork_String registered = descriptor.find(u'.') != Ork_String::npos ? u"Prof\\" + descriptor : descriptor;
    Ork_StringArray headers = columnNames;
    Ork_Array<Ork_StringArray> values = rows;
    const int active = getColumnIdx(u"I/O");
    if (active >= 0) {
        headers.removeAt(active);
        for (Ork_StringArray& cells : values)
            if (cells.length() > 1 && active < cells.length())
                cells.removeAt(active);
    }
    // The manager replaces a table of the same name only once the new one is accepted, so a refused table
    // leaves the registration there was.
    return addSectionTable(manager, fileName, registered, headers, values);
}
