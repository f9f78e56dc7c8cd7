#pragma once
// The `ss table` and `ss read` commands: a "FROMTABLE" look-up in the module's formula window, and the texts of
// a sheet as ReadSSFile gives them. Both load the module (SSHost) and reach it through its exported entry point
// ReadSSFile only. The formula windows they open are closed as soon as they have done their work
// (CommandLineServices), so no command waits for a user. `args` are the words after the command name; the
// result is the process's exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss table FILE KEYCOLUMN RESULTCOLUMN KEY [--verbose]: the value in RESULTCOLUMN of the first row whose
// KEYCOLUMN holds KEY (columns by their header texts; texts compared ignoring case). --verbose also prints
// what the module printed on its command line.
int runTable(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
// ss read FILE [--json]: the sheet's title (the text of its first cell), its column names and its rows.
int runRead(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
