#pragma once
// The record of the profile features dialog: one name and one value per feature.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class DlgProfFeaturesData {
public:
    DlgProfFeaturesData();
    DlgProfFeaturesData(const DlgProfFeaturesData& other);
    DlgProfFeaturesData& operator=(const DlgProfFeaturesData& other);
    virtual ~DlgProfFeaturesData();

    Ork_StringArray names;
    Ork_StringArray values;
};
