#pragma once
// The record of the grid dialog: two rows of grid lines, each a count, a spacing and a label, and an option.
// What they mean is the caller's; the dialog only shows and edits them.
#include "SS/ssExport.h"
#include "nuvo/Ork_String.h"

class SS_EXPORT KvGridDlgData {
public:
    KvGridDlgData();
    KvGridDlgData(const KvGridDlgData& other);
    KvGridDlgData& operator=(const KvGridDlgData& other);
    virtual ~KvGridDlgData();

    int firstCount = 4;
    Ork_String firstSpacing = u"5000";
    Ork_String firstLabel = u"A";
    int secondCount = 3;
    Ork_String secondSpacing = u"5000";
    Ork_String secondLabel = u"1";
    bool option = false;
};
