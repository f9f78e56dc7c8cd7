#pragma once
// The `ss classes` commands: the module's class registration utilities run on a registry store (the user's,
// or a folder given), with what they did read back from the store. `args` are the words after "classes";
// the result is the exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss classes register|cleanup|print [--registry DIR]
int runClasses(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
