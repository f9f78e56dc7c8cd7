#pragma once
// The macro settings record that GetMacroSettings fills from a database macro and SetMacroSettings stores
// back: the general variables with three general settings, and the macro's groups with two free texts. The
// settings dialog's pages each edit one part through a pointer to it.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// The general variables page's part.
struct MacroGenVarsData {
    int firstSetting = -1;           // position in a list of three; -1 none
    int secondSetting = -1;          // position in a list of three; -1 none
    int thirdSetting = 0;            // a number
    Ork_StringArray names;
    AcArray<double> values;          // parallel to the names
};

// The groups page's part.
struct MacroGroupsData {
    Ork_String firstText;
    Ork_String secondText;
    Ork_StringArray names;
    Ork_StringArray texts;           // parallel to the names
    AcArray<int> numbers;            // 0 none, n >= 1 the number n
};

class MacroSettingsData {
public:
    MacroSettingsData();
    MacroSettingsData(const MacroSettingsData& other);
    MacroSettingsData& operator=(const MacroSettingsData& other);
    virtual ~MacroSettingsData();

    MacroGenVarsData genVars;
    MacroGroupsData groups;
};
