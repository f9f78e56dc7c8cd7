#pragma once
// A profile value table of the section library: its name, the column headers and one row of texts per
// profile.
#include "SS/ssExport.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class SS_EXPORT Ork_ProfValuesTable {
public:
    Ork_ProfValuesTable();
    Ork_ProfValuesTable(const Ork_ProfValuesTable& other);
    Ork_ProfValuesTable& operator=(const Ork_ProfValuesTable& other);
    virtual ~Ork_ProfValuesTable();

    Ork_String name;
    Ork_StringArray headers;
    Ork_Array<Ork_StringArray> rows;
};
