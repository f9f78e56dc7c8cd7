#pragma once
// The host library's file helpers, on the module's paths ("\" separators, drive letters; see os/paths.h).
// Every write is atomic: a failed write leaves the old file exactly as it was and returns false.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// A text file as lines (UTF-8 with or without a byte-order mark, or UTF-16 with one; LF or CRLF). The
// lines are appended to `lines` after it is emptied. False when the file cannot be read.
bool ObjectExportReadFile(const Ork_String& path, Ork_StringArray& lines);
// Writes the lines as UTF-8, each ended by CRLF when `crlf`, else by LF.
bool ObjectExportWriteFile(const Ork_String& path, const Ork_StringArray& lines, bool crlf = false);

// A table file: one row per line, fields separated by TAB. `name` becomes the file's name without folder
// and extension. An empty line is a row without fields.
bool readFile(const Ork_String& path, Ork_String& name, Ork_Array<Ork_StringArray>& rows);
// Writes the rows as readFile reads them. A field holding a TAB, CR or LF cannot be stored: the write is
// refused (false, nothing written) rather than corrupting the table.
bool writeFile(const Ork_String& path, const Ork_Array<Ork_StringArray>& rows);

// The files matching `pattern` (a path whose last name may hold * and ?), as full paths sorted without
// case. False when nothing matches.
bool ObjectExportFindFiles(const Ork_String& pattern, Ork_StringArray& paths);
// The files matching the name pattern in `folder` and every folder below it, as full paths. False when
// nothing matches.
bool ObjectExportFindFilesRecursive(const Ork_String& folder, const Ork_String& pattern, Ork_StringArray& paths);
// True when a file matches the path (a folder is no file); the last name may hold wildcards.
bool ObjectExportFileExists(const Ork_String& path);
// Creates the folder and any missing folder above it; true when it exists afterwards.
bool ObjectExportCreateDirectory(const Ork_String& path);
bool deleteFile(const Ork_String& path);
