#include "base/SSTimers.h"

// Defined in one translation unit, so they are constructed in this order and destroyed in reverse.
Ork_Timer gLoadFile(u"gLoadFile");
Ork_Timer gInitMapping(u"gInitMapping");
Ork_Timer gInitSSForInput(u"gInitSSForInput");
Ork_Timer gInitFromMacro(u"gInitFromMacro");
Ork_Timer gSSSGetFromMacro(u"gSSSGetFromMacro");
Ork_Timer gSetMacroValuelsToSS(u"gSetMacroValuelsToSS");
Ork_Timer gSSSreplaceGenVars(u"gSSSreplaceGenVars");
Ork_Timer gCalcMain(u"gCalcMain");
Ork_Timer gSetToMacro(u"gSetToMacro");
Ork_Timer gGetFromVars(u"gGetFromVars");
Ork_Timer gCalcChild(u"gCalcChild");
Ork_Timer gSetToVars(u"gSetToVars");
Ork_Timer gRegisterFuntions(u"gRegisterFuntions");
Ork_Timer gFindDuplicates(u"gFindDuplicates");
Ork_Timer gCalcCells(u"gCalcCells");
Ork_Timer gCalcCellSplitSymbol(u"gCalcCellSplitSymbol");
Ork_Timer gCalcCellFindVarCell(u"gCalcCellFindVarCell");
Ork_Timer gCalcCellFindFunctions(u"gCalcCellFindFunctions");
Ork_Timer gCalcCellCalcNativeFunctions(u"gCalcCellCalcNativeFunctions");
Ork_Timer gCalcCellCalcFunctionsPrepare(u"gCalcCellCalcFunctionsPrepare");
Ork_Timer gCalcCellCalcFunctions(u"gCalcCellCalcFunctions");
Ork_Timer gCalcCellGetVarNames(u"gCalcCellGetVarNames");
Ork_Timer gCalcCellGetVarCoordName(u"gCalcCellGetVarCoordName");
Ork_Timer gCalcCellGetVarCoords(u"gCalcCellGetVarCoords");
Ork_Timer gCalcCellReplaceVariables(u"gCalcCellReplaceVariables");

const std::array<Ork_Timer*, 25>& ssTimers() {
    static const std::array<Ork_Timer*, 25> timers{
        &gLoadFile,           &gInitMapping,          &gInitSSForInput,          &gInitFromMacro,
        &gSSSGetFromMacro,    &gSetMacroValuelsToSS,  &gSSSreplaceGenVars,       &gCalcMain,
        &gSetToMacro,         &gGetFromVars,          &gCalcChild,               &gSetToVars,
        &gRegisterFuntions,   &gFindDuplicates,       &gCalcCells,               &gCalcCellSplitSymbol,
        &gCalcCellFindVarCell, &gCalcCellFindFunctions, &gCalcCellCalcNativeFunctions,
        &gCalcCellCalcFunctionsPrepare, &gCalcCellCalcFunctions, &gCalcCellGetVarNames,
        &gCalcCellGetVarCoordName, &gCalcCellGetVarCoords, &gCalcCellReplaceVariables,
    };
    return timers;
}
