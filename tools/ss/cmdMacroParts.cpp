#include "cmdMacroParts.h"

#include "SSHost.h"
#include "commandOptions.h"
#include "cutRecordJson.h"
#include "dialogPlayer.h"
#include "dialogScript.h"
#include "scriptSteps.h"
#include "exitCodes.h"
#include "inputFile.h"

#include "SS/SSExports.h"
#include "cadhost/CommandLine.h"
#include "cadhost/HostLog.h"
#include "nuvo/macro/Ork_DbMacro.h"
#include "nuvo/macro/macroJson.h"
#include "nuvo/records/DlgMacroCutsData.h"
#include "nuvo/records/DynArrayData.h"
#include "os/files.h"
#include "os/utf16.h"
#include "ui/constants.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/pngFile.h"

#include <filesystem>
#include <functional>
#include <optional>

namespace sscmd {
namespace {

constexpr int kArrayDialog = 236;
constexpr int kCutDialog = 223;

const char kArrayHelp[] =
    "usage: ss array MACRO.json --tab TAB --array NAME [--script FILE | --steps 'LINE; LINE']\n"
    "                [--write OUT.json] [--png OUT.png] [--json]\n"
    "\n"
    "Opens the array dialog (StartArrayDlg) on the array NAME of the tab TAB of the macro file, with\n"
    "the macro's objects and the tab's name, as the macro dialog does. Plays the script's steps\n"
    "(docs/ss.md), closes the dialog as a user would, and prints how it ended (OK or Cancel), the\n"
    "array as the dialog left it and the host calls.\n"
    "\n"
    "  --script FILE      the steps, one a line\n"
    "  --steps 'A; B'     the steps on the command line, separated by ';'\n"
    "  --write OUT.json   the macro with the array as the dialog left it (on OK)\n"
    "  --png OUT.png      a picture of the dialog as the script left it\n"
    "  --json             everything as one JSON object\n"
    "\n"
    "exit codes: 0 done, 1 a malformed option or script line, 2 an unreadable or malformed macro or\n"
    "script, or no such tab or array, 3 an output cannot be written, 4 the module could not be\n"
    "loaded, 7 a step could not be done or a question was left unanswered\n";

const char kCutHelp[] =
    "usage: ss cut [CUT.json] [--macro OTHER.json]... [--script FILE | --steps 'LINE; LINE']\n"
    "              [--write OUT.json] [--png OUT.png] [--json]\n"
    "\n"
    "Opens the cut dialog (StartDlgMacroCuts) on the cut record of the file (docs/formats.md \"Cut\n"
    "records\"; a new cut of type 1 without one). Each --macro file is a macro the dialog's \"another\n"
    "macro\" may pick (answer its pick with `pick NAME`), with its tabs as modules and its cuts' names\n"
    "as the names in use. Plays the steps, closes the dialog as a user would, and prints how it ended\n"
    "(OK or Cancel), whether Escape ended it, the record and the host calls.\n"
    "\n"
    "  --macro OTHER.json a macro the selection can pick (repeatable)\n"
    "  --script FILE      the steps, one a line\n"
    "  --steps 'A; B'     the steps on the command line, separated by ';'\n"
    "  --write OUT.json   the cut record as the dialog left it (on OK)\n"
    "  --png OUT.png      a picture of the dialog as the script left it\n"
    "  --json             everything as one JSON object\n"
    "\n"
    "exit codes: 0 done, 1 a malformed option or script line, 2 an unreadable or malformed record,\n"
    "macro or script, 3 an output cannot be written, 4 the module could not be loaded, 7 a step\n"
    "could not be done or a question was left unanswered\n";

struct Options {
    std::string file;
    std::string tab;
    std::string array;
    std::vector<std::string> macros;
    std::string script;
    std::optional<std::string> steps;
    std::string write;
    std::string png;
    bool json = false;
};

bool parseOptions(const char* command, bool arrayCommand, const std::vector<std::string>& args, Options& o,
                  std::FILE* err) {
    CommandOptions options(command, err);
    options.value("--script", o.script);
    options.value("--steps", o.steps);
    options.value("--write", o.write);
    options.value("--png", o.png);
    options.flag("--json", o.json);
    if (arrayCommand) {
        options.value("--tab", o.tab);
        options.value("--array", o.array);
    } else {
        options.values("--macro", o.macros);
    }
    options.positional(o.file);
    if (!options.parse(args, "one record file only"))
        return false;
    if (arrayCommand && (o.file.empty() || o.tab.empty() || o.array.empty())) {
        std::fprintf(err, "%s: a macro file, --tab and --array are needed (%s --help)\n", command, command);
        return false;
    }
    return options.notBoth("--script", "--steps");
}

// One run of an entry point with the player driving its dialog: how it ended, what it asked and called.
struct PartRun {
    std::string ended;
    std::string failure;
    std::vector<std::string> requests, hostCalls, pictures;
    std::string commandLine;
    std::optional<std::string> pictureError;
};

PartRun runDriven(int templateId, const std::vector<ssdialog::Step>& steps, const std::string& png,
                  const std::function<void()>& entry) {
    PartRun r;
    cadhost::PrintCapture printed;
    const std::size_t callsBefore = cadhost::HostLog::calls().size();
    DialogPlayer player;
    player.driveModal(templateId, steps, [&](const ui::Canvas& picture) {
        if (png.empty())
            return;
        std::u16string error;
        if (ui::writePngFile(png, picture, error))
            r.pictures.push_back(png);
        else
            r.pictureError = png + " (" + os::toUtf8(error) + ")";
    });
    entry();
    player.finish();
    const auto result = player.endResult();
    r.ended = !result ? "not shown" : *result == ui::IDOK ? "OK" : "Cancel";
    r.failure = player.failureText();
    for (const std::u16string& q : player.requests())
        r.requests.push_back(os::toUtf8(q));
    for (std::size_t i = callsBefore; i < cadhost::HostLog::calls().size(); ++i)
        r.hostCalls.push_back(os::toUtf8(cadhost::HostLog::calls()[i].text()));
    r.commandLine = printed.text();
    return r;
}

void printRun(const PartRun& r, std::FILE* out) {
    for (const std::string& q : r.requests)
        std::fprintf(out, "asked: %s\n", q.c_str());
    for (const std::string& c : r.hostCalls)
        std::fprintf(out, "host: %s\n", c.c_str());
    if (!r.commandLine.empty()) {
        std::fprintf(out, "command line:\n%s", r.commandLine.c_str());
        if (r.commandLine.back() != '\n')
            std::fputc('\n', out);
    }
    for (const std::string& p : r.pictures)
        std::fprintf(out, "picture: %s\n", p.c_str());
}

void addRun(Json& j, const PartRun& r) {
    j["requests"] = r.requests;
    j["hostCalls"] = r.hostCalls;
    j["commandLine"] = r.commandLine;
    j["pictures"] = r.pictures;
    if (!r.failure.empty())
        j["failure"] = r.failure;
}

int finishRun(const char* command, const PartRun& r, std::FILE* err) {
    if (r.pictureError) {
        std::fprintf(err, "%s: cannot write the picture %s\n", command, r.pictureError->c_str());
        return kExitCannotWrite;
    }
    if (!r.failure.empty()) {
        std::fprintf(err, "%s: %s\n", command, r.failure.c_str());
        return kExitStepFailed;
    }
    return kExitOk;
}

Json arrayJson(const DynArrayData& a) {
    Json kinds = Json::array(), flags = Json::array();
    for (int k : a.entryKinds)
        kinds.push_back(k);
    for (bool f : a.entryFlags)
        flags.push_back(f);
    return {{"name", textJson(a.name)},         {"kind", a.kind},          {"dimNames", textsJson(a.dimNames)},
            {"kindText", textJson(a.kindText)}, {"values", textsJson(a.values)}, {"flag1", a.flag1},
            {"flag2", a.flag2},                 {"entryKinds", kinds},     {"entryFlags", flags},
            {"entryTexts", textsJson(a.entryTexts)}};
}

// The macros of --macro files as the selection offers them: their tabs are the modules, their cuts the
// names in use.
bool readOtherMacros(const std::vector<std::string>& files, MacrosInDlgData& macros, std::string& error) {
    for (const std::string& file : files) {
        Ork_DbMacro db;
        MacroData macro;
        Ork_String why;
        if (!readMacroJson(Ork_String::fromUtf8(file), db, macro, why)) {
            error = why.utf8();
            return false;
        }
        MacroInDlg m;
        m.name = macro.name;
        for (const MacroTabData& t : macro.tabs) {
            m.modules.append(t.name);
            for (const MacroCutData& c : t.cuts)
                m.cutNames.append(c.name);
        }
        macros.macros.push_back(m);
    }
    return true;
}

} // namespace

int runArray(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    const char* command = "ss array";
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kArrayHelp, out);
            return kExitOk;
        }
    Options o;
    if (!parseOptions(command, true, args, o, err))
        return kExitUsage;
    std::vector<ssdialog::Step> steps;
    if (const auto code = readScriptSteps(command, o.script, o.steps, steps, err))
        return *code;
    Ork_DbMacro db;
    MacroData macro;
    Ork_String error;
    if (!readMacroJson(Ork_String::fromUtf8(o.file), db, macro, error)) {
        std::fprintf(err, "%s: %s\n", command, error.utf8().c_str());
        return kExitBadInput;
    }
    macro.dbMacro = &db;
    MacroTabData* tab = nullptr;
    for (MacroTabData& t : macro.tabs)
        if (t.name.utf8() == o.tab || t.shownCaption().utf8() == o.tab)
            tab = &t;
    MacroArrayData* array = nullptr;
    if (tab)
        for (MacroArrayData& a : tab->arrays)
            if (a.data.name.utf8() == o.array)
                array = &a;
    if (!array) {
        std::fprintf(err, "%s: %s has no %s '%s'\n", command, o.file.c_str(), tab ? "array" : "tab",
                     tab ? o.array.c_str() : o.tab.c_str());
        return kExitBadInput;
    }
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    bool ok = false;
    const Ork_String tabName = tab->name;
    const PartRun r = runDriven(kArrayDialog, steps, o.png,
                                [&] { ok = StartArrayDlg(array->data, macro.objects, tabName); });
    if (o.json) {
        Json j = {{"ended", r.ended}, {"returned", ok}, {"array", arrayJson(array->data)}};
        addRun(j, r);
        std::fprintf(out, "%s\n", j.dump(2).c_str());
    } else {
        std::fprintf(out, "%s\n", ok ? "OK" : "Cancel");
        std::fprintf(out, "%s\n", arrayJson(array->data).dump(2).c_str());
        printRun(r, out);
    }
    if (!o.write.empty() && ok) {
        Ork_String why;
        if (!writeMacroJson(Ork_String::fromUtf8(o.write), *db.macro(), macro, why)) {
            std::fprintf(err, "%s: %s\n", command, why.utf8().c_str());
            return kExitCannotWrite;
        }
    }
    return finishRun(command, r, err);
}

