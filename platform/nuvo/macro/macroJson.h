#pragma once
// Macro files: a macro's database side and dialog side in one JSON document (UTF-8), so the `ss` command
// and the tests can load realistic macros and write changed ones back. The format is described in
// docs/formats.md ("Macro files").
//
// Reading validates the whole document before anything is changed: a malformed file is refused with a
// message naming the line and column of a syntax error or the place of a wrong value
// ("modules[1].cuts[0].offsets.radius: cut type 4 has no such offset"), and both outputs stay as they were.
#include "nuvo/Ork_String.h"
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/Ork_DbMacro.h"

#include <string>
#include <string_view>

// Files larger than this are refused unread.
constexpr std::size_t kMaxMacroFileBytes = 16u << 20;

bool readMacroJson(const Ork_String& path, Ork_DbMacro& dbMacro, MacroData& macroData, Ork_String& error);
bool readMacroJsonText(std::string_view utf8, Ork_DbMacro& dbMacro, MacroData& macroData, Ork_String& error);

// Written atomically; false (old file untouched) when the file cannot be written.
bool writeMacroJson(const Ork_String& path, const Ork_Macro& macro, const MacroData& macroData,
                    Ork_String& error);
std::string macroJsonText(const Ork_Macro& macro, const MacroData& macroData);
