#include "seclib/ProfSimpleEdit.h"

#include "nuvo/crtNumbers.h"
#include "nuvo/naturalOrder.h"
#include "nuvo/textHelpers.h"
#include "seclib/profTableLayout.h"

#include <algorithm>

namespace {

constexpr int kAngleType = 10;   // equal and unequal angles

// Digits with at most one ".": the numbers section names are made of (no sign, no exponent).
bool isPlainNumber(const Ork_String& text) {
    if (text.isEmpty())
        return false;
    bool digit = false, dot = false;
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (c == u'.' && !dot)
            dot = true;
        else
            return false;
    }
    return digit;
}

// A part of a name matches a value: a number by its value ("8" and "8.0"), any other text exactly.
bool partMatches(const Ork_String& part, const Ork_String& value) {
    if (isPlainNumber(part))
        return isPlainNumber(value) && _wtof(part.c_str()) == _wtof(value.c_str());
    return part == value;
}

Ork_String textBeforeFirstDigit(const Ork_String& name) {
    int start = 0;
    Ork_String digits;
    if (!findFirstNumbers(name, start, digits))
        return Ork_String();
    return Ork_String(name.substr(0, static_cast<std::size_t>(start)));
}

} // namespace

bool ProfSimpleEdit::start(Ork_ProfValuesTable& table, int filteredIndex) {
    Ork_StringArray offered;
    table.getFilteredSysNames(offered);
    if (filteredIndex < 0 || filteredIndex >= offered.length())
        return false;
    // The list names sizes as table + "-" + system name; the row is found by that system name.
    const Ork_String sysName(offered[filteredIndex].substr(table.name.size() + 1));
    int row = -1;
    if (!table.findSysName(sysName, row))
        return false;
    m_templateRow = row;
    m_languages = table.getNrLanguages();
    m_firstValue = kFirstLanguageColumn + m_languages;
    m_template = table.rows[row];
    if (!table.columnNames.isEmpty())
        m_template.setLogicalLength(std::max(m_template.length(), table.columnNames.length()));
    m_fieldCount = std::clamp(m_template.length() - m_firstValue, 0, kMaxFields);
    m_patternFields.removeAll();
    m_prefixes.removeAll();
    // From the edited row on, and never past the last row.
    const int last = std::min(table.rows.length(), row + kMaxPatternRows);
    for (int r = row; r < last; ++r)
        if (learnFrom(table, r))
            break;
    return true;
}

bool ProfSimpleEdit::learnFrom(const Ork_ProfValuesTable& table, int row) {
    const Ork_StringArray& cells = table.rows[row];
    if (cells.isEmpty() || cells[kSysNameColumn].isEmpty())
        return false;
    const Ork_StringArray parts = strToArr(cells[kSysNameColumn], u'x');
    const int fields = std::clamp(cells.length() - m_firstValue, 0, kMaxFields);
    AcArray<int> found;
    int next = 0;
    for (const Ork_String& part : parts) {
        int field = next;
        while (field < fields && !partMatches(part, cells[m_firstValue + field]))
            ++field;
        if (field >= fields)
            return false;
        found.append(field);
        next = field + 1;
    }
    m_patternFields = found;
    for (int i = 0; i < m_languages; ++i) {
        const int col = kFirstLanguageColumn + i;
        m_prefixes.append(col < cells.length() ? textBeforeFirstDigit(cells[col]) : Ork_String());
    }
    return true;
}

Ork_StringArray ProfSimpleEdit::templateFields() const {
    Ork_StringArray fields;
    for (int i = 0; i < m_fieldCount; ++i)
        fields.append(m_template[m_firstValue + i]);
    return fields;
}

Ork_String ProfSimpleEdit::prefix(int language) const {
    return language >= 0 && language < m_prefixes.length() ? m_prefixes[language] : Ork_String();
}

Ork_String ProfSimpleEdit::composedName(const Ork_StringArray& fields) const {
    if (!hasPattern())
        return Ork_String();
    Ork_StringArray parts;
    for (int field : m_patternFields)
        parts.append(field < fields.length() ? fields[field] : Ork_String());
    return arrToStr(parts, u'x');
}

bool ProfSimpleEdit::isAngleTable(const Ork_ProfValuesTable& table) {
    return isPlainNumber(table.descriptor) && table.descriptor.find(u'.') == Ork_String::npos &&
           _wtoi(table.descriptor.c_str()) == kAngleType;
}

bool ProfSimpleEdit::isSquareName(const Ork_String& sysName) {
    const Ork_StringArray parts = strToArr(sysName, u'x');
    return parts.length() >= 2 && !parts[0].isEmpty() && parts[0] == parts[1];
}

int ProfSimpleEdit::placeIndex(const Ork_ProfValuesTable& table, const Ork_String& sysName) const {
    // Tables list equal angles and unequal ones apart: a name goes after the nearest name of its own form
    // that does not sort after it, or before the first of its form; a table without that form sorts it among
    // all names.
    const bool square = isSquareName(sysName);
    int nearest = -1, firstOfForm = -1;
    for (int r = 0; r < table.rows.length(); ++r) {
        const Ork_StringArray& cells = table.rows[r];
        const Ork_String name = cells.isEmpty() ? Ork_String() : cells[kSysNameColumn];
        if (isSquareName(name) != square)
            continue;
        if (firstOfForm < 0)
            firstOfForm = r;
        if (naturalCompare(name, sysName) <= 0 && (nearest < 0 || naturalCompare(table.rows[nearest][0], name) <= 0))
            nearest = r;
    }
    if (nearest >= 0)
        return nearest + 1;
    if (firstOfForm >= 0)
        return firstOfForm;
    Ork_StringArray names;
    for (const Ork_StringArray& cells : table.rows)
        names.append(cells.isEmpty() ? Ork_String() : cells[kSysNameColumn]);
    return ObjectExportAddToSorted(names, sysName);
}

ProfSimpleEdit::Refusal ProfSimpleEdit::place(Ork_ProfValuesTable& table, bool compose, const Ork_String& typedName,
                                              const Ork_StringArray& fields, int& row, int& filteredIndex) const {
    const bool composing = compose && hasPattern();
    const Ork_String sysName = composing ? composedName(fields) : typedName;
    if (sysName.isEmpty())
        return Refusal::EmptyName;
    Ork_StringArray cells = m_template;
    cells.setLogicalLength(std::max(cells.length(), kFirstLanguageColumn + m_languages));
    cells[kSysNameColumn] = sysName;
    cells[kActiveColumn] = u"1";
    for (int i = 0; i < m_languages; ++i)
        cells[kFirstLanguageColumn + i] = composing ? prefix(i) + sysName : typedName;
    // Fields past the ones shown keep the template's values (a table may have more value columns).
    for (int i = 0; i < m_fieldCount && i < fields.length(); ++i)
        cells[m_firstValue + i] = fields[i];
    // Checked before anything is placed, so a refused OK leaves the table as it was and a retry adds one row.
    if (isAngleTable(table) && m_firstValue + 3 < cells.length()) {
        const double third = _wtof(cells[m_firstValue + 2].c_str());
        const double fourth = _wtof(cells[m_firstValue + 3].c_str());
        if (!(fourth == 0 || fourth > third))
            return Refusal::AngleLegs;
    }
    int existing = -1;
    if (table.findSysName(sysName, existing)) {
        table.rows[existing] = cells;   // the size is there already: it is edited, not added twice
        row = existing;
    } else {
        row = placeIndex(table, sysName);
        table.rows.insertAt(row, cells);
    }
    filteredIndex = table.getfilteredIdx(row);
    return Refusal::None;
}
