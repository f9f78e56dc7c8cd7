#pragma once
// ss macro: the macro dialog on a macro file, driven by a script of user steps, its values printed.
#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

int runMacro(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
