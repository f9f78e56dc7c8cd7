#pragma once
// A macro on the dialog side: one tab per module group, each with the values the macro dialog shows, and
// what the dialog needs of the selection behind it (the objects, their macro names, the groups, the filters)
// and of the host (its database macro and the standards it loads its values from).
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/macro/MacroTabData.h"

class Ork_DbMacro;

// One filter combo box of the macro dialog: its items and the chosen one.
struct MacroFilterChoice {
    Ork_StringArray items;
    int choice = 0;
};

// A standards sheet the macro loads its values from, and the mapping target it is evaluated for.
struct MacroStandardData {
    Ork_String file;
    Ork_String target;
};

class MacroData {
public:
    Ork_String name;
    Ork_Array<MacroTabData> tabs;
    AcArray<AcDbObjectId> objects;     // the selected macro objects the dialog edits
    Ork_StringArray macroNames;        // the macro name of each object, in order
    Ork_StringArray groupNames;
    int currentGroup = -1;             // a position in groupNames, or -1
    Ork_String currentTab;             // the tab shown first (by name); empty: the first
    MacroFilterChoice filter1;
    MacroFilterChoice filter2;
    bool propListsAllowed = true;      // the open and save buttons work
    bool tieProfileToObject = false;   // with exactly one object, a profile tab is tied to it
    bool eraseAfterProfAdv = false;    // after the advanced profile dialog, the single object is erased
    bool ownCoordSysAllowed = true;    // the drawing lets a profile lie in a coordinate system of its own
    Ork_DbMacro* dbMacro = nullptr;    // shared, never owned
    Ork_Array<MacroStandardData> standards;

    virtual ~MacroData() = default;

    // The index of the tab with that exact name; false (index untouched) when there is none.
    bool findTab(const Ork_String& tab, int& index) const;
    // The tab at an index; null outside the tabs.
    MacroTabData* getTab(int index) { return tabs.get(index); }
    const MacroTabData* getTab(int index) const { return tabs.get(index); }

    // The merged properties of a profile group of the tab `tab`; false when either is missing.
    bool getMergedPropsOfGroup(const Ork_String& tab, const Ork_String& group, MacroProfData& props) const;
    bool setMergedPropsOfGroup(const Ork_String& tab, const Ork_String& group, const MacroProfData& props);

    // Asks the host to show the drawing from view 0 to 3 around the tab's modules (recorded).
    bool changeView(const Ork_String& tab, int view);
    // Asks the host to place the macro again with its current values; true when it did (recorded).
    bool reApply();
    // Runs every standards sheet of the macro (the module's StartDlgStandardsSS, found in the loaded module
    // at run time) in macro mode on the database macro. False when there is none to run, the module is not
    // loaded or an evaluation fails (those before it keep their results).
    bool loadFromStandards();

    // ---- Property files: a macro's values kept under a name, a folder per macro
    bool propListAllowed() const { return propListsAllowed && !name.isEmpty(); }
    // The macro's property folder, ending in "\": the library's "Macro Values\" and the macro's name.
    Ork_String propFolder() const;
    // The names (without folder or extension) of the macro's property files, sorted.
    void getPropFiles(Ork_StringArray& names) const;
    // Reads a property file into the tabs; `unplaced` counts the values whose tab or value the macro lacks.
    // All or nothing: a file that cannot be read or is malformed changes nothing.
    bool readFromFile(const Ork_String& path, int& unplaced, Ork_String& error);
    // Writes every value of every tab, atomically (a failed write leaves the old file as it was).
    bool writeToFile(const Ork_String& path, Ork_String& error) const;

    // The tabs whose values differ from `before` (by name), with their change codes (MacroTabData::differences).
    void differences(const MacroData& before, Ork_StringArray& tabNames, Ork_Array<AcArray<int>>& changed) const;
};
