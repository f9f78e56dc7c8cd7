#pragma once
// The record of the bracing dialog: one name and one value per setting.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class KvBracingDlgData {
public:
    KvBracingDlgData();
    KvBracingDlgData(const KvBracingDlgData& other);
    KvBracingDlgData& operator=(const KvBracingDlgData& other);
    virtual ~KvBracingDlgData();

    Ork_StringArray names;
    Ork_StringArray values;
};
