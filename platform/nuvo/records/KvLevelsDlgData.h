#pragma once
// The record of the levels dialog: one name and one height text per level.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class KvLevelsDlgData {
public:
    KvLevelsDlgData();
    KvLevelsDlgData(const KvLevelsDlgData& other);
    KvLevelsDlgData& operator=(const KvLevelsDlgData& other);
    virtual ~KvLevelsDlgData();

    Ork_StringArray names;
    Ork_StringArray values;
};
