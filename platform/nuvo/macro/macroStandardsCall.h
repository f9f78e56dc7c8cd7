#pragma once
// How the macro record reaches the module's standards evaluation: the add-on finds the module's exported
// `StartDlgStandardsSS` through the host's dynamic linker while the module is loaded, and calls it with a
// record it builds for one sheet. The record's layout is the module's own, so the add-on side that knows it
// installs the call (setStandardsCall); this library never links or includes the module.
#include "nuvo/Ork_String.h"

#include <functional>

class MacroData;
struct MacroStandardData;

namespace nuvo {

inline constexpr char16_t kStandardsModule[] = u"SS";
// bool StartDlgStandardsSS(KvDlgStandardsData&), as the module exports it.
inline constexpr char kStandardsEntrySymbol[] = "_Z19StartDlgStandardsSSR18KvDlgStandardsData";

// Runs one sheet through `entry` (the exported function) on the macro; true when the evaluation succeeded.
using StandardsCall = std::function<bool(void* entry, MacroData& macro, const MacroStandardData& standard)>;

// Installs the call (returning the one before); without one, loading from standards fails.
StandardsCall setStandardsCall(StandardsCall call);
bool callStandards(void* entry, MacroData& macro, const MacroStandardData& standard);

} // namespace nuvo
