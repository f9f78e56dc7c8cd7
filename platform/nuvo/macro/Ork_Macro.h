#pragma once
// A macro on the database side: its modules, its base profiles and its general variables (named numbers
// that every module and standards sheet of the macro share).
#include "cadhost/AcArray.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/macro/Ork_BaseProfile.h"
#include "nuvo/macro/Ork_MacroGroup.h"
#include "nuvo/macro/Ork_Module.h"

#include <string>
#include <unordered_map>

class Ork_Macro {
public:
    Ork_String name;
    Ork_Array<Ork_Module> modules;
    Ork_Array<Ork_BaseProfile> baseProfiles;
    Ork_MacroDefinition definition;   // groups and general settings of the definition editor

    virtual ~Ork_Macro() = default;

    // The names of the modules in macro order.
    void getModuleNames(Ork_StringArray& names) const;
    // The module with that exact name; eInvalidInput (module untouched) when there is none.
    ErrorStatus findModuleWrite(const Ork_String& moduleName, Ork_Module*& module);
    const Ork_Module* findModule(const Ork_String& moduleName) const;

    // General variables keep the order in which they were first set.
    // The value of a general variable; 0 for a name the macro does not have.
    double generalVariableValue(const Ork_String& variable) const;
    bool hasGeneralVariable(const Ork_String& variable) const;
    // Sets the value, adding the variable when the macro does not have it yet. eInvalidInput for an empty name.
    ErrorStatus setGeneralVariable(const Ork_String& variable, double value);
    void getGeneralVariables(Ork_StringArray& names, AcArray<double>& values) const;
    void removeGeneralVariables();

private:
    int generalVariableIndex(const Ork_String& variable) const;

    Ork_StringArray genVarNames_;
    AcArray<double> genVarValues_;
    // Name -> position in the lists: a macro of 100,000 general variables is read (each set once) in linear time.
    std::unordered_map<std::u16string, int> genVarIndex_;
};
