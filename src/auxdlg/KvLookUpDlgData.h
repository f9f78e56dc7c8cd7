#pragma once
// The record of the look-up dialog: what to offer, what the user picked, and how the dialog ended.
#include "SS/ssExport.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class SS_EXPORT KvLookUpDlgData {
public:
    KvLookUpDlgData();
    KvLookUpDlgData(const KvLookUpDlgData& other);
    KvLookUpDlgData& operator=(const KvLookUpDlgData& other);
    virtual ~KvLookUpDlgData();

    Ork_String title;
    Ork_String label;
    Ork_StringArray columns;     // headers of the offered entries
    Ork_StringArray items;       // the offered entries
    int selection = -1;          // index into items; -1 for none
    Ork_String selectedText;
    bool allowEdit = false;
    bool multiSelect = false;
    int result = 0;              // how the dialog ended (IDOK, IDCANCEL)
};
