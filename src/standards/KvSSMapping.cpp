#include "standards/KvSSMapping.h"

#include "nuvo/fileHelpers.h"
#include "nuvo/macro/macroAccess.h"
#include "nuvo/sections/sectionValues.h"
#include "nuvo/textHelpers.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvMappingFile.h"

namespace {

// A pair survives the file only when reading its line gives back the same variable and the same map: the
// separators of the line format, line breaks and characters invalid in file names would tear it apart or
// turn it into another map.
bool readsBack(const Ork_String& variable, const Ork_String& mapping, const KvObjectMap& map) {
    static const Ork_String kVariableBreakers = u"\u00BF\u0192\u2022=\r\n";
    static const Ork_String kLineBreakers = u"\u00BF\r\n";
    if (variable.find_first_of(kVariableBreakers) != Ork_String::npos || hasInvalidFileNameChars(variable) ||
        mapping.find_first_of(kLineBreakers) != Ork_String::npos)
        return false;
    const Ork_String pair = (variable + Ork_String(KvMappingFile::kVariableSeparator) + mapping).trimmed();
    Ork_String readVariable, readMapping;
    KvObjectMap back;
    return splitString(pair, KvMappingFile::kVariableSeparator, readVariable, readMapping) &&
           back.getMappingFromStrs(readVariable, readMapping) == eOk && readVariable == variable &&
           back.isCompatible(map) == eOk;
}

bool validTarget(const Ork_String& target) { return target.find_first_of(u"=\r\n") == Ork_String::npos; }

} // namespace

ErrorStatus KvSSMapping::initFromModuleGroup(const Ork_String& group) {
    if (group.isEmpty())
        return eInvalidInput;
    maps_.removeAll();
    mode = kModuleGroupMode;
    return eOk;
}

ErrorStatus KvSSMapping::initFromMacro(const KvDlgStandardsData& record) {
    if (!record.dbMacro || !record.moduleGroup.isEmpty())
        return eInvalidInput;
    maps_.removeAll();
    mode = kMappingFileMode;
    return getMappingFromFile(record.file, record.target);
}

ErrorStatus KvSSMapping::getMappingFromFile(const Ork_String& spreadsheet, const Ork_String& target) {
    Ork_StringArray lines;
    if (!KvMappingFile::readLines(KvMappingFile::pathOf(spreadsheet), lines))
        return eInvalidInput;
    if (lines.isEmpty())
        return eOk;
    int index = 0;
    if (!KvMappingFile::targetsOf(lines).find(target, index, true))
        return eInvalidInput;
    return initMappingFromLine(lines[index]);
}

ErrorStatus KvSSMapping::initMappingFromLine(const Ork_String& line) {
    maps_.removeAll();
    Ork_String target, rest;
    if (!splitString(line, u'=', target, rest))
        return eInvalidInput;
    Ork_StringArray pairs;
    splitStringAtSymbol(rest, KvMappingFile::kPairSeparator, pairs, true);
    for (const Ork_String& pair : pairs) {
        Ork_String variable, mapping;
        if (!splitString(pair, KvMappingFile::kVariableSeparator, variable, mapping))
            continue;
        KvObjectMap map;
        if (map.getMappingFromStrs(variable, mapping) == eOk)
            maps_.append(map);
    }
    return eOk;
}

