#pragma once
// Property files: the values of a macro's tabs kept under a name, so a user can save a set of values and load
// it into the same kind of macro later (docs/formats.md, "Macro property files"). One value per entry, found
// again by its tab and name; a value whose tab or name the macro lacks is counted, not placed.
//
// Reading is all or nothing: a file that is malformed anywhere (a missing key, an unknown kind, a state or
// index out of range) changes no value. Writing is atomic.
#include "nuvo/Ork_String.h"

#include <cstdint>
#include <string>
#include <string_view>

class MacroData;

// Property files larger than this are refused unread.
constexpr std::uint64_t kMaxMacroValuesBytes = 4u << 20;

std::string macroValuesText(const MacroData& macro);
bool readMacroValuesText(std::string_view utf8, MacroData& macro, int& unplaced, Ork_String& error);
bool writeMacroValues(const Ork_String& path, const MacroData& macro, Ork_String& error);
bool readMacroValues(const Ork_String& path, MacroData& macro, int& unplaced, Ork_String& error);
