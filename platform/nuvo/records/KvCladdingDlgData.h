#pragma once
// The record of the cladding settings dialog: one name and one value per setting.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class KvCladdingDlgData {
public:
    KvCladdingDlgData();
    KvCladdingDlgData(const KvCladdingDlgData& other);
    KvCladdingDlgData& operator=(const KvCladdingDlgData& other);
    virtual ~KvCladdingDlgData();

    Ork_StringArray names;
    Ork_StringArray values;
};
