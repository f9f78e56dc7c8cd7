#pragma once
// The record of the CSP2 dialog: named values, one name and one value per row.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class DlgCSP2Data {
public:
    DlgCSP2Data();
    DlgCSP2Data(const DlgCSP2Data& other);
    DlgCSP2Data& operator=(const DlgCSP2Data& other);
    virtual ~DlgCSP2Data();

    Ork_StringArray names;
    Ork_StringArray values;
};
