#pragma once
// The column layout every section table shares: system name, "I/O", the language columns, then the values.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

inline constexpr int kSysNameColumn = 0;
inline constexpr int kActiveColumn = 1;
inline constexpr int kFirstLanguageColumn = 2;
// A fifth language column is there only when it is headed "Korean"; any other header there is a value.
inline constexpr int kOptionalLanguageColumn = 6;
inline constexpr int kBaseLanguageCount = 4;

// 4, or 5 when the header at index 6 is "Korean".
int profTableLanguageCount(const Ork_StringArray& headers);

// The headers of a new table: "SysName", "I/O", then the host's languages cut to the table's language count
// (the four languages, and "Korean" when the host lists it fifth), so no language reads back as a value.
Ork_StringArray profTableNewHeaders();

// An "I/O" cell of "0" marks a size that is not offered; every other text, also an empty one, is offered.
inline bool isInactiveCell(const Ork_String& io) { return io == u"0"; }
