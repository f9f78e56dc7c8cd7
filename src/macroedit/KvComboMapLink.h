#pragma once
// One variable row of the standards mapping page: where its combo cell is, which variable of the loaded
// spreadsheet it maps, and, per combo entry, the index of the candidate object among the available ones.
#include "cadhost/AcArray.h"

struct KvComboMapLink {
    int column = -1;
    int row = -1;
    int varIndex = -1;
    AcArray<int> candidates;
};
