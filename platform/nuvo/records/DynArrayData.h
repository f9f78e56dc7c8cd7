#pragma once
// One dynamic array of a macro: its kind (0 to 3, -1 for mixed), name, three dimension names, the text
// of kind 1, six value texts, two tri-state flags (-1 indeterminate) and its entries (three parallel
// columns: a position in a three-entry list, a flag and a text per entry).
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class DynArrayData {
public:
    DynArrayData();
    DynArrayData(const DynArrayData& other);
    DynArrayData& operator=(const DynArrayData& other);
    virtual ~DynArrayData();

    int kind = 0;
    Ork_String name;
    Ork_StringArray dimNames;
    Ork_String kindText;
    Ork_StringArray values;
    int flag1 = 0;
    int flag2 = 0;
    AcArray<int> entryKinds;
    AcArray<bool> entryFlags;
    Ork_StringArray entryTexts;

    void getEntryColumns(AcArray<int>& kinds, AcArray<bool>& flags, Ork_StringArray& texts) const;
    // Takes as many entries as the shortest column has.
    void setEntryColumns(const AcArray<int>& kinds, const AcArray<bool>& flags, const Ork_StringArray& texts);
    int entryCount() const { return entryTexts.length(); }

    // The dimension names an array of that kind may use for the first, second or third dimension (one
    // selector set), offered for the drawing objects and the text (the tab) the dialog was opened for.
    // Recorded in the host log.
    void getValidDimNames(const AcArray<AcDbObjectId>& objectIds, const Ork_String& text, int arrayKind,
                          bool first, bool second, bool third, Ork_StringArray& names) const;
    // Applies an action to an entry, counted from 1 (action 1 marks the entry: its position becomes 1).
    // False, nothing changed, for an entry the array does not have or an unknown action. Recorded.
    bool setEntryAction(int entry, int action);
};

bool operator==(const DynArrayData& a, const DynArrayData& b);
