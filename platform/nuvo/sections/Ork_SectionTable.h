#pragma once
// One registered section table: the sizes of one section family. Columns: "SysName", one user-name column
// per language (4, or 5 when the fifth language column is headed "Korean"), then the value columns.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

struct Ork_SectionTable {
    Ork_String name;          // the table name: the file name without ".pr" ("IPE")
    Ork_String fileName;      // "IPE.pr"
    Ork_String descriptor;
    Ork_StringArray headers;
    Ork_Array<Ork_StringArray> rows;

    int nrLanguages() const { return headers.length() > 5 && headers[5] == u"Korean" ? 5 : 4; }
    // The index of the first value column.
    int firstValueColumn() const { return 1 + nrLanguages(); }
};
