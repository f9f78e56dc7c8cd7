#include "cmdDialog.h"

#include "SSHost.h"
#include "cmdCalc.h"
#include "cmdStandards.h"
#include "commandOptions.h"
#include "dialogEntries.h"
#include "dialogRunSupport.h"
#include "dialogScript.h"
#include "exitCodes.h"
#include "inputFile.h"
#include "scriptSteps.h"

#include "cadhost/CommandLine.h"
#include "cadhost/HostLog.h"
#include "os/files.h"
#include "os/utf16.h"
#include "ui/paint/pngFile.h"

#include <filesystem>

namespace sscmd {
namespace {

const char kHelp[] =
    "usage: ss dialog --list [--json]\n"
    "       ss dialog ENTRY [RECORD.json] [--script FILE | --steps 'LINE; LINE'] [--write OUT.json]\n"
    "                 [--png OUT.png | --png-prefix PREFIX] [--json]\n"
    "\n"
    "Opens one dialog of the module on a record (JSON; the defaults without one) through\n"
    "its entry point, as the CAD host does, plays the script's user steps against it, and\n"
    "when the script is done pictures it (--png), closes it as a user would if the script\n"
    "did not, and prints how it ended, the record as the entry point returned it, the host\n"
    "calls, the command line and every message box with the answer given.\n"
    "\n"
    "  --list             every dialog: short name, entry point, record, available or not\n"
    "  --script FILE      the steps, one a line (docs/ss.md lists them)\n"
    "  --steps 'A; B'     the steps on the command line, separated by ';'\n"
    "  --write OUT.json   the returned record into a file\n"
    "  --png OUT.png      a picture of the dialog as the script left it\n"
    "  --png-prefix P     the end picture as Pend.png, and each `png NAME` step as PNAME.png\n"
    "  --json             everything as one JSON object\n"
    "\n"
    "exit codes: 0 the dialog ran (OK or Cancel), 1 a malformed option or script line,\n"
    "2 an unreadable or malformed record or script, 3 an output cannot be written, 4 the\n"
    "module could not be loaded, 5 the entry point failed, 7 a step could not be done, an\n"
    "expect failed, or a dialog or question was left unanswered\n";

struct Options {
    std::string entry;
    std::string record;
    std::string script;
    std::optional<std::string> steps;
    std::string write;
    std::string png;
    std::string pngPrefix;
    bool json = false;
    bool list = false;
};

int listEntries(bool json, std::FILE* out) {
    if (json) {
        Json list = Json::array();
        for (const DialogEntry& e : dialogEntries())
            list.push_back({{"name", e.name},
                            {"entryPoint", e.entryPoint},
                            {"record", e.record},
                            {"modal", e.modal},
                            {"available", e.run != nullptr},
                            {"note", e.note}});
        std::fprintf(out, "%s\n", list.dump(2).c_str());
        return kExitOk;
    }
    for (const DialogEntry& e : dialogEntries())
        std::fprintf(out, "%-16s %-26s %-18s %-9s %s%s\n", e.name, e.entryPoint, e.record,
                     e.modal ? "modal" : "modeless", e.run ? "" : "(not yet available) ", e.note);
    return kExitOk;
}

bool parseOptions(const std::string& command, const std::vector<std::string>& args, Options& o, std::FILE* err) {
    CommandOptions options(command, err);
    options.flag("--list", o.list);
    options.flag("--json", o.json);
    options.value("--script", o.script);
    options.value("--steps", o.steps);
    options.value("--write", o.write);
    options.value("--png", o.png);
    options.value("--png-prefix", o.pngPrefix);
    options.positional(o.entry);
    options.positional(o.record);
    return options.parse(args, "one record file only") && options.notBoth("--script", "--steps") &&
           options.notBoth("--png", "--png-prefix");
}

bool writeText(const std::string& path, const std::string& text) {
    return os::writeBytesNative(std::filesystem::path(path), text);
}

struct Report {
    std::string entry;
    std::string ended;
    bool returned = true;
    Json record;
    std::vector<std::string> hostCalls;
    std::string commandLine;
    std::vector<std::string> requests;
    std::vector<std::string> pictures;
    std::string failure;
};

void printReport(const Report& r, bool json, std::FILE* out) {
    if (json) {
        Json j = {{"entry", r.entry},        {"ended", r.ended},          {"returned", r.returned},
                  {"record", r.record},      {"hostCalls", r.hostCalls},  {"commandLine", r.commandLine},
                  {"requests", r.requests},  {"pictures", r.pictures}};
        if (!r.failure.empty())
            j["failure"] = r.failure;
        std::fprintf(out, "%s\n", j.dump(2).c_str());
        return;
    }
    std::fprintf(out, "%s: %s (the entry point returned %s)\n", r.entry.c_str(), r.ended.c_str(),
                 r.returned ? "true" : "false");
    for (const std::string& request : r.requests)
        std::fprintf(out, "asked: %s\n", request.c_str());
    for (const std::string& call : r.hostCalls)
        std::fprintf(out, "host: %s\n", call.c_str());
    if (!r.commandLine.empty()) {
        std::fprintf(out, "command line:\n%s", r.commandLine.c_str());
        if (r.commandLine.back() != '\n')
            std::fputc('\n', out);
    }
    for (const std::string& picture : r.pictures)
        std::fprintf(out, "picture: %s\n", picture.c_str());
}

} // namespace

int runDialogCommand(const std::string& command, const std::string& entryName, const std::vector<std::string>& args,
                     std::FILE* out, std::FILE* err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, out);
            return kExitOk;
        }
    Options o;
    if (!parseOptions(command, args, o, err))
        return kExitUsage;
    if (!entryName.empty()) {
        if (!o.entry.empty())
            o.record = o.record.empty() ? o.entry : o.record;
        o.entry = entryName;
    }
    if (o.list)
        return listEntries(o.json, out);
    if (o.entry.empty()) {
        std::fprintf(err, "%s: which dialog? (ss dialog --list names them)\n", command.c_str());
        return kExitUsage;
    }
    const DialogEntry* entry = findDialogEntry(o.entry);
    if (!entry) {
        std::fprintf(err, "%s: no dialog '%s' (ss dialog --list names them)\n", command.c_str(), o.entry.c_str());
        return kExitUsage;
    }
    if (!entry->run) {
        std::fprintf(err, "%s: '%s' (%s) is not available yet: %s\n", command.c_str(), entry->name,
                     entry->entryPoint, entry->note);
        return kExitUsage;
    }

    // Everything the run needs is read and checked before the module is loaded.
    std::vector<ssdialog::Step> steps;
    if (auto failed = readScriptSteps(command.c_str(), o.script, o.steps, steps, err))
        return *failed;
    Json record;
    if (!o.record.empty()) {
        std::string text, error;
        if (!readInputFile(o.record, text)) {
            std::fprintf(err, "%s: the record %s cannot be read\n", command.c_str(), o.record.c_str());
            return kExitBadInput;
        }
        if (!parseRecordText(text, record, error)) {
            std::fprintf(err, "%s: %s: %s\n", command.c_str(), o.record.c_str(), error.c_str());
            return kExitBadInput;
        }
    }

    SSHost host;
    if (!host.load())
        return kExitNoModule;
    Report report;
    std::optional<std::string> pictureError;
    {
        cadhost::PrintCapture commandLine;
        const std::size_t callsBefore = cadhost::HostLog::calls().size();
        DialogPlayer player(o.pngPrefix);
        DialogRun run;
        run.record = o.record.empty() ? nullptr : &record;
        run.steps = &steps;
        run.player = &player;
        const std::string endPicture = !o.png.empty() ? o.png : !o.pngPrefix.empty() ? o.pngPrefix + "end.png" : "";
        run.atEnd = [&](const ui::Canvas& picture) {
            if (endPicture.empty())
                return;
            std::u16string error;
            if (ui::writePngFile(endPicture, picture, error))
                report.pictures.push_back(endPicture);
            else
                pictureError = endPicture + " (" + os::toUtf8(error) + ")";
        };
        const bool ran = entry->run(run);
        player.finish();
        if (!ran && run.misuse) {
            std::fprintf(err, "%s: %s\n", command.c_str(), run.error.c_str());
            return kExitUsage;
        }
        if (!ran && run.badRecord) {
            std::fprintf(err, "%s: %s: %s\n", command.c_str(), o.record.empty() ? "the record" : o.record.c_str(),
                         run.error.c_str());
            return kExitBadInput;
        }
        report.entry = entry->name;
        report.ended = run.ended;
        report.returned = run.returned;
        report.record = run.recordOut;
        for (std::size_t i = callsBefore; i < cadhost::HostLog::calls().size(); ++i)
            report.hostCalls.push_back(os::toUtf8(cadhost::HostLog::calls()[i].text()));
        report.commandLine = commandLine.text();
        for (const std::u16string& request : player.requests())
            report.requests.push_back(shownRequest(os::toUtf8(request)));
        // The steps' pictures were taken before the end picture.
        report.pictures.insert(report.pictures.begin(), player.pictures().begin(), player.pictures().end());
        if (player.pictureError())
            pictureError = player.pictureError();
        report.failure = player.failureText();
    }
    printReport(report, o.json, out);
    if (!o.write.empty() && !writeText(o.write, report.record.dump(2) + "\n")) {
        std::fprintf(err, "%s: %s cannot be written\n", command.c_str(), o.write.c_str());
        return kExitCannotWrite;
    }
    if (pictureError) {
        std::fprintf(err, "%s: cannot write the picture %s\n", command.c_str(), pictureError->c_str());
        return kExitCannotWrite;
    }
    if (!report.failure.empty()) {
        std::fprintf(err, "%s: %s\n", command.c_str(), report.failure.c_str());
        return kExitStepFailed;
    }
    // Cancel is an answer, not a failure; an entry point that failed without a dialog ending is.
    if (!report.returned && report.ended != "Cancel" && report.ended != "OK")
        return kExitEvaluationFailed;
    return kExitOk;
}

int runDialog(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    return runDialogCommand("ss dialog", "", args, out, err);
}

} // namespace sscmd
