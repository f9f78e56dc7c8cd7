#pragma once
// One cut of a macro as the cut dialog edits it: its type (1 to 6) and name, the offsets as three parallel
// lists (names, variable names, flags), a value text, the side and option choices, and the target: this
// macro (1) or another one (2) with the module to cut, picked from `macros`. An existing cut keeps its type,
// name and target.
//
// Sides: type 1 keeps one flag (the second side); type 4 keeps two (`sideFlag` clear: both segments, side 3;
// set: side 1 or, with `secondSideFlag`, side 2).
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/records/MacrosInDlgData.h"

class DlgMacroCutsData {
public:
    static constexpr int kThisMacro = 1;
    static constexpr int kOtherMacro = 2;
    static constexpr int kFirstType = 1;
    static constexpr int kLastType = 6;
    static constexpr int kOptionCount = 4;

    DlgMacroCutsData();
    DlgMacroCutsData(const DlgMacroCutsData& other);
    DlgMacroCutsData& operator=(const DlgMacroCutsData& other);
    virtual ~DlgMacroCutsData();

    bool editExisting = false;
    int cutType = 1;
    Ork_String cutName;
    Ork_StringArray offsetNames;
    Ork_StringArray offsetVarNames;
    AcArray<bool> offsetFlags;
    Ork_String value;
    bool sideFlag = false;
    bool secondSideFlag = false;
    int option = 0;                      // the option list's position, 0 to 3
    bool checks[3] = {false, false, false};
    int target = kThisMacro;
    Ork_String targetModule;
    MacrosInDlgData macros;

    // The offsets a new cut of that type starts with: their names, variable names ("0") and flags (clear).
    // False, the lists emptied, for a type outside 1 to 6. Recorded.
    bool GetDefaultValues(int type, Ork_StringArray& names, Ork_StringArray& varNames, AcArray<bool>& flags) const;
    // Whether the macro (of `macros`) already holds a cut of that name, ignoring case. Recorded.
    bool CutNameInUse(const Ork_String& macro, const Ork_String& module, const Ork_String& name) const;
    // Whether every offset variable name is valid: a number ("12", "-2.5") or a general variable's name,
    // "gen_" followed by at least one letter, digit or underscore. Recorded.
    bool AreVarNamesValid() const;
};

bool operator==(const DlgMacroCutsData& a, const DlgMacroCutsData& b);
