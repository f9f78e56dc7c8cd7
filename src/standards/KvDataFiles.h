#pragma once
// The files behind the standards sheet functions: where a named data file is found, the data tables that
// GETCELL and GETPROFCELL look keys up in, and the standard-size lists of the STD...WITHTOLERANCE functions.
// The readers work on lines already read, so they can be checked without files.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <memory>
#include <vector>

namespace KvDataFiles {

// The first existing of: the name itself, libDir() + "Connection Standards\Data\" + name, libDir() +
// "Connection Standards\" + name, libDir() + name. False (path emptied) when none exists.
bool resolveDataFile(const Ork_String& name, Ork_String& path);

// A data table: the lines with "//" comments removed, the lines left empty dropped, each split at TAB into
// columns.
Ork_Array<Ork_StringArray> parseDataTable(const Ork_StringArray& lines);
// The table of a resolved data file; false when it cannot be read or holds no line.
bool readDataTable(const Ork_String& path, Ork_Array<Ork_StringArray>& rows);
// The same, shared: a file whose bytes are those read before is not parsed again. Null when it cannot be read
// or holds no line.
std::shared_ptr<const Ork_Array<Ork_StringArray>> dataTable(const Ork_String& path);

// The key of GETCELL's key arguments: the keys joined by ";".
Ork_String joinKeys(const Ork_StringArray& keys);

// The second column of the first row whose first column equals `key`. With `sectionNames`, every first
// column that the host's section tables know is compared as its system name ("IPE 200" as "IPE-200").
// False when no row matches or the matching row has no second column.
bool lookupDataTable(const Ork_Array<Ork_StringArray>& rows, const Ork_String& key, bool sectionNames,
                     Ork_String& value);

// One line of a standard-size list: "A x B" gives A and B; a line without "x" gives its number and 0.
struct StdSize {
    double first = 0;
    double second = 0;
};

// The entries of a standard-size list: "/* */" and "//" comments removed, blank lines skipped, each line
// split at its first lower-case "x".
std::vector<StdSize> parseStdSizes(const Ork_StringArray& lines);
// The entries of a resolved standard-size file; empty when it cannot be read. Parsed once per content, as
// dataTable.
std::vector<StdSize> readStdSizes(const Ork_String& path);

} // namespace KvDataFiles
