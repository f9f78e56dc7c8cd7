// ss: runs the SS module on this machine the way the CAD host would, on a library folder.
#include "SSHost.h"
#include "cmdBatch.h"
#include "cmdBill.h"
#include "cmdCalc.h"
#include "cmdClasses.h"
#include "cmdDesign.h"
#include "cmdDialog.h"
#include "cmdDstv.h"
#include "cmdEditMacro.h"
#include "cmdMacro.h"
#include "cmdMacroParts.h"
#include "cmdSections.h"
#include "cmdStandards.h"
#include "cmdTable.h"
#include "exitCodes.h"
#include "base/SSTimers.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kHelp[] =
    "usage: ss [COMMAND] [ARGS...]\n"
    "\n"
    "Runs the SS spreadsheet module the way its CAD host does, on a library folder\n"
    "(SS_LIBRARY, or the bundled sample library). The module is loaded for each\n"
    "command and unloaded after it; SS_MODULE names another module file.\n"
    "\n"
    "commands:\n"
    "  (none)            a short tour of the library's connection standards\n"
    "  evaluate SHEET [--set NAME=VALUE]... [--json]\n"
    "                    evaluate a connection standard with the values given\n"
    "  evaluate SHEET --macro MACRO.json --target TARGET [--write OUT.json]\n"
    "                    evaluate it against a macro, writing the outputs into it\n"
    "  vars SHEET [--json]\n"
    "                    the variables a connection standard declares\n"
    "  batch SHEET CASES.csv [--gen NAME=VALUE]... [--out RESULTS.csv] [--json]\n"
    "                    evaluate it once per row of a table of cases\n"
    "  table FILE KEYCOLUMN RESULTCOLUMN KEY [--verbose]\n"
    "                    look KEY up in a sheet file as the FROMTABLE function does\n"
    "  read FILE [--json]\n"
    "                    title, column names and rows of a sheet file\n"
    "  bill ROWS.csv OUT [--settings NAME] [--kinds 1,2,3...] [--pictures]\n"
    "                    write the bill lines of a CSV file into a bill sheet\n"
    "  calc FILE [--csv] load a grid document or CSV file, recalculate, print the values\n"
    "  convert IN OUT [--values]\n"
    "                    convert between a grid document and CSV (by extension)\n"
    "  dialog ENTRY [RECORD.json] [--script FILE | --steps 'A; B'] [--png OUT.png]\n"
    "                    open a dialog of the module on a record, drive it, picture it\n"
    "  dialog --list     the dialogs it can open\n"
    "  design list [--json]\n"
    "                    the library's designed pages\n"
    "  design show NAME|FILE [--json]\n"
    "                    a designed page control by control\n"
    "  design run NAME|FILE [--set CONTENTS=VALUE]... [--script FILE] [--png OUT.png]\n"
    "                    a designed page live in run mode, driven and pictured\n"
    "  sections [--json] the section tables of the library: type, sizes offered / all\n"
    "  sections show TABLE [--all] [--json]\n"
    "                    the sizes of one section table\n"
    "  sections add TABLE [--from SYSNAME] [--set LETTER=VALUE]... [--name TEXT]\n"
    "                    add a size with the simple section editor\n"
    "  dstv [list] | add|remove|use|show NAME | edit NAME --script FILE\n"
    "                    the DSTV point files, through the module's point dialogs\n"
    "  classes register|cleanup|print [--registry DIR]\n"
    "                    register, remove or list the property-palette classes\n"
    "  edit-macro MACRO.json [--module NAME] [--modeless] [--settings] [--script FILE]\n"
    "                    [--write OUT.json] [--png-prefix P]\n"
    "                    the macro definition editor (or its settings) on a macro file\n"
    "  timers [--json]   list the module's 25 profiling timers, in their order\n"
    "  macro MACRO.json [--script FILE] [--modeless] [--write OUT.json] [--png-prefix P] [--json]\n"
    "                    the macro dialog on a macro file, driven, its values printed\n"
    "  array MACRO.json --tab TAB --array NAME [--script FILE] [--write OUT.json] [--png OUT.png] [--json]\n"
    "                    the array dialog on an array of a macro file\n"
    "  cut [CUT.json] [--macro OTHER.json]... [--script FILE] [--write OUT.json] [--png OUT.png] [--json]\n"
    "                    the cut dialog on a cut record\n"
    "  --help            this text (also COMMAND --help)\n"
    "  --version         the version of ss\n"
    "\n"
    "exit codes: 0 done, 1 wrong usage, 2 an input cannot be read, 3 an output cannot be\n"
    "written, 4 the module could not be loaded, 5 an evaluation failed, 6 a look-up\n"
    "found no value, 7 a dialog's script step could not be done\n";

