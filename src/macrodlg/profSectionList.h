#pragma once
// The sections a profile's section field offers: the sizes of the section's own table, or a user section
// alone, always followed by the mixed-values entry (695).
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

struct ProfSectionChoices {
    Ork_StringArray systemNames;   // what the record holds ("IPE-200")
    Ork_StringArray displayNames;  // what the user sees ("IPE 200"), parallel to systemNames
    // The position of a system name, -1 when the list does not hold it.
    int find(const Ork_String& systemName) const;
};

// A name in "User Sections\" offers itself (shown without folder and extension); any other name offers the
// filtered sizes of the table named by its part before the first "-" (below the library's "prof\"). A table
// name that would leave "prof\", or a table that cannot be read, offers the mixed entry only.
ProfSectionChoices sectionChoicesOf(const Ork_String& section);

// The small picture of the section's table type (a type number or a template name), or empty.
Ork_String sectionTypeTextOf(const Ork_String& section);
