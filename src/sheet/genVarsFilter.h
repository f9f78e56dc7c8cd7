#pragma once
// The filter of a general variable: the drawings and folders it applies to, relative to the macro folder and
// joined with ";". Chosen paths are compared with the macro folder as the file system would: "\" and "/"
// alike, "." and ".." applied, letters without case, so "Macros\..\x.dwg" lies outside it.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// `chosen` relative to `base` (a folder), or empty when it does not lie strictly inside it.
Ork_String pathBelowFolder(const Ork_String& base, const Ork_String& chosen);

// The filter with the chosen paths that lie inside `base` appended (relative to it); an empty filter gets no
// leading ";".
Ork_String appendToFilter(const Ork_String& filter, const Ork_String& base, const Ork_StringArray& chosen);