int runCut(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    const char* command = "ss cut";
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kCutHelp, out);
            return kExitOk;
        }
    Options o;
    if (!parseOptions(command, false, args, o, err))
        return kExitUsage;
    std::vector<ssdialog::Step> steps;
    if (const auto code = readScriptSteps(command, o.script, o.steps, steps, err))
        return *code;
    DlgMacroCutsData cut;
    if (!o.file.empty()) {
        std::string text, error;
        Json json;
        if (!readInputFile(o.file, text)) {
            std::fprintf(err, "%s: %s cannot be read\n", command, o.file.c_str());
            return kExitBadInput;
        }
        if (!parseRecordText(text, json, error)) {
            std::fprintf(err, "%s: %s: %s\n", command, o.file.c_str(), error.c_str());
            return kExitBadInput;
        }
        RecordReader reader(json, "");
        if (!readCutRecord(reader, cut) || !reader.finish()) {
            std::fprintf(err, "%s: %s: %s\n", command, o.file.c_str(), reader.error().c_str());
            return kExitBadInput;
        }
    }
    std::string macroError;
    if (!readOtherMacros(o.macros, cut.macros, macroError)) {
        std::fprintf(err, "%s: %s\n", command, macroError.c_str());
        return kExitBadInput;
    }
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    bool ok = false, escaped = false;
    const PartRun r = runDriven(kCutDialog, steps, o.png, [&] { ok = StartDlgMacroCuts(cut, escaped); });
    if (o.json) {
        Json j = {{"ended", r.ended}, {"returned", ok}, {"escape", escaped}, {"cut", cutRecordJson(cut)}};
        addRun(j, r);
        std::fprintf(out, "%s\n", j.dump(2).c_str());
    } else {
        std::fprintf(out, "%s\nescape: %s\n", ok ? "OK" : "Cancel", escaped ? "yes" : "no");
        std::fprintf(out, "%s\n", cutRecordJson(cut).dump(2).c_str());
        printRun(r, out);
    }
    if (!o.write.empty() && ok && !os::writeBytesNative(std::filesystem::path(o.write), cutRecordJson(cut).dump(2) + "\n")) {
        std::fprintf(err, "%s: %s cannot be written\n", command, o.write.c_str());
        return kExitCannotWrite;
    }
    return finishRun(command, r, err);
}

} // namespace sscmd
