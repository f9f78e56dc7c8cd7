#include "standards/KvObjectMap.h"

#include "nuvo/macro/macroAccess.h"
#include "nuvo/sections/sectionValues.h"
#include "nuvo/textHelpers.h"
#include "standards/KvVarCell.h"
#include "standards/macroProperties.h"

using namespace standards;

namespace {

constexpr char16_t kBullet = u'\u2022';

// A whole number written with digits only; at most 9 of them, so it fits an int.
bool readIndex(const Ork_String& text, int& n) {
    if (text.isEmpty() || text.len() > 9)
        return false;
    for (char16_t c : text)
        if (c < u'0' || c > u'9')
            return false;
    n = text.toInt();
    return true;
}

// "Prof" + n.
bool readProfIndex(const Ork_String& text, int& n) {
    return text.startsWith(u"Prof") && readIndex(text.mid(4), n);
}

// Kinds whose property holds a number: a written text must read as one.
bool holdsNumber(KvMapKind kind) {
    return kind == KvMapKind::Distance || kind == KvMapKind::GenVar || isCutKind(kind) ||
           kind == KvMapKind::BoltsDiameter || kind == KvMapKind::BoltsHoleOffset;
}

ErrorStatus baseProfileSection(Ork_DbMacro* dbMacro, int n, Ork_String& section, AcDbTransaction* transaction) {
    AcDbObjectId id;
    if (getBaseProf(dbMacro, n, id) != eOk || getSectionName(id, section, transaction) != eOk)
        return eInvalidInput;
    return eOk;
}

} // namespace

ErrorStatus KvObjectMap::getMappingFromStrs(const Ork_String& variableName, const Ork_String& mapping) {
    Ork_String before, rest;
    if (!splitString(mapping, kBullet, before, rest))
        return eInvalidInput;
    stripSymbols(rest, u' ', true, false);
    KvMapKind found = KvMapKind::None;
    if (!mapKindFromKeywordPrefix(rest, found))
        return eInvalidInput;
    const int blank = rest.indexOf(u" ");
    object = before;
    property = blank < 0 ? Ork_String() : rest.mid(blank + 1);
    kind = found;
    variable = variableName;
    return eOk;
}

ErrorStatus KvObjectMap::setMappingToStrs(Ork_String& mapping, Ork_String& variableName) const {
    const KvMapKindInfo* info = mapKindInfo(kind);
    if (!info)
        return eInvalidInput;
    mapping = object + Ork_String(kBullet) + info->keyword + u" " + property;
    variableName = variable;
    return eOk;
}

ErrorStatus KvObjectMap::mapFromArrays(const Ork_StringArray& variableNames, const Ork_StringArray& mappings,
                                       const KvVarCell& cell) {
    const int index = variableNames.indexOf(cell.name);
    if (index < 0 || index >= mappings.length())
        return eInvalidInput;
    return getMappingFromStrs(cell.name, mappings[index]);
}

ErrorStatus KvObjectMap::isCompatible(const KvObjectMap& other) const {
    return object == other.object && property == other.property && kind == other.kind ? eOk : eInvalidInput;
}

ErrorStatus KvObjectMap::getMacroVarValue(Ork_DbMacro* dbMacro, MacroData* macroData, Ork_String& value,
                                          AcDbTransaction* transaction) const {
    return getSetMacroVarValue(dbMacro, macroData, value, true, transaction);
}

ErrorStatus KvObjectMap::setMacroVarValue(Ork_DbMacro* dbMacro, MacroData* macroData, const Ork_String& value,
                                          AcDbTransaction* transaction) const {
    Ork_String text = value;
    return getSetMacroVarValue(dbMacro, macroData, text, false, transaction);
}

ErrorStatus KvObjectMap::getSetMacroVarValue(Ork_DbMacro* dbMacro, MacroData* macroData, Ork_String& value,
                                             bool get, AcDbTransaction* transaction) const {
    Ork_Macro* macro = dbMacro ? dbMacro->macroWrite() : nullptr;
    if (!macro || !mapKindInfo(kind))
        return eInvalidInput;
    // Refused by the map itself: the modules' own refusals are not reported from the loop below, and an error
    // value's text must never reach the macro as 0 or as text.
    double number = 0.0;
    if (!get && holdsNumber(kind) && !readMacroNumber(value, number))
        return eInvalidInput;
    Ork_StringArray modules;
    if (getModNamesOfGroup(macro, object, modules) != eOk)
        return eInvalidInput;
    // Every module of the group that has the property takes a written value; a read gives the value of the
    // last one that has it. A module without it is no failure of the group.
    for (int i = 0; i < modules.length(); ++i)
        getSetModuleVarValue(macro, macroData, modules[i], i, value, get, transaction);

    switch (kind) {
    case KvMapKind::GenVar:
        if (get)
            value = Ork_String(macro->generalVariableValue(property), 8);
        else if (macro->setGeneralVariable(property, number) != eOk)
            return eInvalidInput;
        return eOk;
    case KvMapKind::PrPlName:
    case KvMapKind::PrPlMaterial: {
        int n = 0;
        if (!get || !readProfIndex(property, n))
            return eInvalidInput;
        return baseProfileSection(dbMacro, n, value, transaction);
    }
    case KvMapKind::MemberSectionSize: {
        Ork_String prof, column;
        int n = 0, j = 0;
        if (!get || !splitString(property, u';', prof, column) || !readProfIndex(prof, n) || !readIndex(column, j))
            return eInvalidInput;
        Ork_String section;
        if (baseProfileSection(dbMacro, n, section, transaction) != eOk)
            return eInvalidInput;
        Ork_String text;
        if (getSectionValue(section, j, text) != eOk)
            return eInvalidInput;
        value = text;
        return eOk;
    }
    default:
        return eOk;
    }
}

