#include "cmdStandards.h"

#include "SSHost.h"
#include "jsonText.h"
#include "shownPath.h"
#include "SS/SSExports.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/textHelpers.h"
#include "nuvo/macro/MacroData.h"
#include "nuvo/macro/Ork_DbMacro.h"
#include "nuvo/macro/macroJson.h"
#include "ssServices.h"
#include "standardsSheet.h"
#include "standards/KvDeclarations.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvMappingFile.h"
#include "grid/GridDocument.h"
#include "grid/Sheet.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/utf16.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>

namespace sscmd {
namespace {

const char kEvaluateHelp[] =
    "usage: ss evaluate SHEET [--set NAME=VALUE]... [--gen NAME=VALUE]... [--json]\n"
    "       ss evaluate SHEET --macro MACRO.json --target TARGET [--write OUT.json]\n"
    "                   [--gen NAME=VALUE]... [--json]\n"
    "\n"
    "Evaluates a connection-standards sheet. SHEET is a file, or a name in the library's\n"
    "\"Connection Standards\" folder (EndPlate for EndPlate.kvs).\n"
    "\n"
    "Direct mode: the sheet's inputs and outputs get the values given with --set (by\n"
    "name; the others stay empty) and the outputs are printed.\n"
    "Macro mode: the inputs are read from the macro through the sheet's mapping for\n"
    "TARGET (\"Module.GROUP\" reaches a module group by variable name), the outputs are\n"
    "written into the macro, and --write saves the changed macro. Every variable is\n"
    "printed.\n"
    "\n"
    "--gen gives a general variable; messages the module shows are printed.\n"
    "exit codes: 0 done, 1 wrong usage, 2 the sheet or macro cannot be read, 3 the macro\n"
    "cannot be written, 4 the module could not be loaded, 5 the evaluation failed\n";

const char kVarsHelp[] =
    "usage: ss vars SHEET [--json]\n"
    "\n"
    "Lists the variables a connection-standards sheet declares, in their order: role,\n"
    "type, name and cell.\n"
    "exit codes: 0 done, 1 wrong usage, 2 the sheet cannot be read, 4 the module could\n"
    "not be loaded, 5 the sheet cannot be evaluated\n";

// A target no mapping file holds: an evaluation for it reads nothing from the macro and maps nothing back.
constexpr const char16_t* kNoTarget = u"\x01ss-declarations";

const char* typeName(KvValueType type) {
    switch (type) {
    case KvValueType::Int: return "Int";
    case KvValueType::Double: return "Double";
    case KvValueType::String: return "String";
    }
    return "?";
}

const char* roleName(KvCellType role) {
    switch (role) {
    case KvCellType::Input: return "Input";
    case KvCellType::Output: return "Output";
    case KvCellType::Local: return "Local";
    }
    return "?";
}

// The shortest usual writing of a number ("12", "212.5"), as a value substituted into a formula.
std::string numberText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

// True, once the help is printed, when the words ask for it.
bool printedHelp(const std::vector<std::string>& args, const char* help, std::FILE* out) {
    for (const std::string& arg : args) {
        if (isHelp(arg)) {
            std::fputs(help, out);
            return true;
        }
    }
    return false;
}

// "NAME=VALUE" split at its first "="; false without one or with an empty name.
bool splitAssignment(const std::string& text, std::string& name, std::string& value) {
    const auto eq = text.find('=');
    if (eq == std::string::npos || eq == 0)
        return false;
    name = text.substr(0, eq);
    value = text.substr(eq + 1);
    return true;
}

struct Options {
    std::string sheet;
    std::vector<std::pair<std::string, std::string>> sets;
    std::vector<std::pair<std::string, std::string>> gens;
    std::string macro;
    std::string target;
    std::string write;
    bool json = false;
};

// Texts go out whole, whatever they hold (U+0000 included): printf's "%s" would end them at the first 0.
void writeText(const std::string& text, std::FILE* out) { std::fwrite(text.data(), 1, text.size(), out); }

void printBoxes(const CommandLineServices& services, std::FILE* out) {
    for (const CommandLineServices::Box& box : services.boxes())
        writeText("message" + (box.caption.empty() ? std::string() : " - " + box.caption) + ":\n" + box.text + "\n", out);
}

void printBoxesJson(const CommandLineServices& services, std::FILE* out) {
    std::fprintf(out, "  \"messages\": [");
    const auto& boxes = services.boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        std::fprintf(out, "%s\n    {\"caption\": %s, \"text\": %s}", i ? "," : "", jsonText(boxes[i].caption).c_str(),
                     jsonText(boxes[i].text).c_str());
    std::fprintf(out, "%s]", boxes.empty() ? "" : "\n  ");
}

void printCells(const KvVarCells& cells, bool outputsOnly, bool json, std::FILE* out) {
    bool first = true;
    for (const KvVarCell& cell : cells) {
        if (outputsOnly && !cell.isOutput())
            continue;
        if (json) {
            std::fprintf(out, "%s\n    {\"name\": %s, \"role\": \"%s\", \"type\": \"%s\", \"value\": %s}", first ? "" : ",",
                         jsonText(cell.name.utf8()).c_str(), roleName(cell.cellType), typeName(cell.valueType),
                         cell.valueType == KvValueType::String ? jsonText(cell.value.utf8()).c_str()
                                                               : jsonNumber(cell.value.utf8()).c_str());
        } else if (outputsOnly) {
            writeText(cell.name.utf8() + " = " + cell.value.utf8() + "\n", out);
        } else {
            std::fprintf(out, "%-6s %-6s ", roleName(cell.cellType), typeName(cell.valueType));
            writeText(cell.name.utf8() + " = " + cell.value.utf8() + "\n", out);
        }
        first = false;
    }
}

void addGeneralVariables(const Options& options, KvDlgStandardsData& record) {
    for (const auto& [name, value] : options.gens) {
        record.genVarNames.append(Ork_String::fromUtf8(name));
        record.genVarValues.append(Ork_String::fromUtf8(value));
    }
}

// The sheet evaluated as the module evaluates it for a target without mapping (a macro-mode run that maps
// nothing): whether it can be evaluated at all. The messages the module shows whatever its message setting
// (duplicated names) reach the services installed.
bool declarationsOf(const Ork_String& sheet, const Options& options, KvVarCells& cells) {
    Ork_DbMacro macro;
    MacroData data;
    AcDbTransaction transaction;
    KvDlgStandardsData record;
    if (record.initialize(&macro, sheet, kNoTarget, &data) != eOk)
        return false;
    record.transaction = &transaction;
    addGeneralVariables(options, record);
    const bool messages = Ork_Settings::standardsMessages();
    Ork_Settings::setStandardsMessages(false);
    const bool ok = StartDlgStandardsSS(record);
    Ork_Settings::setStandardsMessages(messages);
    if (ok)
        cells = record.varCells;
    return ok;
}

int parseOptions(const std::vector<std::string>& args, const char* command, Options& options, std::FILE* err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto needValue = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                std::fprintf(err, "ss %s: %s needs a value\n", command, arg.c_str());
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string value;
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--set" || arg == "--gen") {
            std::string name, text;
            if (!needValue(value))
                return kExitUsage;
            if (!splitAssignment(value, name, text)) {
                std::fprintf(err, "ss %s: %s takes NAME=VALUE, not '%s'\n", command, arg.c_str(), value.c_str());
                return kExitUsage;
            }
            (arg == "--set" ? options.sets : options.gens).emplace_back(name, text);
        } else if (arg == "--macro" || arg == "--target" || arg == "--write") {
            if (!needValue(arg == "--macro" ? options.macro : arg == "--target" ? options.target : options.write))
                return kExitUsage;
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(err, "ss %s: unknown option '%s' (try ss %s --help)\n", command, arg.c_str(), command);
            return kExitUsage;
        } else if (options.sheet.empty()) {
            options.sheet = arg;
        } else {
            std::fprintf(err, "ss %s: one sheet only ('%s' is extra)\n", command, arg.c_str());
            return kExitUsage;
        }
    }
    if (options.sheet.empty()) {
        std::fprintf(err, "ss %s: which sheet? (try ss %s --help)\n", command, command);
        return kExitUsage;
    }
    return kExitOk;
}

