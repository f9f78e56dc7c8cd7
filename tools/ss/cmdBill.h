#pragma once
// The `ss bill` command: the lines of a CSV file fed through the module's bill output (KvSSBillOutput) as the
// host product feeds a bill, and the bill sheet saved with its settings, header and footer files. It attaches
// the module and drives its exported bill-output class, as the host does. `args` are the words after the
// command name; the result is the process's exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss bill ROWS.csv OUT [--settings NAME] [--kinds 1,2,3...] [--pictures]
int runBill(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
