#include "nuvo/records/MacroSettingsData.h"

MacroSettingsData::MacroSettingsData() = default;
MacroSettingsData::MacroSettingsData(const MacroSettingsData& other) = default;
MacroSettingsData& MacroSettingsData::operator=(const MacroSettingsData& other) = default;
MacroSettingsData::~MacroSettingsData() = default;
