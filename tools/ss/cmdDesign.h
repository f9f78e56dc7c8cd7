#pragma once
// ss design: the library's designed pages (the tabs the macro dialog lays over a picture), listed and shown
// control by control, through the module's exported page class and GetImageDlgCtrlNames.
#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss design list [--json]
// ss design show NAME|FILE [--json]
int runDesign(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
