#pragma once
// Reading and writing the module-level properties a standards variable can reach — distances, cut offsets,
// bolt data, bolt patterns and owned member names — shared by the object maps and the name-encoded access
// of module-group mode. Every function returns eOk or eInvalidInput and changes `value` only on a get that
// succeeds.
#include "cadhost/Drawing.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/Ork_Module.h"

namespace standards {

// The dialog tab of a module: the tab named by its group name, or by its own name when it has none.
ErrorStatus findModuleTab(MacroData* macroData, const Ork_Module* module, MacroTabData*& tab);

// A distance. Before a set, a flexible distance is made fixed (its button pressed once), so the value it is
// given is the value it keeps.
ErrorStatus accessDistance(Ork_Module* module, MacroTabData* tab, const Ork_String& constraint, Ork_String& value,
                           bool get);
// A text written into a numeric property of the macro: true, with its number, only when the whole text reads
// as a finite number. Anything else (an error value's text, a word, an empty text) is refused by the property's
// map rather than written as 0 or as text.
bool readMacroNumber(const Ork_String& text, double& number);

// A cut offset of type 0 to 8; read with 7 decimals; a written text must read as a number.
ErrorStatus accessCutOffset(Ork_Module* module, const Ork_String& cut, int offsetType, Ork_String& value, bool get);
// The diameter (or the hole offset) text of the tab's bolt record; a written text must read as a number.
ErrorStatus accessBoltData(MacroTabData* tab, bool diameter, Ork_String& value, bool get);
ErrorStatus accessNrBolts(MacroTabData* tab, const Ork_String& pattern, bool firstDirection, Ork_String& value,
                          bool get);
// The start-reversed flag of a pattern of a bolt module: "1" reversed, "0" not; a written "1" reverses,
// any other text does not.
ErrorStatus accessReverseStart(Ork_Module* module, const Ork_String& pattern, bool firstDirection,
                               Ork_String& value, bool get, AcDbTransaction* transaction);
ErrorStatus accessOwnedMember(MacroTabData* tab, const Ork_String& group, Ork_String& value, bool get);

} // namespace standards
