#pragma once
// The macro definition editor's record, prepared by the host from a database macro and one of its modules
// (prepareEditConstrData) and refreshed by every editor call (macroEditorCalls.h) that changes the macro. Its
// address is the handle the editor passes to those calls.
//
// All per-row arrays are parallel by row, but a page never trusts their lengths: the host may hand over
// arrays of different lengths, and a row missing from one of them shows that field empty.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class EditConstrData {
public:
    EditConstrData();
    EditConstrData(const EditConstrData& other);
    EditConstrData& operator=(const EditConstrData& other);
    virtual ~EditConstrData();

    // ---- The macro and its modules
    AcDbObjectId macroId;            // the database macro (GetMacroSettings, the cut editor)
    Ork_String moduleName;           // the module on show
    Ork_StringArray moduleNames;     // refreshed after a drawing command

    // ---- Constraints, one row each (columns: name, expression, first object, second object)
    Ork_Array<Ork_StringArray> constrRowTexts;
    AcArray<int> constrIds;
    int currentConstrId = 0;         // the row with this id is selected after every fill
    AcArray<int> cutFlags;           // 1: the row's constraint has a cut to edit
    Ork_Array<AcArray<int>> constrProperties;   // editors that apply: 0 value, 1 name, 2 options, 3 flags
    Ork_StringArray constrValues;
    Ork_StringArray constrNames;
    AcArray<bool> firstFlags;
    AcArray<bool> secondFlags;
    Ork_Array<Ork_StringArray> optionLists;
    AcArray<int> selectedOptions;
    Ork_Array<Ork_StringArray> imageLists;      // bitmap paths and "%radioBreak%" markers
    Ork_Array<AcArray<int>> groupSelections;    // 1-based button per exclusive group

    // ---- Geometry, one row each (columns: type, object, name, flexibility, constraint geometry)
    Ork_Array<Ork_StringArray> geomRowTexts;
    Ork_StringArray geomNames;
    AcArray<int> geomFlexibility;    // position in the flexibility list
    AcArray<int> geomConstrFlags;    // 0 or 1; other values cannot be changed
    AcArray<AcDbObjectId> geomIds;
    AcArray<long> geomFlexValues;

    // ---- Variables, dimensions and equations
    Ork_StringArray varNames;
    AcArray<double> varValues;
    AcArray<short> varKinds;         // position in the kind list
    Ork_StringArray dimNames;
    Ork_StringArray dimValues;
    Ork_StringArray equations;
};
