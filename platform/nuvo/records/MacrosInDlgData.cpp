#include "nuvo/records/MacrosInDlgData.h"

#include "cadhost/HostLog.h"
#include "ui/Services.h"

bool MacrosInDlgData::UserSelectMacro(ui::Window* owner) {
    cadhost::HostLog::record(u"UserSelectMacro");
    std::vector<std::u16string> names;
    for (const MacroInDlg& m : macros)
        names.push_back(m.name);
    const ui::PickResult r = ui::Services::pick({owner, u"macro", names});
    if (!r.ok || r.values.empty() || !find(Ork_String(r.values[0])))
        return false;
    chosen = Ork_String(r.values[0]);
    return true;
}

void MacrosInDlgData::GetAllMods(Ork_StringArray& names) const {
    cadhost::HostLog::record(u"GetAllMods", {chosen});
    const MacroInDlg* m = find(chosen);
    names = m ? m->modules : Ork_StringArray();
}

const MacroInDlg* MacrosInDlgData::find(const Ork_String& name) const {
    if (name.isEmpty())
        return nullptr;
    for (const MacroInDlg& m : macros)
        if (m.name == name)
            return &m;
    return nullptr;
}

bool operator==(const MacroInDlg& a, const MacroInDlg& b) {
    return a.name == b.name && a.modules == b.modules && a.cutNames == b.cutNames;
}

bool operator==(const MacrosInDlgData& a, const MacrosInDlgData& b) {
    return a.macros == b.macros && a.chosen == b.chosen;
}
