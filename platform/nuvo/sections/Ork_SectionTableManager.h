#pragma once
// The host's section tables: every table of the library's "prof\" folder, and the tables the section
// library editor registers. A section is named by its table and its system name joined by a hyphen
// ("IPE-200"); users see it under its name in their language ("IPE 200").
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/sections/Ork_SectionTable.h"

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

class Ork_SectionTableManager {
public:
    virtual ~Ork_SectionTableManager() = default;

    // The process-wide tables. They are read from Ork_Settings::libDir() + "prof\" on first use, and read
    // again whenever the library folder has changed since.
    static Ork_SectionTableManager& instance();

    // Replaces every table with the ".pr" files of `folder` (in name order). Files that are no section table
    // are left out and named in loadProblems(). False when the folder holds no readable table.
    bool loadFolder(const Ork_String& folder);
    const Ork_StringArray& loadProblems() const { return problems_; }
    void clear();

    bool hasTable(const Ork_String& tableName) const;
    ErrorStatus removeTable(const Ork_String& tableName);
    // Registers a table (see addSectionTable); a table of the same name is replaced.
    ErrorStatus addTable(const Ork_SectionTable& table);
    const Ork_SectionTable* findTable(const Ork_String& tableName) const;
    int tableCount() const { return tables_.length(); }
    const Ork_SectionTable* table(int index) const { return tables_.get(index); }

    // The table and row of a section name; false when no table has it. Exact comparison.
    bool findSection(const Ork_String& sectionName, const Ork_SectionTable*& table, int& row) const;
    // The section name of a name users know: a section name gives itself, a user name in any language the
    // section it names (the first table in load order wins). False (output untouched) for an unknown name.
    bool getSystemName(const Ork_String& name, Ork_String& systemName) const;
    // The user name of a section in a language (the current one when empty); a section without a column for
    // that language, or with an empty name in it, shows its English name.
    bool getUserName(const Ork_String& sectionName, const Ork_String& language, Ork_String& userName) const;

private:
    // Where each section name and each user name first occurs (table, row), in the order the linear searches
    // would find them; built on first use after a change. Standards sheets translate names at every
    // evaluation, and the tables hold thousands of rows.
    struct Place {
        int table = 0;
        int row = 0;
    };
    struct Index {
        std::unordered_map<std::u16string, Place> sections;
        std::unordered_map<std::u16string, Place> userNames;
    };
    std::shared_ptr<const Index> index() const;
    void tablesChanged();

    Ork_Array<Ork_SectionTable> tables_;
    Ork_StringArray problems_;
    Ork_String loadedFolder_;
    bool loaded_ = false;
    mutable std::mutex indexMutex_;
    mutable std::shared_ptr<const Index> index_;
};

// Registers a table with the manager: `fileName` is the table's file name ("IPE.pr"); `headers` and `rows`
// are taken without the "I/O" column (an "I/O" column at index 1 is removed). eInvalidInput for a null manager, an empty name, or headers too short to
// hold "SysName" and the language columns.
ErrorStatus addSectionTable(Ork_SectionTableManager* manager, const Ork_String& fileName,
                            const Ork_String& descriptor, const Ork_StringArray& headers,
                            const Ork_Array<Ork_StringArray>& rows);
