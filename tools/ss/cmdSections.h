#pragma once
// The `ss sections` commands: the section tables of the library's "prof\" folder, listed, and one table shown.
// They read the tables through the module's exported Ork_ProfValuesTable, as the section library editors do,
// and need no dialog. `args` are the words after "sections"; the result is the exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss sections [--json]: every table with its section type and the number of sizes offered and in all.
// ss sections show TABLE [--all] [--json]: the sizes of one table (the offered ones, or all with --all).
int runSections(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
