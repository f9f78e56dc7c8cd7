#pragma once
// The host's accessors to the macro model, as the standards engine calls them. Every accessor returns eOk on
// success and eInvalidInput on any failure (a null argument, a name or id the macro does not have, a value
// it cannot take); outputs are written only on success.
//
// Values travel as texts. A constraint value is read with 7 decimals; a text written into a number must be
// a whole decimal number (isNumber), anything else is refused and the value stays.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "cadhost/Drawing.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/Ork_DbMacro.h"

// The modules of a group, in macro order: those whose group name is `group`, and those without a group name
// whose own name is `group`. The empty group lists nothing and succeeds (the macro-level properties belong
// to it); a non-empty group without modules cannot be listed and fails.
ErrorStatus getModNamesOfGroup(Ork_Macro* macro, const Ork_String& group, Ork_StringArray& names);
// The module named `moduleName`. Module names are unique within a macro; `moduleIndex`, the module's
// position in its group's list, is not needed to tell modules apart.
ErrorStatus openModule(Ork_Macro* macro, const Ork_String& moduleName, Ork_Module*& module, int moduleIndex);

// Reads (get) or writes a constraint's value.
ErrorStatus getSetConstrVarValue(Ork_Module* module, const Ork_String& constraint, Ork_String& value, bool get);
// Every constraint of the module with its two dialog-variable flags, in module order.
ErrorStatus getDialogVariables(Ork_Module* module, Ork_StringArray& names, AcArray<bool>& first,
                               AcArray<bool>& second);

// The module's cut constraints with their constraint types.
ErrorStatus getCutConstraints(Ork_Module* module, Ork_StringArray& names, AcArray<int>& constraintTypes);
// The offset types a cut constraint type offers (see Ork_CutConstraint); eInvalidInput for an unknown type.
ErrorStatus getCutOffsets(int constraintType, AcArray<int>& offsetTypes);
ErrorStatus getCutConstraint(Ork_Module* module, const Ork_String& cut, Ork_CutConstraint*& constraint);
// Reads or writes one offset; fails for an offset type the constraint's type does not offer.
ErrorStatus getSetCutValue(Ork_Module* module, Ork_CutConstraint* constraint, int offsetType, double& value,
                           bool get);

// The ids of the module's bolt patterns, in module order.
ErrorStatus getPatternIds(Ork_Module* module, AcArray<AcDbObjectId>& ids);
ErrorStatus getPattern(AcDbObjectId id, Ork_BoltPattern*& pattern);
// The pattern of that name in a bolt module.
ErrorStatus findPattern(Ork_Module* boltModule, const Ork_String& pattern, AcDbObjectId& id,
                        AcDbTransaction* transaction);
// Reads or writes the start-reversed flag of one direction; the second direction exists only for a
// two-directional pattern.
ErrorStatus getSetBoltPatternReverses(Ork_Module* boltModule, AcDbObjectId id, bool firstDirection, bool get,
                                      bool& reversed, AcDbTransaction* transaction);
// Reads or writes a pattern's bolt count on the dialog side. A count written must be a whole number from 0
// on; it is stored without decimals ("4" for "4.0").
ErrorStatus getSetNrBolts(MacroTabData* tab, const Ork_String& pattern, Ork_String& value, bool get,
                          bool firstDirection);

// The profile placement of that name in a module.
ErrorStatus getNamedPrpl(Ork_Module* module, const Ork_String& placement, AcDbObjectId& id);
// The section name and the material of a profile placement or a base profile.
ErrorStatus getSectionName(AcDbObjectId id, Ork_String& section, AcDbTransaction* transaction);
ErrorStatus getMaterial(AcDbObjectId id, Ork_String& material, AcDbTransaction* transaction);
// The ids of the macro's base profiles, in order; the n-th (from 0).
ErrorStatus mapBaseProfIds(Ork_DbMacro* dbMacro, AcArray<AcDbObjectId>& ids);
ErrorStatus getBaseProf(Ork_DbMacro* dbMacro, int n, AcDbObjectId& id);
