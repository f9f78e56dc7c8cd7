#pragma once
// ss batch: a connection standard evaluated once per row of a table of cases, in direct mode, each row through
// the module's StartDlgStandardsSS exactly as `ss evaluate` hands it one case. `args` are the words after the
// command; the result is the process's exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss batch SHEET CASES.csv [--gen NAME=VALUE]... [--out RESULTS.csv] [--json]
int runBatch(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
