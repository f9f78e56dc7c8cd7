#pragma once
// One dynamic array of a macro: its kind (0 to 3, -1 for mixed), name, three dimension names, the text
// of kind 1, six value texts, two tri-state flags (-1 indeterminate) and its entries (three parallel
// columns: a position in a three-entry list, a flag and a text per entry).
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class DynArrayData {
public:
    DynArrayData();
    DynArrayData(const DynArrayData& other);
    DynArrayData& operator=(const DynArrayData& other);
    virtual ~DynArrayData();

    int kind = 0;
    Ork_String name;
    Ork_StringArray dimNames;
    Ork_String kindText;
    Ork_StringArray values;
    int flag1 = 0;
    int flag2 = 0;
    AcArray<int> entryKinds;
    AcArray<bool> entryFlags;
    Ork_StringArray entryTexts;

    void getEntryColumns(AcArray<int>& kinds, AcArray<bool>& flags, Ork_StringArray& texts) const;
    // Takes as many entries as the shortest column has.
    void setEntryColumns(const AcArray<int>& kinds, const AcArray<bool>& flags, const Ork_StringArray& texts);
    int entryCount() const { return entryTexts.length(); }
};

bool operator==(const DynArrayData& a, const DynArrayData& b);
