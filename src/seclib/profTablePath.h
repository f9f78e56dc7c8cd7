#pragma once
// Where a section table's file lies: the library's "prof\" folder, or a folder inside it.
#include "nuvo/Ork_String.h"

// True when `fileName` names a file inside "prof\": relative, no "." or ".." step, no empty step, and no
// character a file name may not hold (< > : " | ? * and control characters). "\" and "/" separate folders.
bool isProfTableName(const Ork_String& fileName);

// Ork_Settings::libDir() + "prof\" + fileName, with ".pr" appended unless the name ends in it. False (path
// untouched) for a name isProfTableName refuses.
bool profTablePath(const Ork_String& fileName, Ork_String& path);
