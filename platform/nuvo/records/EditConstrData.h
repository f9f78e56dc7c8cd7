#pragma once
// The macro definition editor's record: the module it edits, its constraints (name and value per row)
// and its module variables (name and value per row).
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class EditConstrData {
public:
    EditConstrData();
    EditConstrData(const EditConstrData& other);
    EditConstrData& operator=(const EditConstrData& other);
    virtual ~EditConstrData();

    Ork_String moduleName;
    Ork_StringArray constrNames;
    Ork_StringArray constrValues;
    Ork_StringArray varNames;
    Ork_StringArray varValues;
};
