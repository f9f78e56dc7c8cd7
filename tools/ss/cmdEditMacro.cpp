#include "cmdEditMacro.h"

#include "SSHost.h"
#include "commandOptions.h"
#include "dialogPlayer.h"
#include "dialogRunSupport.h"
#include "dialogScript.h"
#include "exitCodes.h"
#include "inputFile.h"
#include "recordJson.h"
#include "scriptSteps.h"

#include "SS/SSExports.h"
#include "cadhost/CommandLine.h"
#include "cadhost/HostLog.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "nuvo/macro/macroJson.h"
#include "nuvo/records/EditConstrData.h"
#include "os/utf16.h"
#include "resources/resourceIds.h"
#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/paint/pngFile.h"

#include <optional>

namespace sscmd {
namespace {

const char kHelp[] =
    "usage: ss edit-macro MACRO.json [--module NAME] [--modeless] [--settings]\n"
    "                     [--script FILE | --steps 'A; B'] [--write OUT.json] [--png-prefix PREFIX] [--json]\n"
    "\n"
    "Opens the macro definition editor on a module of a macro file, as the add-on opens it\n"
    "on a macro of the drawing: the host prepares the editor's record, the editor runs\n"
    "modally (StartDlgEditConstrModal) or modelessly (StartDlgEditConstraints, ended by\n"
    "EndDlgEditConstraints when the script leaves it open), the script's steps drive it\n"
    "(the steps of ss dialog; a dialog the editor opens, the rename prompt 8069 say, is\n"
    "driven by a `dialog TEMPLATE ... end` block), and what it asked of the host, printed\n"
    "on the command line and asked the user is printed.\n"
    "\n"
    "  --module NAME      the module to open on (the first module without it)\n"
    "  --modeless         the modeless editor\n"
    "  --settings         presses the editor's Settings button at once: the steps drive the\n"
    "                     macro settings dialog, whose OK stores the settings (then the\n"
    "                     editor is closed); the pictures are P-filter.png, P-filter2.png,\n"
    "                     P-properties.png, P-variables.png, P-groups.png and P-mapping.png;\n"
    "                     each mapping key the stored settings name anew is printed\n"
    "  --script FILE      the steps, one a line (docs/ss.md lists them)\n"
    "  --steps 'A; B'     the steps on the command line, separated by ';'\n"
    "  --write OUT.json   the macro as the editor left it, as a macro file\n"
    "  --png-prefix P     the editor with each page chosen as the script left it:\n"
    "                     P-constraints.png, P-geometry.png, P-variables.png, P-commands.png;\n"
    "                     a `png NAME` step writes P-NAME.png\n"
    "  --json             everything as one JSON object\n"
    "\n"
    "exit codes: 0 the editor ran (OK or Cancel), 1 a malformed option or script line or a\n"
    "module the macro does not have, 2 an unreadable or malformed macro file or script, 3 an\n"
    "output cannot be written, 4 the module could not be loaded, 5 the entry point failed,\n"
    "7 a step could not be done, an expect failed, or a question was left unanswered\n";

// The editor's pages in tab order, with the names their pictures get.
constexpr int kPageTemplates[] = {IDD_EDIT_CONSTRAINTS, IDD_GEOMETRIES, IDD_EDIT_VARS, IDD_MACRO_COMMANDS};
constexpr const char* kPageNames[] = {"constraints", "geometry", "variables", "commands"};
// The macro settings' pages, for --settings.
constexpr int kSettingsPages[] = {IDD_MACRO_FILTER, IDD_MACRO_FILTER2, IDD_MACRO_FILTER_PROPS, IDD_MACRO_VARIABLES,
                                  IDD_MACRO_GROUPS, IDD_MACRO_MAPPING};
constexpr const char* kSettingsPageNames[] = {"filter", "filter2", "properties", "variables", "groups", "mapping"};

struct Options {
    std::string macro;
    std::string module;
    std::string script;
    std::optional<std::string> steps;
    std::string write;
    std::string pngPrefix;
    bool modeless = false;
    bool settings = false;
    bool json = false;
};

bool parseOptions(const std::vector<std::string>& args, Options& o, std::FILE* err) {
    CommandOptions options("ss edit-macro", err);
    options.flag("--json", o.json);
    options.flag("--modeless", o.modeless);
    options.flag("--settings", o.settings);
    options.value("--module", o.module);
    options.value("--script", o.script);
    options.value("--steps", o.steps);
    options.value("--write", o.write);
    options.value("--png-prefix", o.pngPrefix);
    options.positional(o.macro);
    if (!options.parse(args, "one macro file only"))
        return false;
    if (o.macro.empty()) {
        std::fprintf(err, "ss edit-macro: which macro file? (try ss edit-macro --help)\n");
        return false;
    }
    return options.notBoth("--script", "--steps");
}

// --settings: the Settings button at once, the user's steps on the settings dialog, then the editor closed.
std::vector<ssdialog::Step> settingsSteps(std::vector<ssdialog::Step> user) {
    using ssdialog::Step;
    using ssdialog::StepKind;
    Step block;
    block.kind = StepKind::Dialog;
    block.name = os::toUtf16(std::to_string(IDD_MACRO_SETTINGS));
    block.body = std::move(user);
    Step press;
    press.kind = StepKind::Click;
    press.name = os::toUtf16("#" + std::to_string(IDC_EM_SETTINGS));
    Step close;
    close.kind = StepKind::Ok;
    return {std::move(block), std::move(press), std::move(close)};
}

// The open modeless editor: the shown top-level dialog of the editor's template.
ui::Dialog* modelessEditor() {
    for (ui::Window* top : ui::Desktop::topLevelWindows())
        if (ui::Dialog* d = top->asDialog(); d && d->templateId() == IDD_EDIT_MACRO && top->isWindowVisible())
            return d;
    return nullptr;
}

struct Report {
    std::string macro;
    std::string module;
    bool modeless = false;
    std::string ended;
    bool returned = true;
    std::vector<std::string> hostCalls;
    std::string commandLine;
    std::vector<std::string> requests;
    std::vector<std::string> pictures;
    std::string failure;
    std::string written;
    std::string settings;   // --settings: how the settings dialog ended
    std::vector<std::string> mappings;   // mapping file and key of each mapping the settings name anew
};

void printReport(const Report& r, bool json, std::FILE* out) {
    if (json) {
        Json j = {{"macro", r.macro},         {"module", r.module},           {"mode", r.modeless ? "modeless" : "modal"},
                  {"ended", r.ended},         {"returned", r.returned},       {"hostCalls", r.hostCalls},
                  {"commandLine", r.commandLine}, {"requests", r.requests},   {"pictures", r.pictures}};
        if (!r.settings.empty())
            j["settings"] = r.settings;
        if (!r.mappings.empty())
            j["mappings"] = r.mappings;
        if (!r.written.empty())
            j["written"] = r.written;
        if (!r.failure.empty())
            j["failure"] = r.failure;
        std::fprintf(out, "%s\n", j.dump(2).c_str());
        return;
    }
    std::fprintf(out, "edit-macro %s, module %s (%s): %s (the entry point returned %s)\n", r.macro.c_str(),
                 r.module.c_str(), r.modeless ? "modeless" : "modal", r.ended.c_str(), r.returned ? "true" : "false");
    if (!r.settings.empty())
        std::fprintf(out, "settings: %s\n", r.settings.c_str());
    for (const std::string& mapping : r.mappings)
        std::fprintf(out, "mapping written: %s\n", mapping.c_str());
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
    if (!r.written.empty())
        std::fprintf(out, "written: %s\n", r.written.c_str());
}

} // namespace

int runEditMacro(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, out);
            return kExitOk;
        }
    Options o;
    if (!parseOptions(args, o, err))
        return kExitUsage;
    std::vector<ssdialog::Step> steps;
    if (const auto status = readScriptSteps("ss edit-macro", o.script, o.steps, steps, err))
        return *status;
    if (o.settings)
        steps = settingsSteps(std::move(steps));

    SSHost host;
    if (!host.load())
        return kExitNoModule;
    Ork_DbMacro dbMacro;
    MacroData macroData;
    Ork_String error;
    if (!readMacroJson(Ork_String::fromUtf8(o.macro), dbMacro, macroData, error)) {
        std::fprintf(err, "ss edit-macro: %s\n", error.utf8().c_str());
        return kExitBadInput;
    }
    EditConstrData data;
    if (!prepareEditConstrData(dbMacro, Ork_String::fromUtf8(o.module), data)) {
        std::fprintf(err, "ss edit-macro: %s has no module '%s'\n", o.macro.c_str(), o.module.c_str());
        return kExitUsage;
    }

    const Ork_SheetMappings mappingsBefore =
        dbMacro.macro() ? dbMacro.macro()->definition.sheetMappings : Ork_SheetMappings();
    Report report;
    report.macro = o.macro;
    report.module = data.moduleName.utf8();
    report.modeless = o.modeless;
    std::optional<std::string> pictureError;
    {
        cadhost::PrintCapture commandLine;
        const std::size_t callsBefore = cadhost::HostLog::calls().size();
        DialogPlayer player(o.pngPrefix.empty() ? std::string() : o.pngPrefix + "-");
        const char* const* names = o.settings ? kSettingsPageNames : kPageNames;
        std::vector<int> pageTemplates = o.settings ? std::vector<int>(std::begin(kSettingsPages), std::end(kSettingsPages))
                                            : std::vector<int>(std::begin(kPageTemplates), std::end(kPageTemplates));
        if (!o.pngPrefix.empty())
            player.picturePagesAtEnd(o.settings ? IDD_MACRO_SETTINGS : IDD_EDIT_MACRO, std::move(pageTemplates),
                                     [&, names](const std::vector<ui::Canvas>& pages) {
                                         for (std::size_t i = 0; i < pages.size(); ++i) {
                                             const std::string path = o.pngPrefix + "-" + names[i] + ".png";
                                             std::u16string why;
                                             if (pages[i].width() > 0 && ui::writePngFile(path, pages[i], why))
                                                 report.pictures.push_back(path);
                                             else if (!pictureError)
                                                 pictureError = path + " (" + os::toUtf8(why) + ")";
                                         }
                                     });
        if (!o.modeless) {
            player.driveModal(IDD_EDIT_MACRO, steps);
            report.returned = StartDlgEditConstrModal(data);
            const auto result = player.endResult();
            report.ended = !result ? "not shown" : *result == ui::IDOK ? "OK" : "Cancel";
        } else {
            report.returned = StartDlgEditConstraints(data);
            ui::Dialog* editor = report.returned ? modelessEditor() : nullptr;
            if (!editor) {
                report.ended = "not shown";
            } else {
                player.play(*editor, steps);
                if (DialogPlayer::hasEnded(*editor)) {
                    report.ended = "closed";
                } else {
                    // Left open by the script: the add-on ends it, as it does when its drawing closes.
                    EndDlgEditConstraints();
                    report.ended = "still open, ended by EndDlgEditConstraints";
                }
            }
            ui::Desktop::processPending();
        }
        player.finish();
        for (std::size_t i = callsBefore; i < cadhost::HostLog::calls().size(); ++i) {
            const cadhost::HostCall& call = cadhost::HostLog::calls()[i];
            report.hostCalls.push_back(os::toUtf8(call.text()));
            if (call.name == u"GetMacroSettings")
                report.settings = "Cancel";
            if (call.name == u"SetMacroSettings")
                report.settings = "OK (stored)";
        }
        if (o.settings && report.settings.empty())
            report.settings = "not shown";
        report.commandLine = commandLine.text();
        for (const std::u16string& request : player.requests())
            report.requests.push_back(shownRequest(os::toUtf8(request)));
        report.pictures.insert(report.pictures.begin(), player.pictures().begin(), player.pictures().end());
        if (player.pictureError())
            pictureError = player.pictureError();
        report.failure = player.failureText();
    }
    // The keys the stored settings name anew: each a line the mapping page wrote into a mapping file.
    if (const Ork_Macro* macro = dbMacro.macro()) {
        const Ork_SheetMappings& after = macro->definition.sheetMappings;
        for (int i = 0; i < after.names.length() && i < after.keys.length(); ++i) {
            const Ork_String& key = after.keys[i];
            if (key.isEmpty() || key.startsWith(u"Module.") || mappingsBefore.keys.contains(key))
                continue;
            report.mappings.push_back("Connection Standards\\" + after.names[i].utf8() + ".map: " + key.utf8());
        }
    }
    if (!o.write.empty()) {
        const Ork_Macro* macro = dbMacro.macro();
        if (!macro || !writeMacroJson(Ork_String::fromUtf8(o.write), *macro, macroData, error)) {
            printReport(report, o.json, out);
            std::fprintf(err, "ss edit-macro: cannot write %s: %s\n", o.write.c_str(), error.utf8().c_str());
            return kExitCannotWrite;
        }
        report.written = o.write;
    }
    printReport(report, o.json, out);
    if (pictureError) {
        std::fprintf(err, "ss edit-macro: cannot write the picture %s\n", pictureError->c_str());
        return kExitCannotWrite;
    }
    if (!report.failure.empty()) {
        std::fprintf(err, "ss edit-macro: %s\n", report.failure.c_str());
        return kExitStepFailed;
    }
    if (!report.returned && report.ended != "Cancel" && report.ended != "OK")
        return kExitEvaluationFailed;
    return kExitOk;
}

} // namespace sscmd