// Runs the evaluation and prints its result: the outputs in direct mode, every variable in macro mode, and
// the messages the module showed; with --json one object that starts with the sheet and `fields`.
// `declared`: in direct mode, the sheet's declarations, whose outputs are printed.
int evaluateAndReport(KvDlgStandardsData& record, const Options& options, const CommandLineServices& services,
                      const std::string& fields, const Ork_Array<KvVarCell>* declared, std::FILE* out, std::FILE* err) {
    const bool macroMode = !options.macro.empty();
    const bool ok = StartDlgStandardsSS(record);
    const KvVarCells shown = ok && declared ? returnedOutputs(*declared, record.varCells) : record.varCells;
    if (options.json) {
        std::fprintf(out, "{\n  \"sheet\": %s,\n  %s,\n  \"ok\": %s,\n  \"%s\": [", jsonText(options.sheet).c_str(),
                     fields.c_str(), ok ? "true" : "false", macroMode ? "variables" : "outputs");
        printCells(shown, !macroMode, true, out);
        std::fprintf(out, "\n  ],\n");
        printBoxesJson(services, out);
        std::fprintf(out, "\n}\n");
    } else {
        printBoxes(services, out);
        if (ok)
            printCells(shown, !macroMode, false, out);
    }
    warnSectionTables("evaluate", err);
    if (!ok) {
        explainFailure("evaluate", options.sheet, err);
        std::fprintf(err, "ss evaluate: the evaluation of %s failed\n", options.sheet.c_str());
        return kExitEvaluationFailed;
    }
    return kExitOk;
}

