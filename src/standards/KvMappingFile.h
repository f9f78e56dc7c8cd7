#pragma once
// The mapping file of a standards spreadsheet: "Mapping version 1.0", then one line per mapping target —
// the target, "=", and the pairs of variable, "ƒ", mapping string, separated by "¿".
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

namespace KvMappingFile {

inline constexpr const char16_t* kHeader = u"Mapping version 1.0";
inline constexpr char16_t kPairSeparator = u'\u00BF';    // ¿
inline constexpr char16_t kVariableSeparator = u'\u0192'; // ƒ

// Where the mapping file of a spreadsheet lies. A spreadsheet named by an absolute path has it beside
// itself (the path with extension "map"); any other name is a sheet of the library's "Connection
// Standards\" folder: libDir() + "Connection Standards\" + name + ".kvs", with extension "map".
Ork_String pathOf(const Ork_String& spreadsheet);

// The mapping lines of a file, its header line dropped: the first line when it holds both "Mapping" and
// "version". False when the file cannot be read.
bool readLines(const Ork_String& path, Ork_StringArray& lines);
void dropHeader(Ork_StringArray& lines);
// The header and the lines, written whole and atomically.
bool writeLines(const Ork_String& path, const Ork_StringArray& lines);

// The target of a line: everything before its first "="; a line without "=" has the empty target.
Ork_String targetOf(const Ork_String& line);
Ork_StringArray targetsOf(const Ork_StringArray& lines);

} // namespace KvMappingFile
