#pragma once
// What the standards commands (evaluate, vars, batch) know of a sheet before and after the module evaluates it:
// where its file is, its declarations as the module reads them, the record of a direct-mode evaluation built
// from them, the outputs that come back in it, and why a sheet cannot be evaluated at all.
#include "standards/KvDlgStandardsData.h"
#include "standards/KvVarCell.h"
#include "standards/KvVarCells.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sscmd {

// The file the module loads for a sheet: the file itself, or the library's standard of that name. A folder is
// no sheet.
Ork_String sheetFile(const Ork_String& sheet);
bool sheetExists(const Ork_String& sheet);
// A path as the user's system writes it ("/" separators), for messages.
std::string nativeText(const Ork_String& path);

// What a sheet declares, as the module reads it before an evaluation: every declaration in the module's order
// (inputs, outputs, locals), a duplicated name as often as it is declared, since the module pairs a caller's
// values with these by position; and whether the sheet has the Calc section an evaluation needs.
struct Declarations {
    Ork_Array<KvVarCell> cells;
    bool hasCalc = false;
};
bool readDeclarations(const Ork_String& sheet, Declarations& declarations, std::string& error);

// kExitOk when the module will find the sheet; otherwise the message and kExitBadInput.
int checkSheet(const char* command, const std::string& sheet, std::FILE* err);

// A direct-mode record for the sheet: one cell per input and output, in declaration order, every value empty.
// The caller fills in the values it has and the general variables.
KvDlgStandardsData directRecord(const Ork_String& sheet, const Declarations& declared);

// The outputs of a direct-mode evaluation, with their declared names, from the caller's cells the module gave
// them back in.
KvVarCells returnedOutputs(const Ork_Array<KvVarCell>& declared, const KvVarCells& returned);
// Where returnedOutputs finds each output: its declaration and its place among the caller's cells, in order.
struct OutputPosition {
    int declared = 0;
    int returned = 0;
};
std::vector<OutputPosition> outputPositions(const Ork_Array<KvVarCell>& declared);

// Why an evaluation that failed could not run, when the sheet shows it; empty when it does not.
std::string whyNotEvaluated(const std::string& sheet);
// The same as a line "ss COMMAND: why" on `err`.
void explainFailure(const char* command, const std::string& sheet, std::FILE* err);

// The section tables the library holds but the module left out: their sections are unknown to every sheet.
void warnSectionTables(const char* command, std::FILE* err);

} // namespace sscmd
