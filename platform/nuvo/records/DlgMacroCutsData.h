#pragma once
// One cut of a macro: its type (1 to 6) and name, the offsets as three parallel lists (names, variable
// names, flags), a value text, a side and the target (1 = this macro). An existing cut keeps its type, name
// and target.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class DlgMacroCutsData {
public:
    DlgMacroCutsData();
    DlgMacroCutsData(const DlgMacroCutsData& other);
    DlgMacroCutsData& operator=(const DlgMacroCutsData& other);
    virtual ~DlgMacroCutsData();

    bool editExisting = false;
    int cutType = 1;
    Ork_String cutName;
    Ork_StringArray offsetNames;
    Ork_StringArray offsetVarNames;
    AcArray<bool> offsetFlags;
    Ork_String value;
    int side = 0;
    int target = 1;
};
