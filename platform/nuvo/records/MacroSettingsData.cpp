#include "nuvo/records/MacroSettingsData.h"

Ork_String TabMappingData::getMapping(const Ork_String& name, int index) const {
    if (index < 0 || index >= names.length() || index >= keys.length() || names[index] != name)
        return {};
    return keys[index];
}

MacroSettingsData::MacroSettingsData() = default;
MacroSettingsData::MacroSettingsData(const MacroSettingsData& other) = default;
MacroSettingsData& MacroSettingsData::operator=(const MacroSettingsData& other) = default;
MacroSettingsData::~MacroSettingsData() = default;

bool sameSettings(const MacroSettingsData& a, const MacroSettingsData& b) {
    const auto& av = a.genVars;
    const auto& bv = b.genVars;
    const auto& ag = a.groups;
    const auto& bg = b.groups;
    const Ork_FilterProperties ap{a.filterPropNames, a.filterPropValues, a.filterPropImages};
    const Ork_FilterProperties bp{b.filterPropNames, b.filterPropValues, b.filterPropImages};
    return a.filters == b.filters && av.firstSetting == bv.firstSetting && av.secondSetting == bv.secondSetting &&
           av.thirdSetting == bv.thirdSetting && av.names == bv.names && av.values == bv.values &&
           ag.firstText == bg.firstText && ag.secondText == bg.secondText && ag.names == bg.names &&
           ag.texts == bg.texts && ag.numbers == bg.numbers && a.mapping.names == b.mapping.names &&
           a.mapping.keys == b.mapping.keys && a.mapping.moduleNames == b.mapping.moduleNames &&
           a.mapping.availableObjects == b.mapping.availableObjects && a.mappingChanged == b.mappingChanged &&
           ap == bp;
}