ErrorStatus KvSSMapping::setMappingToFile(const Ork_String& spreadsheet, const Ork_String& target) const {
    // A target holding "=" or a line break would come back as another target.
    if (!validTarget(target))
        return eInvalidInput;

    Ork_StringArray mappings, variables;
    AcArray<int> mapIndices;
    for (int i = 0; i < maps_.length(); ++i) {
        Ork_String mapping, variable;
        if (maps_[i].setMappingToStrs(mapping, variable) != eOk)
            continue;
        mappings.append(mapping);
        variables.append(variable);
        mapIndices.append(i);
    }
    AcArray<int> duplicates;
    getDuplicates(variables, duplicates, false);
    for (int d = duplicates.length() - 1; d >= 0; --d) {
        mappings.removeAt(duplicates[d]);
        variables.removeAt(duplicates[d]);
        mapIndices.removeAt(duplicates[d]);
    }
    // What the line will hold, to compare with what the file holds.
    KvSSMapping written;
    Ork_StringArray pairs;
    for (int i = 0; i < variables.length(); ++i) {
        const KvObjectMap& map = maps_[mapIndices[i]];
        if (!readsBack(variables[i], mappings[i], map))
            continue;
        pairs.append(variables[i] + Ork_String(KvMappingFile::kVariableSeparator) + mappings[i]);
        written.maps_.append(map);
    }

    // Only a missing file starts empty: one that exists but cannot be read is left alone.
    const Ork_String path = KvMappingFile::pathOf(spreadsheet);
    Ork_StringArray lines;
    if (ObjectExportFileExists(path) && !KvMappingFile::readLines(path, lines))
        return eInvalidInput;

    const Ork_StringArray targets = KvMappingFile::targetsOf(lines);
    int index = 0;
    if (targets.find(target, index, true)) {
        KvSSMapping stored;
        if (stored.initMappingFromLine(lines[index]) == eOk && written.isEqual(stored) && stored.isEqual(written))
            return eOk;
        // Every line of the target goes, so the new line is the one read back.
        for (int i = lines.length() - 1; i >= 0; --i)
            if (targets[i] == target)
                lines.removeAt(i);
    }
    lines.append(target + u"=" + arrToStr(pairs, KvMappingFile::kPairSeparator));
    return KvMappingFile::writeLines(path, lines) ? eOk : eInvalidInput;
}

bool KvSSMapping::hasSameMapping(const Ork_String& spreadsheet, Ork_String& target) const {
    Ork_StringArray lines;
    if (!KvMappingFile::readLines(KvMappingFile::pathOf(spreadsheet), lines))
        return false;
    for (const Ork_String& line : lines) {
        KvSSMapping stored;
        if (stored.initMappingFromLine(line) == eOk && stored.isEqual(*this)) {
            target = KvMappingFile::targetOf(line);
            return true;
        }
    }
    return false;
}

bool KvSSMapping::isEqual(const KvSSMapping& other) const {
    for (const KvObjectMap& map : maps_) {
        KvValueType type;
        int index = 0;
        if (!mapKindValueType(map.kind, type) || other.findSSVar(map.variable, type, index) != eOk ||
            other.maps_[index].isCompatible(map) != eOk)
            return false;
    }
    return true;
}

ErrorStatus KvSSMapping::isCompatible(const KvSSMapping& other, int& count) const {
    count = 0;
    for (const KvObjectMap& map : maps_) {
        int index = 0;
        if (other.findCompatible(map, index) != eOk)
            ++count;
    }
    return eOk;
}

ErrorStatus KvSSMapping::findCompatible(const KvObjectMap& map, int& index) const {
    for (int i = 0; i < maps_.length(); ++i) {
        if (maps_[i].isCompatible(map) == eOk) {
            index = i;
            return eOk;
        }
    }
    return eInvalidInput;
}

ErrorStatus KvSSMapping::findSSVar(const Ork_String& variable, KvValueType valueType, int& index) const {
    for (int i = 0; i < maps_.length(); ++i) {
        KvValueType type;
        if (mapKindValueType(maps_[i].kind, type) && type == valueType && maps_[i].variable == variable) {
            index = i;
            return eOk;
        }
    }
    return eInvalidInput;
}

