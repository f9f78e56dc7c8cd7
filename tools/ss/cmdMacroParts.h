#pragma once
// ss array and ss cut: the array dialog on an array of a macro file, and the cut dialog on a cut record,
// each driven by a script of user steps and its record printed.
#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

int runArray(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);
int runCut(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
