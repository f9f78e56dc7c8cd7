#pragma once
// Values of a section, from the process-wide section tables (Ork_SectionTableManager::instance()).
//
// Value columns count from 0 at the first column after "SysName" and the language columns, so for a table
// headed SysName, I/O, English, Dutch, German, French, h, b the value 0 of a section is its h.
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// The text of value column `column` of a section; eInvalidInput for an unknown section or a column outside
// its table or its row.
ErrorStatus getSectionValue(const Ork_String& sectionName, int column, Ork_String& value);
// The names of the value columns of a section's table, in column order.
ErrorStatus getSectionColumnNames(const Ork_String& sectionName, Ork_StringArray& names);
