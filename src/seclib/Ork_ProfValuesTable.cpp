#include "seclib/Ork_ProfValuesTable.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/textHelpers.h"
#include "seclib/profTableLayout.h"

#include <charconv>
#include <cmath>

namespace {

// The shortest text that reads back as the same double: "0.1", "5.6", "1e-07", never "0.10000000000000001".
bool shortestNumberText(double value, Ork_String& text) {
    if (!std::isfinite(value))
        return false;   // no text of a table reads back as infinity or NaN
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return false;
    text = Ork_String::fromUtf8(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
    return true;
}

} // namespace

Ork_ProfValuesTable::Ork_ProfValuesTable() = default;
Ork_ProfValuesTable::Ork_ProfValuesTable(const Ork_ProfValuesTable& other) = default;
Ork_ProfValuesTable& Ork_ProfValuesTable::operator=(const Ork_ProfValuesTable& other) = default;
Ork_ProfValuesTable::~Ork_ProfValuesTable() = default;

// ---- Rows and columns

bool Ork_ProfValuesTable::getRow(Ork_StringArray& out, const int& row) {
    const Ork_StringArray* cells = rows.get(row);
    if (!cells)
        return false;
    out = *cells;
    return true;
}

bool Ork_ProfValuesTable::deleteRow(const int& row) {
    if (!rows.get(row))
        return false;
    return rows.removeAt(row);
}

int Ork_ProfValuesTable::getColumnIdx(const Ork_String& header) {
    int index = -1;
    return columnNames.find(header, index) ? index : -1;
}

bool Ork_ProfValuesTable::getColumn(Ork_StringArray& out, const int& col) {
    if (rows.isEmpty() || col < 0 || col >= rows[0].length())
        return false;
    out.removeAll();
    for (const Ork_StringArray& cells : rows)
        out.append(col < cells.length() ? cells[col] : Ork_String());
    return true;
}

bool Ork_ProfValuesTable::getColumn(Ork_StringArray& out, const Ork_String& header) {
    const int col = getColumnIdx(header);
    return col >= 0 && getColumn(out, col);
}

// ---- System names

void Ork_ProfValuesTable::getSysNames(Ork_StringArray& out) { getSysNames(out, false); }

void Ork_ProfValuesTable::getFilteredSysNames(Ork_StringArray& out) { getSysNames(out, true); }

void Ork_ProfValuesTable::getSysNames(Ork_StringArray& out, bool onlyActive) {
    out.removeAll();
    Ork_StringArray sysNames, active;
    if (!getColumn(sysNames, kSysNameColumn))
        return;
    if (!getColumn(active, kActiveColumn)) {
        // Rows without an "I/O" cell are offered; only a table too narrow for the column has none at all.
        if (onlyActive)
            return;
        active.setLogicalLength(sysNames.length());
    }
    if (sysNames.length() != active.length())
        return;
    for (int i = 0; i < sysNames.length(); ++i)
        if (!onlyActive || !isInactiveCell(active[i]))
            out.append(name + u"-" + sysNames[i]);
}

bool Ork_ProfValuesTable::findSysName(const Ork_String& sysName, int& row) {
    Ork_StringArray sysNames;
    if (!getColumn(sysNames, kSysNameColumn))
        return false;
    return sysNames.find(sysName, row);
}

Ork_String Ork_ProfValuesTable::findUnusedSysName(const Ork_String& seed) {
    Ork_StringArray sysNames;
    getColumn(sysNames, kSysNameColumn);
    return findNonExistingString(sysNames, seed);
}

int Ork_ProfValuesTable::getfilteredIdx(const int& row) {
    if (!rows.get(row))
        return -1;
    // The same rule as the filtered list: only a "0" row is left out of it.
    int inactiveBefore = 0;
    for (int i = 0; i < row; ++i)
        if (rows[i].length() > kActiveColumn && isInactiveCell(rows[i][kActiveColumn]))
            ++inactiveBefore;
    return row - inactiveBefore;
}

int Ork_ProfValuesTable::getNrLanguages() { return profTableLanguageCount(columnNames); }

void Ork_ProfValuesTable::removeInactiveEntries() {
    for (int i = rows.length() - 1; i >= 0; --i)
        if (rows[i].length() > 1 && isInactiveCell(rows[i][kActiveColumn]))
            rows.removeAt(i);
}

// ---- Editing

bool Ork_ProfValuesTable::insertRow(const int& row) {
    // Not after the last row: a size is added between two sizes, the editor's list is sorted.
    if (row < 0 || row + 1 >= rows.length())
        return false;
    Ork_StringArray copy = rows[row];
    if (!columnNames.isEmpty())
        copy.setLogicalLength(columnNames.length());
    if (copy.isEmpty())
        return false;   // no cell to hold the new system name
    const int languageCol = getColumnIdx(gMacroLangs.GetCurLanguage());
    const bool hasLanguageCell = languageCol >= 0 && languageCol < copy.length();

    Ork_String stem = name;
    if (hasLanguageCell) {
        const Ork_String& userName = copy[languageCol];
        int start = 0;
        Ork_String digits;
        if (findFirstNumbers(userName, start, digits) && start > 0)
            stem = Ork_String(userName.substr(0, static_cast<std::size_t>(start)));
    }
    const Ork_String seed = copy[kSysNameColumn].isEmpty() ? Ork_String(u"1") : copy[kSysNameColumn];
    const Ork_String sysName = findUnusedSysName(seed);
    copy[kSysNameColumn] = sysName;
    // Without a column for the current language the copy keeps the user names of the row it copies.
    if (hasLanguageCell)
        copy[languageCol] = stem + sysName;
    return rows.insertAt(row + 1, copy);
}

ErrorStatus Ork_ProfValuesTable::insertRow(const int& row, const Ork_String& sysName, const Ork_String& userName) {
    if (!insertRow(row))
        return eInvalidInput;
    // The copy gets the names: renaming the copied row would orphan the drawings that use its size.
    const int inserted = row + 1;
    if (setSysName(inserted, sysName) != eOk || setUserNames(inserted, userName) != eOk) {
        rows.removeAt(inserted);
        return eInvalidInput;
    }
    return eOk;
}

ErrorStatus Ork_ProfValuesTable::setSysName(const int& row, const Ork_String& sysName) {
    Ork_StringArray* cells = rows.get(row);
    if (!cells || cells->isEmpty())
        return eInvalidInput;
    (*cells)[kSysNameColumn] = sysName;
    return eOk;
}

ErrorStatus Ork_ProfValuesTable::setUserNames(const int& row, const Ork_String& userName) {
    Ork_StringArray* cells = rows.get(row);
    const int languages = getNrLanguages();
    if (!cells || cells->length() < kFirstLanguageColumn + languages)
        return eInvalidInput;
    for (int i = 0; i < languages; ++i)
        (*cells)[kFirstLanguageColumn + i] = userName;
    return eOk;
}

ErrorStatus Ork_ProfValuesTable::setValues(const int& row, const AcArray<double>& values) {
    Ork_StringArray* cells = rows.get(row);
    const int first = kFirstLanguageColumn + getNrLanguages();
    if (!cells || cells->length() != first + values.length())
        return eInvalidInput;
    // Every text is made before any is written, so a value that has none changes nothing.
    Ork_StringArray texts;
    for (int i = 0; i < values.length(); ++i) {
        Ork_String text;
        if (!shortestNumberText(values[i], text))
            return eInvalidInput;
        texts.append(text);
    }
    for (int i = 0; i < texts.length(); ++i)
        (*cells)[first + i] = texts[i];
    return eOk;
}
