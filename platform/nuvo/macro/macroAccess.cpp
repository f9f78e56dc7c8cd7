#include "nuvo/macro/macroAccess.h"

#include "nuvo/textHelpers.h"

#include <cmath>

namespace {

// A text that stands for a number: refused unless it is one, so a slip never writes 0 into a macro.
bool readNumber(const Ork_String& text, double& number) {
    if (!isNumber(text))
        return false;
    number = text.toDouble();
    return std::isfinite(number);
}

} // namespace

ErrorStatus getModNamesOfGroup(Ork_Macro* macro, const Ork_String& group, Ork_StringArray& names) {
    if (!macro)
        return eInvalidInput;
    Ork_StringArray found;
    for (const Ork_Module& m : macro->modules)
        if (!group.isEmpty() && m.groupOrName() == group)
            found.append(m.name);
    if (!group.isEmpty() && found.isEmpty())
        return eInvalidInput;
    names = found;
    return eOk;
}

ErrorStatus openModule(Ork_Macro* macro, const Ork_String& moduleName, Ork_Module*& module, int /*moduleIndex*/) {
    if (!macro)
        return eInvalidInput;
    return macro->findModuleWrite(moduleName, module);
}

ErrorStatus getSetConstrVarValue(Ork_Module* module, const Ork_String& constraint, Ork_String& value, bool get) {
    Ork_Constraint* c = module ? module->findConstraint(constraint) : nullptr;
    if (!c)
        return eInvalidInput;
    if (get) {
        value = Ork_String(c->value, 7);
        return eOk;
    }
    double number = 0;
    if (!readNumber(value, number))
        return eInvalidInput;
    c->value = number;
    return eOk;
}

ErrorStatus getDialogVariables(Ork_Module* module, Ork_StringArray& names, AcArray<bool>& first,
                               AcArray<bool>& second) {
    if (!module)
        return eInvalidInput;
    names.removeAll();
    first.removeAll();
    second.removeAll();
    for (const Ork_Constraint& c : module->constraints) {
        names.append(c.name);
        first.append(c.dialogFirst);
        second.append(c.dialogSecond);
    }
    return eOk;
}

ErrorStatus getCutConstraints(Ork_Module* module, Ork_StringArray& names, AcArray<int>& constraintTypes) {
    if (!module)
        return eInvalidInput;
    names.removeAll();
    constraintTypes.removeAll();
    for (const Ork_CutConstraint& c : module->cuts) {
        names.append(c.name);
        constraintTypes.append(c.constraintType);
    }
    return eOk;
}

ErrorStatus getCutOffsets(int constraintType, AcArray<int>& offsetTypes) {
    AcArray<int> types;
    if (!Ork_CutConstraint::offeredOffsetTypes(constraintType, types))
        return eInvalidInput;
    offsetTypes = types;
    return eOk;
}

ErrorStatus getCutConstraint(Ork_Module* module, const Ork_String& cut, Ork_CutConstraint*& constraint) {
    Ork_CutConstraint* c = module ? module->findCut(cut) : nullptr;
    if (!c)
        return eInvalidInput;
    constraint = c;
    return eOk;
}

ErrorStatus getSetCutValue(Ork_Module* module, Ork_CutConstraint* constraint, int offsetType, double& value,
                           bool get) {
    if (!module || !constraint || !Ork_CutConstraint::offers(constraint->constraintType, offsetType))
        return eInvalidInput;
    double& stored = constraint->offsets[static_cast<std::size_t>(offsetType)];
    if (get) {
        value = stored;
    } else {
        if (!std::isfinite(value))
            return eInvalidInput;
        stored = value;
    }
    return eOk;
}

ErrorStatus getPatternIds(Ork_Module* module, AcArray<AcDbObjectId>& ids) {
    if (!module)
        return eInvalidInput;
    ids.removeAll();
    for (const Ork_BoltPattern& p : module->patterns)
        ids.append(p.id);
    return eOk;
}

