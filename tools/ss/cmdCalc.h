#pragma once
// The `ss calc` and `ss convert` commands: a grid document or a CSV file loaded, recalculated and printed, or
// converted between the two formats. They need only the grid library. `args` are the words after the command
// name; the result is the process's exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss calc FILE [--csv]: the values of rows 1 to the last row holding a value or a formula and of columns 1 to the
// last column holding one, as an aligned table (numbers right-aligned) or as CSV.
int runCalc(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
// ss convert IN OUT [--values]: by the files' extensions, ".csv" being CSV and every other name a grid
// document. Formulas are kept in CSV unless --values asks for the computed values.
int runConvert(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
