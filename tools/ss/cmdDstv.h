#pragma once
// The `ss dstv` commands: the library's DSTV point files, managed through the module's point files dialog
// (StartDSTVPointsDlg) as a user would, and one file's points shown or edited in the point editor. `args`
// are the words after "dstv"; the result is the exit code (exitCodes.h).
#include "exitCodes.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

int runDstv(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