const char kTimersHelp[] =
    "usage: ss timers [--json]\n"
    "\n"
    "Loads the module, runs nothing, and lists its 25 profiling timers in their order:\n"
    "name, completed runs, accumulated seconds and the step each one measures.\n";

using sscmd::kExitNoModule;
using sscmd::kExitOk;
using sscmd::kExitUsage;

bool isHelp(const char* arg) { return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0; }

int listTimers(bool json) {
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    if (json)
        std::printf("[\n");
    for (std::size_t i = 0; i < kSSTimers.size(); ++i) {
        const SSTimerInfo& info = kSSTimers[i];
        const Ork_Timer* timer = host.find<Ork_Timer>(info.name);
        const long runs = timer ? timer->count() : 0;
        const double seconds = timer ? timer->seconds() : 0.0;
        if (json)
            std::printf("  {\"name\": \"%s\", \"exported\": %s, \"runs\": %ld, \"seconds\": %.6f, \"step\": \"%s\"}%s\n",
                        info.name, timer ? "true" : "false", runs, seconds, info.step,
                        i + 1 < kSSTimers.size() ? "," : "");
        else
            std::printf("%2zu  %-30s %6ld runs %10.6f s  %s%s\n", i + 1, info.name, runs, seconds, info.step,
                        timer ? "" : "  (not exported by the module)");
    }
    if (json)
        std::printf("]\n");
    return kExitOk;
}

int timersCommand(int argc, char** argv) {
    bool json = false;
    for (int i = 2; i < argc; ++i) {
        if (isHelp(argv[i])) {
            std::fputs(kTimersHelp, stdout);
            return kExitOk;
        }
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
            continue;
        }
        std::fprintf(stderr, "ss timers: unknown argument '%s' (try ss timers --help)\n", argv[i]);
        return kExitUsage;
    }
    return listTimers(json);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return sscmd::runTour(stdout, stderr);
    if (isHelp(argv[1])) {
        std::fputs(kHelp, stdout);
        return kExitOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("ss %s\n", SS_VERSION);
        return kExitOk;
    }
    if (std::strcmp(argv[1], "timers") == 0)
        return timersCommand(argc, argv);
    // The file commands need only the grid library, not the module.
    const std::vector<std::string> rest(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "calc") == 0)
        return sscmd::runCalc(rest, stdout, stderr);
    if (std::strcmp(argv[1], "convert") == 0)
        return sscmd::runConvert(rest, stdout, stderr);
    if (std::strcmp(argv[1], "evaluate") == 0)
        return sscmd::runEvaluate(rest, stdout, stderr);
    if (std::strcmp(argv[1], "vars") == 0)
        return sscmd::runVars(rest, stdout, stderr);
    if (std::strcmp(argv[1], "batch") == 0)
        return sscmd::runBatch(rest, stdout, stderr);
    if (std::strcmp(argv[1], "table") == 0)
        return sscmd::runTable(rest, stdout, stderr);
    if (std::strcmp(argv[1], "read") == 0)
        return sscmd::runRead(rest, stdout, stderr);
    if (std::strcmp(argv[1], "bill") == 0)
        return sscmd::runBill(rest, stdout, stderr);
    if (std::strcmp(argv[1], "macro") == 0)
        return sscmd::runMacro(rest, stdout, stderr);
    if (std::strcmp(argv[1], "array") == 0)
        return sscmd::runArray(rest, stdout, stderr);
    if (std::strcmp(argv[1], "cut") == 0)
        return sscmd::runCut(rest, stdout, stderr);
    if (std::strcmp(argv[1], "dialog") == 0)
        return sscmd::runDialog(rest, stdout, stderr);
    if (std::strcmp(argv[1], "design") == 0)
        return sscmd::runDesign(rest, stdout, stderr);
    if (std::strcmp(argv[1], "sections") == 0)
        return sscmd::runSections(rest, stdout, stderr);
    if (std::strcmp(argv[1], "dstv") == 0)
        return sscmd::runDstv(rest, stdout, stderr);
    if (std::strcmp(argv[1], "classes") == 0)
        return sscmd::runClasses(rest, stdout, stderr);
    if (std::strcmp(argv[1], "edit-macro") == 0)
        return sscmd::runEditMacro(rest, stdout, stderr);
    std::fprintf(stderr, "ss: unknown command '%s' (try ss --help)\n", argv[1]);
    return kExitUsage;
}
