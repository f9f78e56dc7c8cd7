#pragma once
// The section library record: its section groups, its section types, the image names the image boxes
// offer and the value tables available.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class DlgEditLibData {
public:
    DlgEditLibData();
    DlgEditLibData(const DlgEditLibData& other);
    DlgEditLibData& operator=(const DlgEditLibData& other);
    virtual ~DlgEditLibData();

    Ork_StringArray groupNames;
    Ork_StringArray typeNames;
    Ork_StringArray imageNames;
    Ork_StringArray availableFiles;
};
