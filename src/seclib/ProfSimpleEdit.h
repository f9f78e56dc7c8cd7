#pragma once
// What the simple section editor does to a table, apart from its window: it finds the size it starts from,
// learns how the table's system names are made of its values ("100x50x6" = h x b x t, "IPE 200" = prefix and
// h), composes a new size's name from typed values, and checks and places the new row.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "seclib/Ork_ProfValuesTable.h"

class ProfSimpleEdit {
public:
    // The editor shows at most this many value fields.
    static constexpr int kMaxFields = 11;
    // Pattern learning tries at most this many rows from the edited one.
    static constexpr int kMaxPatternRows = 9999;

    enum class Refusal {
        None,
        EmptyName,      // no system name to give the row
        AngleLegs,      // a type-10 table: the fourth value must be 0 or greater than the third
    };

    // Starts on the size at `filteredIndex` among the table's offered sizes (getFilteredSysNames); false when
    // there is none. Learns the name pattern from that row on.
    bool start(Ork_ProfValuesTable& table, int filteredIndex);

    int templateRow() const { return m_templateRow; }
    int firstValueColumn() const { return m_firstValue; }
    // The value fields shown: the template row's value columns, at most kMaxFields.
    int fieldCount() const { return m_fieldCount; }
    Ork_StringArray templateFields() const;
    const Ork_StringArray& templateCells() const { return m_template; }

    bool hasPattern() const { return !m_patternFields.isEmpty(); }
    // The field index (0-based) of each "x" part of the learnt pattern.
    const AcArray<int>& patternFields() const { return m_patternFields; }
    // The text before the first digit of the pattern row's name in the language column (0 .. L-1).
    Ork_String prefix(int language) const;
    // The name made of the fields at the pattern's places, joined by "x", without a prefix ("" without one).
    Ork_String composedName(const Ork_StringArray& fields) const;

    // Builds the row (system name from the composed or the typed name, "I/O" "1", each language's name,
    // values from the fields and the template's values past them), checks it, and puts it into the table:
    // over the row of the same system name, or at its sorted place. A refusal leaves the table untouched.
    Refusal place(Ork_ProfValuesTable& table, bool compose, const Ork_String& typedName,
                  const Ork_StringArray& fields, int& row, int& filteredIndex) const;

    // A type-10 table (its descriptor is "10").
    static bool isAngleTable(const Ork_ProfValuesTable& table);
    // Its first two "x" parts are equal ("100x100x10").
    static bool isSquareName(const Ork_String& sysName);

private:
    bool learnFrom(const Ork_ProfValuesTable& table, int row);
    int placeIndex(const Ork_ProfValuesTable& table, const Ork_String& sysName) const;

    int m_templateRow = -1;
    int m_firstValue = 0;
    int m_fieldCount = 0;
    int m_languages = 0;
    Ork_StringArray m_template;
    AcArray<int> m_patternFields;
    Ork_StringArray m_prefixes;
};