// A macro-mode target without a mapping line still evaluates (every input empty, nothing written back), which a
// misspelt target or a lost mapping file would otherwise hide.
void warnMissingMapping(const KvDlgStandardsData& record, std::FILE* err) {
    if (!record.moduleGroup.isEmpty())
        return;   // a module group is reached by variable name, without a mapping file
    const Ork_String path = KvMappingFile::pathOf(record.file);
    Ork_StringArray lines;
    int index = 0;
    const char* why = nullptr;
    if (!KvMappingFile::readLines(path, lines))
        why = os::findExisting(path) ? "cannot be read" : "does not exist";
    else if (!KvMappingFile::targetsOf(lines).find(record.target, index, true))
        why = "has no line for it";
    if (why)
        std::fprintf(err,
                     "ss evaluate: warning: target %s has no mapping: the mapping file %s %s; the macro gives no inputs "
                     "and takes no outputs\n",
                     record.target.utf8().c_str(), nativeText(path).c_str(), why);
}

int evaluateDirect(const Options& options, const Ork_String& sheet, CommandLineServices& services, std::FILE* out,
                   std::FILE* err) {
    Declarations declared;
    std::string error;
    if (!readDeclarations(sheet, declared, error)) {
        std::fprintf(err, "ss evaluate: %s\n", error.c_str());
        return kExitBadInput;
    }
    KvDlgStandardsData record = directRecord(sheet, declared);
    addGeneralVariables(options, record);
    for (const auto& [name, value] : options.sets) {
        int index = -1;
        if (record.varCells.findVarCell(Ork_String::fromUtf8(name), index) != eOk) {
            std::fprintf(err, "ss evaluate: %s declares no input or output named '%s' (see ss vars %s)\n",
                         options.sheet.c_str(), name.c_str(), options.sheet.c_str());
            return kExitUsage;
        }
        record.varCells[index].value = Ork_String::fromUtf8(value);
    }
    return evaluateAndReport(record, options, services, "\"mode\": \"direct\"", &declared.cells, out, err);
}

