#pragma once
// The module's 25 profiling timers. They bracket the steps of a standards evaluation and only accumulate;
// the host reads them by name, so their names and their order are part of the exported interface.
#include "SS/ssExport.h"
#include "nuvo/Ork_Timer.h"

#include <array>

extern SS_EXPORT Ork_Timer gLoadFile;
extern SS_EXPORT Ork_Timer gInitMapping;
extern SS_EXPORT Ork_Timer gInitSSForInput;
extern SS_EXPORT Ork_Timer gInitFromMacro;
extern SS_EXPORT Ork_Timer gSSSGetFromMacro;
extern SS_EXPORT Ork_Timer gSetMacroValuelsToSS;
extern SS_EXPORT Ork_Timer gSSSreplaceGenVars;
extern SS_EXPORT Ork_Timer gCalcMain;
extern SS_EXPORT Ork_Timer gSetToMacro;
extern SS_EXPORT Ork_Timer gGetFromVars;
extern SS_EXPORT Ork_Timer gCalcChild;
extern SS_EXPORT Ork_Timer gSetToVars;
extern SS_EXPORT Ork_Timer gRegisterFuntions;
extern SS_EXPORT Ork_Timer gFindDuplicates;
extern SS_EXPORT Ork_Timer gCalcCells;
extern SS_EXPORT Ork_Timer gCalcCellSplitSymbol;
extern SS_EXPORT Ork_Timer gCalcCellFindVarCell;
extern SS_EXPORT Ork_Timer gCalcCellFindFunctions;
extern SS_EXPORT Ork_Timer gCalcCellCalcNativeFunctions;
extern SS_EXPORT Ork_Timer gCalcCellCalcFunctionsPrepare;
extern SS_EXPORT Ork_Timer gCalcCellCalcFunctions;
extern SS_EXPORT Ork_Timer gCalcCellGetVarNames;
extern SS_EXPORT Ork_Timer gCalcCellGetVarCoordName;
extern SS_EXPORT Ork_Timer gCalcCellGetVarCoords;
extern SS_EXPORT Ork_Timer gCalcCellReplaceVariables;

// The timers in their order of creation, with the step each one measures. A host that loads the module
// finds each timer by its name (the names are the exported symbols), so this table is all it needs.
struct SSTimerInfo {
    const char* name;
    const char* step;
};

inline constexpr std::array<SSTimerInfo, 25> kSSTimers{{
    // name                              step measured
    {"gLoadFile",                        "loading the standards document into the hidden grid"},
    {"gInitMapping",                     "initialising the mapping of the variable cells"},
    {"gInitSSForInput",                  "taking the general-variable lists and reading the declarations (macro mode)"},
    {"gInitFromMacro",                   "filling the variable cells from the macro"},
    {"gSSSGetFromMacro",                 "the whole fill from the macro, mapping included"},
    {"gSetMacroValuelsToSS",             "writing the variable values into the sheet"},
    {"gSSSreplaceGenVars",               "substituting general variables in all cells"},
    {"gCalcMain",                        "calculating and reading the outputs (macro mode)"},
    {"gSetToMacro",                      "writing the outputs to the macro"},
    {"gGetFromVars",                     "preparing the sheet from given variable cells (direct mode)"},
    {"gCalcChild",                       "calculating in direct mode"},
    {"gSetToVars",                       "copying the outputs to the given variable cells"},
    {"gRegisterFuntions",                "registering the custom sheet functions"},
    {"gFindDuplicates",                  "looking for and removing duplicate variable names"},
    {"gCalcCells",                       "the statement loop of the Calc section"},
    {"gCalcCellSplitSymbol",             "splitting a statement at its equals sign"},
    {"gCalcCellFindVarCell",             "looking the assigned variable up"},
    {"gCalcCellFindFunctions",           "looking for a child call in the statement"},
    {"gCalcCellCalcNativeFunctions",     "evaluating a child call"},
    {"gCalcCellCalcFunctionsPrepare",    "setting the cell type, replacing names and setting the formula"},
    {"gCalcCellCalcFunctions",           "reading the computed value and storing it in the variable"},
    {"gCalcCellGetVarNames",             "collecting the variable names"},
    {"gCalcCellGetVarCoordName",         "turning one variable name into its cell coordinate"},
    {"gCalcCellGetVarCoords",            "collecting all coordinates"},
    {"gCalcCellReplaceVariables",        "replacing the names by coordinates"},
}};

// The timer objects in the same order (inside the module).
const std::array<Ork_Timer*, 25>& ssTimers();
