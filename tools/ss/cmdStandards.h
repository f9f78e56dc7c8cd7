#pragma once
// The standards commands of `ss`: evaluations of connection-standards sheets (direct and macro mode), the
// declarations of a sheet, and the tour of the library. Each attaches the module and evaluates through its
// exported entry point StartDlgStandardsSS, as the CAD host does. `args` are the words after the command; the
// result is the process's exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss evaluate SHEET [--set NAME=VALUE]... [--gen NAME=VALUE]... [--json]
// ss evaluate SHEET --macro MACRO.json --target TARGET [--write OUT.json] [--gen NAME=VALUE]... [--json]
int runEvaluate(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
// ss vars SHEET [--json]
int runVars(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
// ss (no arguments): the library's standards, their variables, and one evaluation of each sample standard.
int runTour(std::FILE* out, std::FILE* err);

} // namespace sscmd