ErrorStatus getPattern(AcDbObjectId id, Ork_BoltPattern*& pattern) {
    Ork_BoltPattern* p = Ork_DbMacro::findPatternById(id);
    if (!p)
        return eInvalidInput;
    pattern = p;
    return eOk;
}

ErrorStatus findPattern(Ork_Module* boltModule, const Ork_String& pattern, AcDbObjectId& id,
                        AcDbTransaction* /*transaction*/) {
    if (!boltModule || !boltModule->isBoltModule())
        return eInvalidInput;
    const Ork_BoltPattern* p = boltModule->findPattern(pattern);
    if (!p || p->id.isNull())
        return eInvalidInput;
    id = p->id;
    return eOk;
}

ErrorStatus getSetBoltPatternReverses(Ork_Module* boltModule, AcDbObjectId id, bool firstDirection, bool get,
                                      bool& reversed, AcDbTransaction* /*transaction*/) {
    if (!boltModule || !boltModule->isBoltModule())
        return eInvalidInput;
    Ork_BoltPattern* p = boltModule->findPattern(id);
    if (!p || (!firstDirection && !p->isTwoDirectional()))
        return eInvalidInput;
    bool& flag = firstDirection ? p->reverseStart1 : p->reverseStart2;
    if (get)
        reversed = flag;
    else
        flag = reversed;
    return eOk;
}

ErrorStatus getSetNrBolts(MacroTabData* tab, const Ork_String& pattern, Ork_String& value, bool get,
                          bool firstDirection) {
    MacroPatternData* p = tab ? tab->findPattern(pattern) : nullptr;
    if (!p || (!firstDirection && !p->twoDirections))
        return eInvalidInput;
    Ork_String& count = firstDirection ? p->nrBolts1 : p->nrBolts2;
    if (get) {
        value = count;
        return eOk;
    }
    double number = 0;
    if (!readNumber(value, number) || number < 0 || number > 1e6 || number != std::floor(number))
        return eInvalidInput;
    count = Ork_String(number, 0);
    return eOk;
}

ErrorStatus getNamedPrpl(Ork_Module* module, const Ork_String& placement, AcDbObjectId& id) {
    const Ork_ProfilePlacement* p = module ? module->findPlacement(placement) : nullptr;
    if (!p || p->id.isNull())
        return eInvalidInput;
    id = p->id;
    return eOk;
}

ErrorStatus getSectionName(AcDbObjectId id, Ork_String& section, AcDbTransaction* /*transaction*/) {
    if (const Ork_ProfilePlacement* p = Ork_DbMacro::findPlacementById(id)) {
        section = p->section;
        return eOk;
    }
    if (const Ork_BaseProfile* b = Ork_DbMacro::findBaseProfileById(id)) {
        section = b->section;
        return eOk;
    }
    return eInvalidInput;
}

ErrorStatus getMaterial(AcDbObjectId id, Ork_String& material, AcDbTransaction* /*transaction*/) {
    if (const Ork_ProfilePlacement* p = Ork_DbMacro::findPlacementById(id)) {
        material = p->material;
        return eOk;
    }
    if (const Ork_BaseProfile* b = Ork_DbMacro::findBaseProfileById(id)) {
        material = b->material;
        return eOk;
    }
    return eInvalidInput;
}

ErrorStatus mapBaseProfIds(Ork_DbMacro* dbMacro, AcArray<AcDbObjectId>& ids) {
    const Ork_Macro* macro = dbMacro ? dbMacro->macro() : nullptr;
    if (!macro)
        return eInvalidInput;
    ids.removeAll();
    for (const Ork_BaseProfile& b : macro->baseProfiles)
        ids.append(b.id);
    return eOk;
}

ErrorStatus getBaseProf(Ork_DbMacro* dbMacro, int n, AcDbObjectId& id) {
    const Ork_Macro* macro = dbMacro ? dbMacro->macro() : nullptr;
    const Ork_BaseProfile* b = macro ? macro->baseProfiles.get(n) : nullptr;
    if (!b || b->id.isNull())
        return eInvalidInput;
    id = b->id;
    return eOk;
}