ErrorStatus KvSSMapping::getMacroVarValue(const Ork_String& variable, KvValueType valueType, Ork_String& value,
                                          const KvDlgStandardsData& record) const {
    Ork_Macro* macro = record.dbMacro ? record.dbMacro->macroWrite() : nullptr;
    if (!macro)
        return eInvalidInput;
    if (mode == kModuleGroupMode) {
        Ork_StringArray modules;
        if (getModNamesOfGroup(macro, record.moduleGroup, modules) != eOk)
            return eInvalidInput;
        for (const Ork_String& name : modules) {
            Ork_Module* module = nullptr;
            if (macro->findModuleWrite(name, module) == eOk &&
                KvObjectMap::getSetVarByName(variable, valueType, module, macro, record.macroData, value, true,
                                             record.transaction) == eOk)
                return eOk;
        }
        return eInvalidInput;
    }
    int index = 0;
    if (findSSVar(variable, valueType, index) != eOk)
        return eInvalidInput;
    return maps_[index].getMacroVarValue(record.dbMacro, record.macroData, value, record.transaction);
}

ErrorStatus KvSSMapping::setMacroVarValue(const Ork_String& variable, KvValueType valueType, const Ork_String& value,
                                          const KvDlgStandardsData& record) const {
    Ork_Macro* macro = record.dbMacro ? record.dbMacro->macroWrite() : nullptr;
    if (!macro)
        return eInvalidInput;
    if (mode == kModuleGroupMode) {
        // The value reaches every module of the group that has the property; it is stored when one took it.
        Ork_StringArray modules;
        bool stored = false;
        if (getModNamesOfGroup(macro, record.moduleGroup, modules) == eOk) {
            for (const Ork_String& name : modules) {
                Ork_Module* module = nullptr;
                Ork_String text = value;
                if (macro->findModuleWrite(name, module) == eOk &&
                    KvObjectMap::getSetVarByName(variable, valueType, module, macro, record.macroData, text, false,
                                                 record.transaction) == eOk)
                    stored = true;
            }
        }
        return stored ? eOk : eInvalidInput;
    }
    int index = 0;
    if (findSSVar(variable, valueType, index) != eOk)
        return eInvalidInput;
    return maps_[index].setMacroVarValue(record.dbMacro, record.macroData, value, record.transaction);
}

