#pragma once
// The section library record: its section groups, its section types, the image names the image boxes offer
// and the value tables available. It is kept in the library's "prof\library.json" (docs/formats.md).
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/records/SectionGroupArray.h"
#include "nuvo/records/SectionType.h"

class DlgEditLibData {
public:
    DlgEditLibData();
    DlgEditLibData(const DlgEditLibData& other);
    DlgEditLibData& operator=(const DlgEditLibData& other);
    virtual ~DlgEditLibData();

    // Fills availableFiles with the names (without ".pr") of the value tables in Ork_Settings::libDir() +
    // "prof\", sorted without case. False, and the list empty, when there is none.
    bool GetAvailableFiles();

    SectionGroupArray groups;
    SectionTypeArray types;
    Ork_StringArray imageNames;
    Ork_StringArray availableFiles;
};

bool operator==(const DlgEditLibData& a, const DlgEditLibData& b);
