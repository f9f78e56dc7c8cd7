#include "frame/macroProfCallBack.h"

#include "cadhost/Drawing.h"
#include "nuvo/macro/MacroData.h"

namespace {

// The host keeps one tab per module group; the profile is found by its name within that group's tab.
MacroTabData* groupTab(MacroData& macro, const Ork_String& group) {
    int index = -1;
    return macro.findTab(group, index) ? macro.getTab(index) : nullptr;
}

bool getMerged(KvMACallBackData& data, MacroProfData& profile) {
    MacroTabData* tab = groupTab(*data.macroData, data.group);
    return tab && tab->getMergedPropsOfGroup(data.name, profile);
}

} // namespace

bool MacroProfCallBack(int type, KvMACallBackData& data, MacroProfData& profile) {
    if (!data.macroData)
        return false;
    if (type == 0) {
        getMerged(data, profile);
    } else if (type == 1) {
        if (MacroTabData* tab = groupTab(*data.macroData, data.group))
            tab->setMergedPropsOfGroup(data.name, profile);
        // -13: the change code of a profile's placement.
        UpdateModule(data.group, data.macroData, AcArray<int>{-13}, AcArray<int>{});
        getMerged(data, profile);
    }
    return true;
}