ErrorStatus KvSSMapping::initAllVarsFromMacro(Ork_DbMacro* dbMacro, AcDbTransaction* transaction) {
    Ork_Macro* macro = dbMacro ? dbMacro->macroWrite() : nullptr;
    if (!macro)
        return eInvalidInput;
    Ork_StringArray moduleNames;
    macro->getModuleNames(moduleNames);
    for (const Ork_String& moduleName : moduleNames) {
        Ork_Module* module = nullptr;
        if (macro->findModuleWrite(moduleName, module) != eOk)
            continue;
        const Ork_String object = module->groupOrName();

        Ork_StringArray names;
        AcArray<bool> first, second;
        if (getDialogVariables(module, names, first, second) == eOk) {
            for (int i = 0; i < names.length(); ++i) {
                const int key = first[i] && second[i] ? 0 : first[i] ? 1 : second[i] ? 2 : 3;
                maps_.append(KvObjectMap(object, names[i], {}, KvMapKind::Distance, key));
            }
        }

        Ork_StringArray cuts;
        AcArray<int> constraintTypes;
        if (getCutConstraints(module, cuts, constraintTypes) == eOk) {
            for (int i = 0; i < cuts.length(); ++i) {
                AcArray<int> offsetTypes;
                if (getCutOffsets(constraintTypes[i], offsetTypes) != eOk)
                    continue;
                for (int type : offsetTypes)
                    if (type >= 0 && type <= 8)   // the host has offsets no standards kind reaches
                        maps_.append(KvObjectMap(object, cuts[i], {}, cutKindOf(type), 0));
            }
        }

        if (module->isBoltModule()) {
            maps_.append(KvObjectMap(object, {}, {}, KvMapKind::BoltsDiameter, 0));
            maps_.append(KvObjectMap(object, {}, {}, KvMapKind::BoltsHoleOffset, 0));
            AcArray<AcDbObjectId> ids;
            if (getPatternIds(module, ids) == eOk) {
                for (AcDbObjectId id : ids) {
                    Ork_BoltPattern* pattern = nullptr;
                    if (getPattern(id, pattern) != eOk)
                        continue;
                    maps_.append(KvObjectMap(object, pattern->name, {}, KvMapKind::PatternNrBolts1, 0));
                    maps_.append(KvObjectMap(object, pattern->name, {}, KvMapKind::PatternReverseStart1, 0));
                    if (pattern->typeCode == Ork_BoltPattern::kTwoDirections) {
                        maps_.append(KvObjectMap(object, pattern->name, {}, KvMapKind::PatternNrBolts2, 0));
                        maps_.append(KvObjectMap(object, pattern->name, {}, KvMapKind::PatternReverseStart2, 0));
                    }
                }
            }
        }

        if (module->isProfileModule())
            for (const Ork_ProfilePlacement& placement : module->placements)
                if (!placement.name.isEmpty())
                    maps_.append(KvObjectMap(object, placement.name, {}, KvMapKind::OwnedMemberName, 0));
    }

    AcArray<AcDbObjectId> baseIds;
    if (mapBaseProfIds(dbMacro, baseIds) == eOk) {
        for (int i = 0; i < baseIds.length(); ++i) {
            const Ork_String prof = u"Prof" + Ork_String(i);
            maps_.append(KvObjectMap({}, prof, {}, KvMapKind::PrPlName));
            maps_.append(KvObjectMap({}, prof, {}, KvMapKind::PrPlMaterial));
            Ork_String section;
            Ork_StringArray columns;
            if (getSectionName(baseIds[i], section, transaction) != eOk ||
                getSectionColumnNames(section, columns) != eOk)
                continue;
            for (int j = 0; j < columns.length(); ++j)
                maps_.append(KvObjectMap({}, prof + u";" + Ork_String(j), {}, KvMapKind::MemberSectionSize, 3,
                                         columns[j]));
        }
    }

    Ork_StringArray genVars;
    AcArray<double> values;
    macro->getGeneralVariables(genVars, values);
    for (const Ork_String& name : genVars)
        maps_.append(KvObjectMap({}, name, {}, KvMapKind::GenVar, 0));
    return eOk;
}

ErrorStatus KvSSMapping::getValidVars(bool /*input*/, KvValueType valueType, AcArray<int>& indices) const {
    indices.removeAll();
    for (int i = 0; i < maps_.length(); ++i) {
        KvValueType type;
        if (mapKindValueType(maps_[i].kind, type) && isNumericType(type) == isNumericType(valueType))
            indices.append(i);
    }
    return eOk;
}

ErrorStatus KvSSMapping::sortValidVars(AcArray<int>& indices, const AcArray<int>& sortKeyOrder) const {
    if (sortKeyOrder.isEmpty()) {
        indices.removeAll();
        return eInvalidInput;
    }
    const int groupCount = sortKeyOrder.length();
    AcArray<AcArray<int>> groups;
    groups.setLogicalLength(groupCount);
    for (int index : indices) {
        // Separators of an earlier sort, and indices of maps that no longer exist, are no choices.
        const KvObjectMap* map = maps_.get(index);
        if (!map)
            continue;
        const int position = sortKeyOrder.find(map->sortKey);
        groups[position < 0 ? groupCount - 1 : position].append(index);
    }
    indices.removeAll();
    for (const AcArray<int>& group : groups) {
        indices.append(-1);
        indices.append(group);
    }
    return eOk;
}

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvSSMapping::KvSSMapping() = default;
KvSSMapping::KvSSMapping(const KvSSMapping& other) = default;
KvSSMapping& KvSSMapping::operator=(const KvSSMapping& other) = default;
KvSSMapping::~KvSSMapping() = default;
