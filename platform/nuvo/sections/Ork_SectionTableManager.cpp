#include "nuvo/sections/Ork_SectionTableManager.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"

#include <string_view>

namespace {

// Tables are written with an "I/O" column (whether a size is offered); registered tables go without it,
// whether or not the caller removed it already.
void removeActiveColumn(Ork_StringArray& headers, Ork_Array<Ork_StringArray>& rows) {
    if (headers.length() < 2 || headers[1] != u"I/O")
        return;
    headers.removeAt(1);
    for (Ork_StringArray& row : rows)
        if (row.length() > 1)
            row.removeAt(1);
}

} // namespace

Ork_SectionTableManager& Ork_SectionTableManager::instance() {
    static Ork_SectionTableManager manager;
    // Asked for by every section look-up of a sheet: the folder is compared in its two parts, not built.
    constexpr std::u16string_view kFolder = u"prof\\";
    const Ork_String library = Ork_Settings::libDir();
    const std::u16string_view loaded(manager.loadedFolder_);
    if (!manager.loaded_ || loaded.size() != library.size() + kFolder.size() || !loaded.starts_with(library) ||
        !loaded.ends_with(kFolder))
        manager.loadFolder(library + Ork_String(kFolder.data(), kFolder.size()));
    return manager;
}

bool Ork_SectionTableManager::loadFolder(const Ork_String& folder) {
    clear();
    loaded_ = true;
    loadedFolder_ = folder;
    Ork_StringArray paths;
    if (!ObjectExportFindFiles(folder + u"*.pr", paths))
        return false;
    for (const Ork_String& path : paths) {
        Ork_String name;
        Ork_Array<Ork_StringArray> rows;
        if (!readFile(path, name, rows) || rows.length() < 2) {
            problems_.append(path + u": not a section table (a descriptor line and a header line are needed)");
            continue;
        }
        Ork_String descriptor = rows[0].isEmpty() ? Ork_String() : rows[0][0];
        Ork_StringArray headers = rows[1];
        rows.removeAt(0);
        rows.removeAt(0);
        if (addSectionTable(this, getFileName(path), descriptor, headers, rows) != eOk)
            problems_.append(path + u": the header line has no \"SysName\" and language columns");
    }
    return tables_.length() > 0;
}

void Ork_SectionTableManager::clear() {
    tables_.removeAll();
    problems_.removeAll();
    tablesChanged();
}

void Ork_SectionTableManager::tablesChanged() {
    std::lock_guard<std::mutex> lock(indexMutex_);
    index_.reset();
}

std::shared_ptr<const Ork_SectionTableManager::Index> Ork_SectionTableManager::index() const {
    std::lock_guard<std::mutex> lock(indexMutex_);
    if (index_)
        return index_;
    auto built = std::make_shared<Index>();
    for (int t = 0; t < tables_.length(); ++t) {
        const Ork_SectionTable& table = tables_[t];
        const std::u16string prefix = table.name + u"-";
        const int last = table.firstValueColumn();
        for (int r = 0; r < table.rows.length(); ++r) {
            const Ork_StringArray& cells = table.rows[r];
            if (cells.isEmpty())
                continue;
            built->sections.try_emplace(prefix + static_cast<const std::u16string&>(cells[0]), Place{t, r});
            for (int c = 1; c < last && c < cells.length(); ++c)
                if (!cells[c].isEmpty())
                    built->userNames.try_emplace(cells[c], Place{t, r});
        }
    }
    index_ = std::move(built);
    return index_;
}

bool Ork_SectionTableManager::hasTable(const Ork_String& tableName) const { return findTable(tableName) != nullptr; }

ErrorStatus Ork_SectionTableManager::removeTable(const Ork_String& tableName) {
    for (int i = 0; i < tables_.length(); ++i) {
        if (tables_[i].name == tableName) {
            tables_.removeAt(i);
            tablesChanged();
            return eOk;
        }
    }
    return eInvalidInput;
}

ErrorStatus Ork_SectionTableManager::addTable(const Ork_SectionTable& table) {
    if (table.name.isEmpty() || table.headers.length() < 1 + table.nrLanguages() || table.headers[0] != u"SysName")
        return eInvalidInput;
    for (int i = 0; i < tables_.length(); ++i) {
        if (tables_[i].name == table.name) {
            tables_[i] = table;
            tablesChanged();
            return eOk;
        }
    }
    tables_.append(table);
    tablesChanged();
    return eOk;
}

const Ork_SectionTable* Ork_SectionTableManager::findTable(const Ork_String& tableName) const {
    for (const Ork_SectionTable& t : tables_)
        if (t.name == tableName)
            return &t;
    return nullptr;
}

bool Ork_SectionTableManager::findSection(const Ork_String& sectionName, const Ork_SectionTable*& table,
                                          int& row) const {
    // Table names may hold hyphens themselves ("HE-A"): the index holds every table's name, hyphen and system
    // name joined, so whichever table a hyphen belongs to is found.
    const std::shared_ptr<const Index> places = index();
    const auto found = places->sections.find(sectionName);
    if (found == places->sections.end())
        return false;
    table = &tables_[found->second.table];
    row = found->second.row;
    return true;
}

bool Ork_SectionTableManager::getSystemName(const Ork_String& name, Ork_String& systemName) const {
    const std::shared_ptr<const Index> places = index();
    if (places->sections.count(name)) {
        systemName = name;
        return true;
    }
    const auto found = places->userNames.find(name);
    if (found == places->userNames.end())
        return false;
    const Ork_SectionTable& table = tables_[found->second.table];
    systemName = table.name + u"-" + table.rows[found->second.row][0];
    return true;
}

bool Ork_SectionTableManager::getUserName(const Ork_String& sectionName, const Ork_String& language,
                                          Ork_String& userName) const {
    const Ork_SectionTable* table = nullptr;
    int row = 0;
    if (!findSection(sectionName, table, row))
        return false;
    const Ork_StringArray& cells = table->rows[row];
    const Ork_String lang = language.isEmpty() ? Ork_Settings::language() : language;
    int column = table->headers.indexOf(lang);
    if (column < 1 || column >= table->firstValueColumn() || column >= cells.length() || cells[column].isEmpty())
        column = 1;
    userName = column < cells.length() ? cells[column] : Ork_String();
    return true;
}

ErrorStatus addSectionTable(Ork_SectionTableManager* manager, const Ork_String& fileName,
                            const Ork_String& descriptor, const Ork_StringArray& headers,
                            const Ork_Array<Ork_StringArray>& rows) {
    if (!manager)
        return eInvalidInput;
    Ork_SectionTable table;
    table.fileName = getFileName(fileName);
    table.name = getExtension(table.fileName).equal(u"pr", true) ? removeExtension(table.fileName) : table.fileName;
    table.descriptor = descriptor;
    table.headers = headers;
    table.rows = rows;
    removeActiveColumn(table.headers, table.rows);
    return manager->addTable(table);
}