ErrorStatus KvObjectMap::getSetModuleVarValue(Ork_Macro* macro, MacroData* macroData, const Ork_String& moduleName,
                                              int moduleIndex, Ork_String& value, bool get,
                                              AcDbTransaction* transaction) const {
    if (!macro || !macroData)
        return eInvalidInput;
    switch (kind) {
    case KvMapKind::None:
    case KvMapKind::GenVar:
    case KvMapKind::PrPlName:
    case KvMapKind::PrPlMaterial:
    case KvMapKind::MemberSectionSize:
        return eInvalidInput;
    default:
        break;
    }
    if (!mapKindInfo(kind))
        return eInvalidInput;
    Ork_Module* module = nullptr;
    if (openModule(macro, moduleName, module, moduleIndex) != eOk)
        return eInvalidInput;
    if (isPatternKind(kind) && !module->isBoltModule())
        return eInvalidInput;
    MacroTabData* tab = nullptr;
    if (findModuleTab(macroData, module, tab) != eOk)
        return eInvalidInput;

    if (kind == KvMapKind::Distance)
        return accessDistance(module, tab, property, value, get);
    if (isCutKind(kind))
        return accessCutOffset(module, property, cutOffsetTypeOf(kind), value, get);
    switch (kind) {
    case KvMapKind::BoltsDiameter:
    case KvMapKind::BoltsHoleOffset:
        return accessBoltData(tab, kind == KvMapKind::BoltsDiameter, value, get);
    case KvMapKind::PatternNrBolts1:
    case KvMapKind::PatternNrBolts2:
        return accessNrBolts(tab, property, kind == KvMapKind::PatternNrBolts1, value, get);
    case KvMapKind::PatternReverseStart1:
    case KvMapKind::PatternReverseStart2:
        return accessReverseStart(module, property, kind == KvMapKind::PatternReverseStart1, value, get, transaction);
    case KvMapKind::OwnedMemberName:
        return accessOwnedMember(tab, property, value, get);
    default:
        return eInvalidInput;
    }
}

namespace {

// Suffixes of name-encoded cut offsets, in offset type order 0 to 8.
const char16_t* const kCutSuffixes[] = {u".Cut",        u".CutPoly",    u".CutLength", u".CutCenter", u".CutInside",
                                        u".CutOutside", u".Chamfer1", u".Chamfer2",  u".CutRadius"};

} // namespace

ErrorStatus KvObjectMap::getSetVarByName(const Ork_String& name, KvValueType valueType, Ork_Module* module,
                                         Ork_Macro* macro, MacroData* macroData, Ork_String& value, bool get,
                                         AcDbTransaction* transaction) {
    MacroTabData* tab = nullptr;
    if (findModuleTab(macroData, module, tab) != eOk)
        return eInvalidInput;
    const bool numeric = isNumericType(valueType);

    if (numeric && name.startsWith(u"gen.")) {
        const Ork_String genVar = u"gen_" + name.mid(4);
        if (!macro || !macro->hasGeneralVariable(genVar))
            return eInvalidInput;
        double number = 0.0;
        if (get)
            value = Ork_String(macro->generalVariableValue(genVar), 4);
        else if (!readMacroNumber(value, number) || macro->setGeneralVariable(genVar, number) != eOk)
            return eInvalidInput;
        return eOk;
    }

    // The object is named by what comes before the suffix's dot: the last dot, so object names may hold dots.
    Ork_String objectName;
    getSubstrBefore(name, u'.', objectName, true);

    if (!numeric && get && (name.endsWith(u".Name") || name.endsWith(u".Material"))) {
        AcDbObjectId id;
        if (getNamedPrpl(module, objectName, id) == eOk) {
            Ork_String text;
            const ErrorStatus es = name.endsWith(u".Name") ? getSectionName(id, text, transaction)
                                                          : getMaterial(id, text, transaction);
            if (es != eOk)
                return eInvalidInput;
            value = text;
            return eOk;
        }
    }
    if (numeric) {
        for (int type = 0; type < 9; ++type)
            if (name.endsWith(kCutSuffixes[type]))
                return accessCutOffset(module, objectName, type, value, get);
        if (name.endsWith(u".Diameter") || name.endsWith(u".HoleOffset"))
            return accessBoltData(tab, name.endsWith(u".Diameter"), value, get);
    }
    if (name.endsWith(u".NrBolts1") || name.endsWith(u".NrBolts2"))
        return accessNrBolts(tab, objectName, name.endsWith(u".NrBolts1"), value, get);
    if (numeric && (name.endsWith(u".ReverseStart1") || name.endsWith(u".ReverseStart2")))
        return accessReverseStart(module, objectName, name.endsWith(u".ReverseStart1"), value, get, transaction);
    if (!numeric) {
        if (name.endsWith(u".MemberName"))
            return accessOwnedMember(tab, objectName, value, get);
        return eInvalidInput;
    }
    return accessDistance(module, tab, name, value, get);
}

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvObjectMap::KvObjectMap() = default;
KvObjectMap::KvObjectMap(const KvObjectMap& other) = default;
KvObjectMap& KvObjectMap::operator=(const KvObjectMap& other) = default;
KvObjectMap::~KvObjectMap() = default;
