#include "macrodlg/profSectionList.h"

#include "nuvo/hostTexts.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "seclib/Ork_ProfValuesTable.h"

namespace {

constexpr int kMixedText = 695;
const Ork_String kUserFolder = u"User Sections\\";

bool isUserSection(const Ork_String& section) {
    return section.size() >= kUserFolder.size() && section.compare(0, kUserFolder.size(), kUserFolder) == 0;
}

Ork_String tableNameOf(const Ork_String& section) {
    const std::size_t dash = section.find(u'-');
    return dash == Ork_String::npos ? section : Ork_String(section.substr(0, dash));
}

} // namespace

int ProfSectionChoices::find(const Ork_String& systemName) const {
    for (int i = 0; i < systemNames.length(); ++i)
        if (systemNames[i] == systemName)
            return i;
    return -1;
}

ProfSectionChoices sectionChoicesOf(const Ork_String& section) {
    ProfSectionChoices choices;
    if (isUserSection(section)) {
        Ork_String shown = section.substr(kUserFolder.size());
        const std::size_t slash = shown.find_last_of(u"\\/");
        if (slash != Ork_String::npos)
            shown = shown.substr(slash + 1);
        const std::size_t dot = shown.rfind(u'.');
        if (dot != Ork_String::npos && dot > 0)
            shown = shown.substr(0, dot);
        choices.systemNames.append(section);
        choices.displayNames.append(shown);
    } else if (!section.isEmpty()) {
        // The table reader refuses names outside "prof\" itself.
        Ork_ProfValuesTable table;
        if (table.readFromFile(tableNameOf(section))) {
            Ork_StringArray names;
            table.getFilteredSysNames(names);
            const Ork_SectionTableManager& tables = Ork_SectionTableManager::instance();
            for (const Ork_String& name : names) {
                Ork_String user;
                if (!tables.getUserName(name, Ork_String(), user) || user.isEmpty())
                    user = name;
                choices.systemNames.append(name);
                choices.displayNames.append(user);
            }
        }
    }
    choices.systemNames.append(dialString(kMixedText));
    choices.displayNames.append(dialString(kMixedText));
    return choices;
}

Ork_String sectionTypeTextOf(const Ork_String& section) {
    if (section.isEmpty() || isUserSection(section))
        return Ork_String();
    const Ork_SectionTableManager& tables = Ork_SectionTableManager::instance();
    const Ork_SectionTable* table = nullptr;
    int row = -1;
    if (!tables.findSection(section, table, row) || !table)
        table = tables.findTable(tableNameOf(section));
    return table ? table->descriptor : Ork_String();
}
