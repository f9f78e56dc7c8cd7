#pragma once
// ss edit-macro: the macro definition editor on a macro file, as the add-on opens it on a macro of the
// drawing. The record is prepared by the host, the editor runs through its entry point (modal, or modeless and
// ended by the host), the steps of a script drive it on the dialog runner of `ss dialog`, and what the editor
// asked of the host, printed and asked the user is reported; the changed macro can be written back.
#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// ss edit-macro MACRO.json [--module NAME] [--modeless] [--script FILE | --steps 'A; B'] [--write OUT.json]
//                [--png-prefix PREFIX] [--json]
int runEditMacro(const std::vector<std::string>& args, std::FILE* out, std::FILE* err);

} // namespace sscmd
