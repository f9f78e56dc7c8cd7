#pragma once
// One table of the section library ("prof\<name>.pr"): one row per size of one section family, with its system
// name, whether it is offered ("I/O"), its user name in every language and its dimension values as texts. It is
// read and written whole, shown in and taken back from a grid, and registered with the host's section tables.
//
// Row layout: 0 "SysName", 1 "I/O" ("0" = inactive, anything else active), 2 .. 2+L-1 one language each, then
// the values. L is 4, or 5 when the column at index 6 is headed "Korean".
#include "SS/ssExport.h"
#include "cadhost/AcArray.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class Ork_SectionTableManager;
class Ork_Spread;

class SS_EXPORT Ork_ProfValuesTable {
public:
    Ork_ProfValuesTable();
    Ork_ProfValuesTable(const Ork_ProfValuesTable& other);
    Ork_ProfValuesTable& operator=(const Ork_ProfValuesTable& other);
    virtual ~Ork_ProfValuesTable();

    // ---- Files: Ork_Settings::libDir() + "prof\" + fileName (+ ".pr"). A name that leaves "prof\" or holds
    // characters no file name may hold is refused; a failed read leaves the table as it was.
    bool readFromFile(const Ork_String& fileName);
    bool writeToFile(const Ork_String& fileName);

    // ---- Rows and columns
    bool getRow(Ork_StringArray& out, const int& row);
    bool deleteRow(const int& row);
    int getColumnIdx(const Ork_String& header);
    bool getColumn(Ork_StringArray& out, const int& col);
    bool getColumn(Ork_StringArray& out, const Ork_String& header);

    // ---- System names: every entry is name + "-" + the row's system name.
    void getSysNames(Ork_StringArray& out);
    void getFilteredSysNames(Ork_StringArray& out);
    void getSysNames(Ork_StringArray& out, bool onlyActive);
    bool findSysName(const Ork_String& sysName, int& row);
    Ork_String findUnusedSysName(const Ork_String& seed);
    // The row's position in getFilteredSysNames (an inactive row: the position the next active row has);
    // -1 for a row out of range.
    int getfilteredIdx(const int& row);
    int getNrLanguages();
    void removeInactiveEntries();

    // ---- Editing
    // Inserts after `row` a copy of it under a fresh system name and user name; never after the last row.
    bool insertRow(const int& row);
    // As insertRow(row), and names the inserted copy (row + 1). A failed step takes the copy out again.
    ErrorStatus insertRow(const int& row, const Ork_String& sysName, const Ork_String& userName);
    ErrorStatus setSysName(const int& row, const Ork_String& sysName);
    ErrorStatus setUserNames(const int& row, const Ork_String& userName);
    ErrorStatus setValues(const int& row, const AcArray<double>& values);

    // ---- Grid and host
    bool getFromSS(Ork_Spread& grid);
    bool setToSS(Ork_Spread& grid);
    // Registers the table under its name; a failure keeps the registration there was.
    ErrorStatus setToGlobals(Ork_SectionTableManager* manager);

    Ork_String name;
    Ork_String descriptor;
    Ork_StringArray columnNames;
    Ork_Array<Ork_StringArray> rows;
};
