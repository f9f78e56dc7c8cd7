#include "nuvo/macro/Ork_Macro.h"

void Ork_Macro::getModuleNames(Ork_StringArray& names) const {
    names.removeAll();
    for (const Ork_Module& m : modules)
        names.append(m.name);
}

ErrorStatus Ork_Macro::findModuleWrite(const Ork_String& moduleName, Ork_Module*& module) {
    for (Ork_Module& m : modules) {
        if (m.name == moduleName) {
            module = &m;
            return eOk;
        }
    }
    return eInvalidInput;
}

const Ork_Module* Ork_Macro::findModule(const Ork_String& moduleName) const {
    for (const Ork_Module& m : modules)
        if (m.name == moduleName)
            return &m;
    return nullptr;
}

int Ork_Macro::generalVariableIndex(const Ork_String& variable) const {
    const auto found = genVarIndex_.find(variable);
    return found == genVarIndex_.end() ? -1 : found->second;
}

double Ork_Macro::generalVariableValue(const Ork_String& variable) const {
    const int i = generalVariableIndex(variable);
    return i < 0 ? 0.0 : genVarValues_[i];
}

bool Ork_Macro::hasGeneralVariable(const Ork_String& variable) const { return generalVariableIndex(variable) >= 0; }

ErrorStatus Ork_Macro::setGeneralVariable(const Ork_String& variable, double value) {
    if (variable.isEmpty())
        return eInvalidInput;
    const int i = generalVariableIndex(variable);
    if (i < 0) {
        genVarIndex_.emplace(variable, genVarNames_.length());
        genVarNames_.append(variable);
        genVarValues_.append(value);
    } else {
        genVarValues_[i] = value;
    }
    return eOk;
}

void Ork_Macro::getGeneralVariables(Ork_StringArray& names, AcArray<double>& values) const {
    names = genVarNames_;
    values = genVarValues_;
}

void Ork_Macro::removeGeneralVariables() {
    genVarNames_.removeAll();
    genVarValues_.removeAll();
    genVarIndex_.clear();
}
