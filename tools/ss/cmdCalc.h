#pragma once
// The `ss calc` and `ss convert` commands: a grid document or a CSV file loaded, recalculated and printed, or
// converted between the two formats. They need only the grid library. `args` are the words after the command
// name; the result is the process's exit code (see kExit*).
#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

enum : int {
    kExitOk = 0,
    kExitUsage = 1,        // unknown option, missing or extra argument
    kExitBadInput = 2,     // the input file cannot be read or is malformed
    kExitCannotWrite = 3,  // the output file cannot be written
};

// ss calc FILE [--csv]: the values of rows 1 to the last row holding a value or a formula and of columns 1 to the
// last column holding one, as an aligned table (numbers right-aligned) or as CSV.
int runCalc(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
// ss convert IN OUT [--values]: by the files' extensions, ".csv" being CSV and every other name a grid
// document. Formulas are kept in CSV unless --values asks for the computed values.
int runConvert(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
