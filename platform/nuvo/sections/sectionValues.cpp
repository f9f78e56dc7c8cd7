#include "nuvo/sections/sectionValues.h"

#include "nuvo/sections/Ork_SectionTableManager.h"

ErrorStatus getSectionValue(const Ork_String& sectionName, int column, Ork_String& value) {
    const Ork_SectionTable* table = nullptr;
    int row = 0;
    if (column < 0 || !Ork_SectionTableManager::instance().findSection(sectionName, table, row))
        return eInvalidInput;
    if (column >= table->headers.length())
        return eInvalidInput;
    const int cell = table->firstValueColumn() + column;
    const Ork_StringArray& cells = table->rows[row];
    if (cell >= table->headers.length() || cell >= cells.length())
        return eInvalidInput;
    value = cells[cell];
    return eOk;
}

ErrorStatus getSectionColumnNames(const Ork_String& sectionName, Ork_StringArray& names) {
    const Ork_SectionTable* table = nullptr;
    int row = 0;
    if (!Ork_SectionTableManager::instance().findSection(sectionName, table, row))
        return eInvalidInput;
    Ork_StringArray found;
    for (int c = table->firstValueColumn(); c < table->headers.length(); ++c)
        found.append(table->headers[c]);
    names = found;
    return eOk;
}
