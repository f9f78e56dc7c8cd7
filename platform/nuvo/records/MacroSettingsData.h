#pragma once
// The macro settings record that GetMacroSettings fills from a database macro and SetMacroSettings stores
// back, in the order the settings dialog's pages use it: the filters (shared by both filter pages), the
// general variables with three general settings, the macro's groups with two free texts, the standards
// mapping, whether the mapping page changed a mapping, and the filter properties. Each page edits one part
// through a pointer to it.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/macro/Ork_MacroFilters.h"

class KvSSMapping;

// The two filter pages' part.
using MacroFilterData = Ork_MacroFilters;

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

// The standards mapping page's part: the spreadsheets of the macro with their mapping keys, the macro's
// modules, and the objects a spreadsheet variable may be mapped to. The host cannot build those (they are
// the module's), so whoever opens the dialog lends them for its run: shared, never owned, null for none.
class TabMappingData {
public:
    Ork_StringArray names;           // relative to the standards folder, without ".kvs"
    Ork_StringArray keys;            // "Module." + a module, a key of the sheet's mapping file, or empty
    Ork_StringArray moduleNames;
    KvSSMapping* availableObjects = nullptr;

    // The key at `index` when the sheet there is `name`; empty otherwise.
    Ork_String getMapping(const Ork_String& name, int index) const;
};

class MacroSettingsData {
public:
    MacroSettingsData();
    MacroSettingsData(const MacroSettingsData& other);
    MacroSettingsData& operator=(const MacroSettingsData& other);
    virtual ~MacroSettingsData();

    MacroFilterData filters;
    MacroGenVarsData genVars;
    MacroGroupsData groups;
    TabMappingData mapping;
    bool mappingChanged = false;
    Ork_StringArray filterPropNames;
    Ork_Array<Ork_StringArray> filterPropValues;   // one list per property
    Ork_StringArray filterPropImages;              // one design name per property
};

// Whether two records hold the same settings, every part compared (the lent objects by address).
bool sameSettings(const MacroSettingsData& a, const MacroSettingsData& b);
