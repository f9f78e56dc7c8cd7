#include "nuvo/macro/MacroData.h"

#include "cadhost/AcRxDynamicLinker.h"
#include "cadhost/HostLog.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/macro/macroStandardsCall.h"
#include "nuvo/macro/macroValuesFile.h"
#include "nuvo/textHelpers.h"
#include "os/files.h"

#include <string>

namespace {

std::u16string num(int v) {
    std::u16string out;
    for (char c : std::to_string(v))
        out += static_cast<char16_t>(c);
    return out;
}

} // namespace

bool MacroData::findTab(const Ork_String& tab, int& index) const {
    for (int i = 0; i < tabs.length(); ++i) {
        if (tabs[i].name == tab) {
            index = i;
            return true;
        }
    }
    return false;
}

bool MacroData::getMergedPropsOfGroup(const Ork_String& tab, const Ork_String& group, MacroProfData& props) const {
    int index = -1;
    return findTab(tab, index) && tabs[index].getMergedPropsOfGroup(group, props);
}

bool MacroData::setMergedPropsOfGroup(const Ork_String& tab, const Ork_String& group, const MacroProfData& props) {
    int index = -1;
    return findTab(tab, index) && tabs[index].setMergedPropsOfGroup(group, props);
}

bool MacroData::changeView(const Ork_String& tab, int view) {
    cadhost::HostLog::record(u"changeView", {tab, num(view)});
    int index = -1;
    return view >= 0 && view <= 3 && findTab(tab, index);
}

bool MacroData::reApply() {
    cadhost::HostLog::record(u"reApply", {name});
    return !objects.isEmpty() || !tabs.isEmpty();
}

bool MacroData::loadFromStandards() {
    cadhost::HostLog::record(u"loadFromStandards", {name});
    if (standards.isEmpty() || !dbMacro)
        return false;
    AcRxDynamicLinker* linker = acrxDynamicLinker();
    void* entry = linker ? linker->getSymbolAddress(nuvo::kStandardsModule, nuvo::kStandardsEntrySymbol) : nullptr;
    if (!entry)
        return false;
    for (const MacroStandardData& s : standards)
        if (!nuvo::callStandards(entry, *this, s))
            return false;
    return true;
}

Ork_String MacroData::propFolder() const {
    return Ork_Settings::libDir() + u"Macro Values\\" + name + u"\\";
}

void MacroData::getPropFiles(Ork_StringArray& names) const {
    names = Ork_StringArray();
    // A macro name that is not a plain file name would take the folder elsewhere.
    if (name.isEmpty() || hasInvalidFileNameChars(name) || name == u"." || name == u"..")
        return;
    for (const std::u16string& f : os::listFolder(propFolder(), u"*.txt"))
        names.append(removeExtension(getFileName(Ork_String(f))));
    sortArray(names);
}

bool MacroData::readFromFile(const Ork_String& path, int& unplaced, Ork_String& error) {
    return readMacroValues(path, *this, unplaced, error);
}

bool MacroData::writeToFile(const Ork_String& path, Ork_String& error) const {
    return writeMacroValues(path, *this, error);
}

void MacroData::differences(const MacroData& before, Ork_StringArray& tabNames,
                            Ork_Array<AcArray<int>>& changed) const {
    tabNames = Ork_StringArray();
    changed = Ork_Array<AcArray<int>>();
    for (const MacroTabData& t : tabs) {
        int index = -1;
        if (!before.findTab(t.name, index))
            continue;
        AcArray<int> codes, rewritten;
        t.differences(before.tabs[index], codes, rewritten);
        codes.append(rewritten);
        if (codes.isEmpty())
            continue;
        tabNames.append(t.name);
        changed.append(codes);
    }
}
