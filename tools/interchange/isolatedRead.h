#pragma once
// A workbook read in a child process, for a reader that may stop the process on input it does not expect: the
// child's end, however it comes, is the parent's refusal, and the parent goes on.
#include "workbook.h"

#include <functional>
#include <string>

namespace interchange {

struct IsolatedResult {
    ImportReport report;
    std::string document;   // the sheet read, as a grid document's text
    std::string error;
};

// Runs `read` in a child process and hands back what it filled. False with `error` when `read` returned false
// (its error), when the child stopped before it finished (a workbook its reader cannot take) or when no child
// could be started.
bool readIsolated(const std::function<bool(IsolatedResult&)>& read, ImportReport& report, std::string& document,
                  std::string& error);

} // namespace interchange