int evaluateMacro(const Options& options, const Ork_String& sheet, CommandLineServices& services, std::FILE* out,
                  std::FILE* err) {
    if (options.target.empty()) {
        std::fprintf(err, "ss evaluate: --macro needs --target\n");
        return kExitUsage;
    }
    Declarations declared;   // a sheet that cannot be loaded is an input that cannot be read, as in direct mode
    std::string sheetError;
    if (!readDeclarations(sheet, declared, sheetError)) {
        std::fprintf(err, "ss evaluate: %s\n", sheetError.c_str());
        return kExitBadInput;
    }
    Ork_DbMacro macro;
    MacroData data;
    AcDbTransaction transaction;
    Ork_String error;
    if (!readMacroJson(Ork_String::fromUtf8(options.macro), macro, data, error)) {
        std::fprintf(err, "ss evaluate: %s\n", error.utf8().c_str());
        return kExitBadInput;
    }
    KvDlgStandardsData record;
    if (record.initialize(&macro, sheet, Ork_String::fromUtf8(options.target), &data) != eOk)
        return kExitEvaluationFailed;
    record.transaction = &transaction;
    warnMissingMapping(record, err);
    // The macro's general variables, as the host hands them to an evaluation; --gen adds to them.
    if (const Ork_Macro* m = macro.macro()) {
        Ork_StringArray names;
        AcArray<double> values;
        m->getGeneralVariables(names, values);
        for (int i = 0; i < names.length() && i < values.length(); ++i) {
            record.genVarNames.append(names[i]);
            record.genVarValues.append(Ork_String::fromUtf8(numberText(values[i])));
        }
    }
    addGeneralVariables(options, record);
    const std::string fields = "\"mode\": \"macro\",\n  \"target\": " + jsonText(options.target);
    if (const int status = evaluateAndReport(record, options, services, fields, nullptr, out, err))
        return status;
    if (!options.write.empty()) {
        const Ork_Macro* written = macro.macro();
        if (!written || !writeMacroJson(Ork_String::fromUtf8(options.write), *written, data, error)) {
            std::fprintf(err, "ss evaluate: cannot write %s: %s\n", options.write.c_str(), error.utf8().c_str());
            return kExitCannotWrite;
        }
    }
    return kExitOk;
}

} // namespace

int runEvaluate(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    if (printedHelp(args, kEvaluateHelp, out))
        return kExitOk;
    Options options;
    if (const int status = parseOptions(args, "evaluate", options, err))
        return status;
    if (options.macro.empty() && (!options.target.empty() || !options.write.empty())) {
        std::fprintf(err, "ss evaluate: --target and --write belong to macro mode (--macro)\n");
        return kExitUsage;
    }
    if (!options.macro.empty() && !options.sets.empty()) {
        std::fprintf(err, "ss evaluate: --set belongs to direct mode; macro mode reads the macro\n");
        return kExitUsage;
    }
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    if (const int status = checkSheet("evaluate", options.sheet, err))
        return status;
    const Ork_String sheet = Ork_String::fromUtf8(options.sheet);
    CommandLineServices services;
    return options.macro.empty() ? evaluateDirect(options, sheet, services, out, err)
                                 : evaluateMacro(options, sheet, services, out, err);
}

int runVars(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    if (printedHelp(args, kVarsHelp, out))
        return kExitOk;
    Options options;
    if (const int status = parseOptions(args, "vars", options, err))
        return status;
    if (!options.sets.empty() || !options.gens.empty() || !options.macro.empty() || !options.target.empty() ||
        !options.write.empty()) {
        std::fprintf(err, "ss vars: only SHEET and --json are known\n");
        return kExitUsage;
    }
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    if (const int status = checkSheet("vars", options.sheet, err))
        return status;
    const Ork_String sheet = Ork_String::fromUtf8(options.sheet);
    Declarations declared;
    std::string error;
    if (!readDeclarations(sheet, declared, error)) {
        std::fprintf(err, "ss vars: %s\n", error.c_str());
        return kExitBadInput;
    }
    CommandLineServices services;
    KvVarCells evaluated;
    const bool evaluates = declarationsOf(sheet, options, evaluated);
    printBoxes(services, err);   // on standard error: the listing stays a listing
    if (!evaluates) {
        explainFailure("vars", options.sheet, err);
        std::fprintf(err, "ss vars: %s cannot be evaluated\n", options.sheet.c_str());
        return kExitEvaluationFailed;
    }
    if (options.json)
        std::fprintf(out, "[");
    bool first = true;
    for (const KvVarCell& cell : declared.cells) {
        const std::string place = getAlfabet(cell.col).utf8() + std::to_string(cell.row);
        if (options.json)
            std::fprintf(out, "%s\n  {\"name\": %s, \"role\": \"%s\", \"type\": \"%s\", \"cell\": \"%s\"}", first ? "" : ",",
                         jsonText(cell.name.utf8()).c_str(), roleName(cell.cellType), typeName(cell.valueType),
                         place.c_str());
        else
            std::fprintf(out, "%-6s %-6s %-24s %s\n", roleName(cell.cellType), typeName(cell.valueType),
                         cell.name.utf8().c_str(), place.c_str());
        first = false;
    }
    if (options.json)
        std::fprintf(out, "%s]\n", first ? "" : "\n");
    return kExitOk;
}

} // namespace sscmd
