#pragma once
// The general variables of the automatic standards evaluation, as parallel lists (element i of each
// list belongs to row i): drawing general variables (name, value, filter) and standard general variables
// (name, value, override, filter). A filter lists drawing files and folders.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class KvAutoStandardsData {
public:
    KvAutoStandardsData();
    KvAutoStandardsData(const KvAutoStandardsData& other);
    KvAutoStandardsData& operator=(const KvAutoStandardsData& other);
    virtual ~KvAutoStandardsData();

    Ork_StringArray dwgGenVars;
    Ork_StringArray dwgGenValues;
    Ork_StringArray dwgGenFilters;
    Ork_StringArray stdGenVars;
    Ork_StringArray stdGenValues;
    Ork_StringArray stdGenOverrides;
    Ork_StringArray stdGenFilters;
};
