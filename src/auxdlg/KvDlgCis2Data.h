#pragma once
// The record of the CIS/2 information dialog: five choices whose meaning is the caller's. The first picks
// one of two radio buttons; the others are check boxes.
#include "SS/ssExport.h"

class SS_EXPORT KvDlgCis2Data {
public:
    KvDlgCis2Data();
    KvDlgCis2Data(const KvDlgCis2Data& other);
    KvDlgCis2Data& operator=(const KvDlgCis2Data& other);
    virtual ~KvDlgCis2Data();

    bool flag1 = true;
    bool flag2 = true;
    bool flag3 = false;
    bool flag4 = false;
    bool flag5 = false;
};
