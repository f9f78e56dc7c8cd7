#pragma once
// The record of the profile cuts dialog: the cuts of a profile, one name and one value per row.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class DlgProfCutsData {
public:
    DlgProfCutsData();
    DlgProfCutsData(const DlgProfCutsData& other);
    DlgProfCutsData& operator=(const DlgProfCutsData& other);
    virtual ~DlgProfCutsData();

    Ork_StringArray names;
    Ork_StringArray values;
};
