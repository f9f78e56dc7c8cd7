#pragma once
// The host's section-name translation table "CIS2ProfNames.dat" in the library folder: one section a line,
// the library's section name and the name the CIS/2 export writes, separated by TAB (UTF-8). Editing it is a
// host dialog of its own: the table in a two-column grid, with OK and Cancel.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <string_view>

inline constexpr char16_t kSectionTranslationFile[] = u"CIS2ProfNames.dat";

// The rows of the library's table, each two texts. A missing file is an empty table; false (rows unchanged)
// when the file cannot be read or is malformed.
bool readSectionTranslation(Ork_Array<Ork_StringArray>& rows);
// Shows the rows for editing (the grid dialog, titled `title`, with `text` above the grid); on OK the rows
// left in the grid (a row with both cells empty is dropped) are written over the file atomically and given
// back in `rows`. False when cancelled or when the file cannot be written (the old file then stays, and the
// user is told).
bool writeSectionTranslation(Ork_Array<Ork_StringArray>& rows, const Ork_String& title, const Ork_String& text);

namespace nuvo {
// The table of a file's bytes; false with `error` naming the line when a line has not exactly two fields.
// Empty lines are skipped.
bool parseSectionTranslation(std::string_view bytes, Ork_Array<Ork_StringArray>& rows, Ork_String& error);
// The grid dialog's template number (built by this library, not a resource of the module).
inline constexpr int kSectionTranslationDialog = 30100;
inline constexpr int kSectionTranslationGrid = 1001;
inline constexpr int kSectionTranslationText = 1002;
} // namespace nuvo
