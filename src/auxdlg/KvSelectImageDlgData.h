#pragma once
// The record of the image selection dialog: the pictures offered and the one chosen.
#include "SS/ssExport.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class SS_EXPORT KvSelectImageDlgData {
public:
    KvSelectImageDlgData();
    KvSelectImageDlgData(const KvSelectImageDlgData& other);
    KvSelectImageDlgData& operator=(const KvSelectImageDlgData& other);
    virtual ~KvSelectImageDlgData();

    Ork_String title;
    Ork_StringArray imageFiles;  // full paths of the pictures to offer
    Ork_String selection;        // the chosen entry; empty until OK
};
