#pragma once
// One dynamic array of a macro: its kind (0 to 3, -1 for mixed), name, three dimension names, the text
// of kind 1, six value texts and two tri-state flags (-1 indeterminate).
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
};
