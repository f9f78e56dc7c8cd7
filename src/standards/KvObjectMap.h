#pragma once
// Ties one spreadsheet variable to one property of a macro object, and reads or writes that property.
//
// A map is written as its mapping string: object, "•", the kind's keyword, a blank, property
// ("EndPlate•Distance Gap").
#include "SS/ssExport.h"
#include "cadhost/Drawing.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "standards/KvMapKind.h"
#include "standards/KvValueType.h"

#include <cstdint>

class KvVarCell;
class Ork_DbMacro;
class Ork_Macro;
class Ork_Module;
class MacroData;

class SS_EXPORT KvObjectMap {
public:
    Ork_String object;      // the module group; empty for general variables and base profiles
    Ork_String property;    // the property's name within the object ("Prof" + n for base profiles)
    Ork_String variable;    // the spreadsheet variable
    KvMapKind kind = KvMapKind::None;
    std::int32_t sortKey = 3;
    Ork_String caption;

    KvObjectMap(const Ork_String& object_, const Ork_String& property_, const Ork_String& variable_, KvMapKind kind_,
                std::int32_t sortKey_ = 3, const Ork_String& caption_ = {})
        : object(object_), property(property_), variable(variable_), kind(kind_), sortKey(sortKey_),
          caption(caption_) {}
    KvObjectMap();
    KvObjectMap(const KvObjectMap& other);
    KvObjectMap& operator=(const KvObjectMap& other);
    virtual ~KvObjectMap();

    // Reads a mapping string; eInvalidInput (map untouched) without "•" or a known keyword.
    ErrorStatus getMappingFromStrs(const Ork_String& variableName, const Ork_String& mapping);
    // eInvalidInput for a map without a known kind.
    ErrorStatus setMappingToStrs(Ork_String& mapping, Ork_String& variableName) const;
    // Reads the mapping string paired (by index) with the cell's name.
    ErrorStatus mapFromArrays(const Ork_StringArray& variableNames, const Ork_StringArray& mappings,
                              const KvVarCell& cell);
    // eOk when both maps reach the same property: object, property and kind equal (variables not compared).
    ErrorStatus isCompatible(const KvObjectMap& other) const;

    ErrorStatus getMacroVarValue(Ork_DbMacro* dbMacro, MacroData* macroData, Ork_String& value,
                                 AcDbTransaction* transaction) const;
    ErrorStatus setMacroVarValue(Ork_DbMacro* dbMacro, MacroData* macroData, const Ork_String& value,
                                 AcDbTransaction* transaction) const;

    // Module-group mode: the variable's name says what it reaches in `module` ("gen.Width", "Beam.Name",
    // "Cut1.CutRadius", "P1.NrBolts1", a bare distance name ...).
    static ErrorStatus getSetVarByName(const Ork_String& name, KvValueType valueType, Ork_Module* module,
                                       Ork_Macro* macro, MacroData* macroData, Ork_String& value, bool get,
                                       AcDbTransaction* transaction);

private:
    // Module-level kinds act on every module of the group; the others act on the macro itself.
    ErrorStatus getSetMacroVarValue(Ork_DbMacro* dbMacro, MacroData* macroData, Ork_String& value, bool get,
                                    AcDbTransaction* transaction) const;
    ErrorStatus getSetModuleVarValue(Ork_Macro* macro, MacroData* macroData, const Ork_String& moduleName,
                                     int moduleIndex, Ork_String& value, bool get,
                                     AcDbTransaction* transaction) const;
};
