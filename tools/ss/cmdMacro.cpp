#include "cmdMacro.h"

#include "SSHost.h"
#include "commandOptions.h"
#include "dialogPlayer.h"
#include "dialogScript.h"
#include "scriptSteps.h"
#include "exitCodes.h"
#include "inputFile.h"

#include "SS/SSExports.h"
#include "cadhost/CommandLine.h"
#include "cadhost/HostLog.h"
#include "grid/SpreadWindow.h"
#include "nuvo/Ork_PropertiesList.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/textHelpers.h"
#include "nuvo/macro/Ork_DbMacro.h"
#include "nuvo/macro/macroJson.h"
#include "nuvo/macro/macroStandardsCall.h"
#include "standards/KvDlgStandardsData.h"
#include "os/files.h"
#include "os/utf16.h"
#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/Robot.h"
#include "ui/TabCtrl.h"
#include "ui/Timers.h"
#include "ui/paint/WindowPainter.h"
#include "ui/paint/pngFile.h"

#include <nlohmann/json.hpp>

#include <filesystem>

namespace sscmd {
namespace {

using Json = nlohmann::ordered_json;

const char kHelp[] =
    "usage: ss macro MACRO.json [--script FILE | --steps 'LINE; LINE'] [--modeless] [--write OUT.json]\n"
    "                [--png-prefix PREFIX] [--json]\n"
    "\n"
    "Opens the macro dialog on the macro of the file (its dialog side, docs/formats.md \"Macro\n"
    "files\") as the add-on does: modally (StartDlgMacro), or with --modeless in a slot\n"
    "(StartDlgMacroModeless, GetDlgMacroData, EndDlgMacroModeless). Plays the script's steps\n"
    "(docs/ss.md; `set NAME TEXT` types into the control that shows the value NAME, or into\n"
    "its cell of the value grid when no control shows it), closes the dialog as a user\n"
    "would, and prints every tab's values with where each showed\n"
    "(control id, grid row or not shown), the host calls and the command line.\n"
    "\n"
    "  --script FILE      the steps, one a line\n"
    "  --steps 'A; B'     the steps on the command line, separated by ';'\n"
    "  --modeless         run it modelessly\n"
    "  --write OUT.json   the macro as the dialog left it\n"
    "  --png-prefix P     one picture per tab: P-1.png, P-2.png ...; a script's png FILE\n"
    "                     step writes P-FILE\n"
    "  --json             everything as one JSON object\n"
    "\n"
    "exit codes: 0 done, 1 a malformed option or script line, 2 an unreadable or malformed\n"
    "macro or script, 3 an output cannot be written, 4 the module could not be loaded, 7 a\n"
    "step could not be done or a question was left unanswered\n";

constexpr int kMacroDialog = 8131;
constexpr int kTabControl = 1175;
constexpr int kFirstDesignedId = 33000;
constexpr int kLastDesignedId = 33099;
// A bolt tab without a designed bolt button shows the assembly and the diameter in boxes of its own.
constexpr int kBoltFieldIds[] = {1091, 1092};
// The designed control types that show a value named by their contents (29 names it by its extra text).
constexpr int kValueTypes[] = {2, 3, 4, 5, 13, 15, 16, 18, 19, 20, 21, 22, 23, 28};

struct Options {
    std::string macro;
    std::string script;
    std::optional<std::string> steps;
    std::string write;
    std::string pngPrefix;
    bool modeless = false;
    bool json = false;
};

bool parseOptions(const std::vector<std::string>& args, Options& o, std::FILE* err) {
    CommandOptions options("ss macro", err);
    options.value("--script", o.script);
    options.value("--steps", o.steps);
    options.value("--write", o.write);
    options.value("--png-prefix", o.pngPrefix);
    options.flag("--modeless", o.modeless);
    options.flag("--json", o.json);
    options.positional(o.macro);
    if (!options.parse(args, "one macro file only"))
        return false;
    if (o.macro.empty()) {
        std::fprintf(err, "ss macro: which macro file? (ss macro --help)\n");
        return false;
    }
    return options.notBoth("--script", "--steps");
}

// The page the tab control shows.
ui::Window* shownPage(ui::Window& dialog, Ork_String& caption) {
    auto* tabs = dialog.getDlgItemAs<ui::TabCtrl>(kTabControl);
    if (!tabs || tabs->getCurSel() < 0)
        return nullptr;
    caption = tabs->getItemText(tabs->getCurSel());
    for (ui::Window* child : tabs->children())
        if (child->asDialog() && child->isWindowVisible())
            return child;
    return nullptr;
}

// The tab's design file, by the module's rule: a full path, or a name in the library's design folder.
Ork_String designPath(const Ork_String& file) {
    const bool absolute = !file.isEmpty() && (file[0] == u'\\' || file[0] == u'/' || (file.length() > 1 && file[1] == u':'));
    if (absolute)
        return file;
    Ork_String path = Ork_Settings::libDir() + u"Dialog Templates\\Dialog Design\\" + file;
    return getExtension(path).isEmpty() ? path + u".txt" : path;
}

// The designed control that shows the value `name` on the shown page: a page's control has the identifier of
// its place in the design's list, counted from the first identifier, whether or not others were dropped.
ui::Window* boundControl(ui::Window& dialog, const MacroData& macro, std::u16string_view name) {
    Ork_String caption;
    ui::Window* page = shownPage(dialog, caption);
    if (!page)
        return nullptr;
    for (const MacroTabData& t : macro.tabs) {
        if (t.shownCaption() != caption || t.designFile.isEmpty())
            continue;
        Ork_PropertiesList design;
        int count = 0;
        if (!design.readFromFile(designPath(t.designFile)) || !design.get(u"nrOfControls", count))
            return nullptr;
        for (int i = 0; i < count && kFirstDesignedId + i <= kLastDesignedId; ++i) {
            const Ork_String n(i);
            int type = -1;
            Ork_String contents, extra;
            design.get(u"type" + n, type);
            design.get(u"contents" + n, contents);
            design.get(u"comboList" + n, extra);
            bool shows = type == 29 && extra == name;
            for (int v : kValueTypes)
                shows = shows || (type == v && contents == name);
            if (shows)
                return page->getDlgItem(kFirstDesignedId + i);
        }
        return nullptr;
    }
    return nullptr;
}

// The value grid's cell that shows the value `name` on the shown page: a row names its value in column 1 and
// shows it in column 3 (a pattern its first count). The grid is read as a user reads it, so only a value the
// page really lists in its grid is found.
std::optional<DialogPlayer::ValueCell> valueGridCell(ui::Window& dialog, std::u16string_view name) {
    constexpr int kNameColumn = 1;
    constexpr int kValueColumn = 3;
    Ork_String caption;
    ui::Window* page = shownPage(dialog, caption);
    if (!page)
        return std::nullopt;
    for (ui::Window* child : page->children()) {
        auto* grid = grid::SpreadWindow::fromWindow(child);
        if (!grid || !grid->isWindowVisible())
            continue;
        for (int row = 1; row <= grid->sheet().maxRows(); ++row)
            if (grid->sheet().data(kNameColumn, row) == name)
                return DialogPlayer::ValueCell{grid, kValueColumn, row};
    }
    return std::nullopt;
}

std::string where(int ref) {
    if (ref > 0)
        return "control " + std::to_string(ref);
    if (ref < 0)
        return "grid row " + std::to_string(-ref);
    return "not shown";
}

// Every value of every tab with where it showed.
Json valuesJson(const MacroData& macro) {
    Json tabs = Json::array();
    for (const MacroTabData& t : macro.tabs) {
        Json values = Json::array();
        auto add = [&](const Ork_String& name, const Ork_String& value, int ref) {
            values.push_back({{"name", name.utf8()}, {"value", value.utf8()}, {"shown", where(ref)}});
        };
        for (const MacroCellData& c : t.cells)
            add(c.name, c.value, c.dlgRef);
        for (const MacroPatternData& p : t.patterns) {
            add(p.name + u".nrBolts1", p.nrBolts1, p.dlgRef1);
            if (p.twoDirections)
                add(p.name + u".nrBolts2", p.nrBolts2, p.dlgRef2);
        }
        if (const MacroBoltData* b = t.getBoltData()) {
            const char16_t* names[] = {u"bolt.assembly", u"bolt.diameter", u"bolt.holeTolerance", u"bolt.penetration",
                                       u"bolt.addedLength"};
            const bool ownFields = t.type == MacroTabData::kBoltTab && b->dlgRefButton == 0;
            for (int v = 0; v < MacroBoltData::kValueCount; ++v) {
                const bool inOwnField = ownFields && b->dlgRefs[v] == 0 && v < int(std::size(kBoltFieldIds));
                add(names[v], *b->value(v), inOwnField ? kBoltFieldIds[v] : b->dlgRefs[v]);
            }
            // What only the bolt settings dialog shows: its flags, holes and slots.
            auto list = [](const int* values, int count) {
                Ork_String text;
                for (int i = 0; i < count; ++i)
                    text += (i ? u" " : u"") + Ork_String(values[i]);
                return text;
            };
            add(u"bolt.flags", list(b->flags, 4), 0);
            add(u"bolt.nutsWashers", list(b->nutsWashers, 5), 0);
            for (int h = 0; h < b->holeTexts.length() && h < b->holeFlags.length(); ++h)
                add(u"bolt.hole" + Ork_String(h + 1), (b->holeFlags[h] ? u"on " : u"off ") + b->holeTexts[h], 0);
            for (std::size_t i = 0; i < b->slots.size(); ++i) {
                const MacroBoltSlot& s = b->slots[i];
                add(u"bolt.slot" + Ork_String(static_cast<int>(i) + 1),
                    Ork_String(s.active) + u" " + s.radius + u" " + s.length + u" " + s.angle + u" " + s.fourth + u" " +
                        Ork_String(s.position),
                    0);
            }
        }
        for (const MacroProfData& g : t.profiles)
            add(g.name + u".section", g.section, g.dlgRefSection);
        for (const MacroCutData& c : t.cuts)
            add(c.name, Ork_String(c.state), c.dlgRef);
        for (const MacroArrayData& a : t.arrays)
            add(a.data.name, a.data.values.isEmpty() ? Ork_String() : a.data.values[0], a.dlgRefs[0]);
        if (t.block)
            add(u"block", t.block->current, t.block->dlgRef);
        tabs.push_back({{"tab", t.shownCaption().utf8()}, {"values", values}});
    }
    return tabs;
}

// One picture per tab, each tab shown in turn as a user would choose it.
void pictureTabs(ui::Window& dialog, const std::string& prefix, std::vector<std::string>& pictures,
                 std::optional<std::string>& error) {
    auto* tabs = dialog.getDlgItemAs<ui::TabCtrl>(kTabControl);
    if (!tabs || prefix.empty())
        return;
    ui::Robot robot;
    const int shown = tabs->getCurSel();
    for (int i = 0; i < tabs->getItemCount(); ++i) {
        robot.choose(*tabs, i);
        const std::string path = prefix + "-" + std::to_string(i + 1) + ".png";
        std::u16string why;
        if (ui::writeWindowPng(dialog, path, why))
            pictures.push_back(path);
        else if (!error)
            error = path + " (" + os::toUtf8(why) + ")";
    }
    if (shown >= 0)
        robot.choose(*tabs, shown);
}

// A general variable's value as it is substituted into a formula ("12", "212.5").
std::string numberText(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

// What the add-on does for "Load from standards": one macro-mode evaluation per sheet of the macro, through
// the entry point the module exports (the host's dynamic linker found it in the loaded module).
bool runStandards(void* entry, MacroData& macro, const MacroStandardData& standard) {
    auto start = reinterpret_cast<bool (*)(KvDlgStandardsData&)>(entry);
    KvDlgStandardsData record;
    if (record.initialize(macro.dbMacro, standard.file, standard.target, &macro) != eOk)
        return false;
    AcDbTransaction transaction;
    record.transaction = &transaction;
    // The macro's general variables, as the host hands them to an evaluation.
    if (const Ork_Macro* m = macro.dbMacro->macro()) {
        Ork_StringArray names;
        AcArray<double> values;
        m->getGeneralVariables(names, values);
        for (int i = 0; i < names.length() && i < values.length(); ++i) {
            record.genVarNames.append(names[i]);
            record.genVarValues.append(Ork_String::fromUtf8(numberText(values[i])));
        }
    }
    return start(record);
}

// The call is the add-on's for as long as the command runs.
class StandardsCallScope {
public:
    StandardsCallScope() : m_old(nuvo::setStandardsCall(runStandards)) {}
    ~StandardsCallScope() { nuvo::setStandardsCall(std::move(m_old)); }
    StandardsCallScope(const StandardsCallScope&) = delete;
    StandardsCallScope& operator=(const StandardsCallScope&) = delete;

private:
    nuvo::StandardsCall m_old;
};

} // namespace

int runMacro(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, out);
            return kExitOk;
        }
    Options o;
    if (!parseOptions(args, o, err))
        return kExitUsage;
    std::vector<ssdialog::Step> steps;
    if (const auto code = readScriptSteps("ss macro", o.script, o.steps, steps, err))
        return *code;
    Ork_DbMacro db;
    MacroData macro;
    Ork_String error;
    if (!readMacroJson(Ork_String::fromUtf8(o.macro), db, macro, error)) {
        std::fprintf(err, "ss macro: %s\n", error.utf8().c_str());
        return kExitBadInput;
    }
    macro.dbMacro = &db;

    SSHost host;
    if (!host.load())
        return kExitNoModule;
    StandardsCallScope standards;
    std::vector<std::string> hostCalls, pictures, requests;
    std::optional<std::string> pictureError;
    std::string commandLine, failure, ended;
    {
        cadhost::PrintCapture printed;
        const std::size_t callsBefore = cadhost::HostLog::calls().size();
        // A script's `png FILE` (in the macro dialog or a dialog it opens) writes P-FILE with --png-prefix P.
        DialogPlayer player(o.pngPrefix.empty() ? std::string() : o.pngPrefix + "-");
        player.setNameResolver([&macro](ui::Window& dialog, std::u16string_view name) {
            return boundControl(dialog, macro, name);
        });
        player.setValueCellResolver(valueGridCell);
        if (o.modeless) {
            int index = -1;
            if (!StartDlgMacroModeless(true, macro, index)) {
                std::fprintf(err, "ss macro: the macro dialog could not be opened\n");
                return kExitEvaluationFailed;
            }
            ui::Window* dialog = nullptr;
            for (ui::Window* w : ui::Desktop::topLevelWindows())
                if (w->asDialog() && w->asDialog()->templateId() == kMacroDialog && w->isWindowVisible())
                    dialog = w;
            if (dialog && player.play(*dialog, steps) && !DialogPlayer::hasEnded(*dialog))
                pictureTabs(*dialog, o.pngPrefix, pictures, pictureError);
            // What the dialog holds now is what the add-on reads back; then the user closes it, which ends its
            // slot 50 ms later (the dialog is busy in its own close).
            ended = GetDlgMacroData(index, macro) ? "closed" : "closed by the script";
            if (dialog && !DialogPlayer::hasEnded(*dialog))
                player.endLikeAUser(*dialog);
            ui::Timers::advance(100);
            ui::Desktop::processPending();
            EndDlgMacroModeless(index);
            ui::Desktop::processPending();
        } else {
            player.setBeforeClose([&](ui::Window& dialog) { pictureTabs(dialog, o.pngPrefix, pictures, pictureError); });
            player.driveModal(kMacroDialog, steps);
            StartDlgMacro(macro);
            ended = player.endResult() ? "closed" : "not shown";
        }
        player.finish();
        failure = player.failureText();
        pictures.insert(pictures.end(), player.pictures().begin(), player.pictures().end());
        for (const std::u16string& r : player.requests())
            requests.push_back(os::toUtf8(r));
        for (std::size_t i = callsBefore; i < cadhost::HostLog::calls().size(); ++i)
            hostCalls.push_back(os::toUtf8(cadhost::HostLog::calls()[i].text()));
        commandLine = printed.text();
    }
    const Json values = valuesJson(macro);
    if (o.json) {
        Json j = {{"macro", macro.name.utf8()}, {"ended", ended},          {"tabs", values},
                  {"hostCalls", hostCalls},     {"requests", requests},    {"commandLine", commandLine},
                  {"pictures", pictures}};
        if (!failure.empty())
            j["failure"] = failure;
        std::fprintf(out, "%s\n", j.dump(2).c_str());
    } else {
        std::fprintf(out, "%s: %s\n", macro.name.utf8().c_str(), ended.c_str());
        for (const Json& t : values) {
            std::fprintf(out, "tab %s\n", t["tab"].get<std::string>().c_str());
            for (const Json& v : t["values"])
                std::fprintf(out, "  %s = %s (%s)\n", v["name"].get<std::string>().c_str(),
                             v["value"].get<std::string>().c_str(), v["shown"].get<std::string>().c_str());
        }
        for (const std::string& r : requests)
            std::fprintf(out, "asked: %s\n", r.c_str());
        for (const std::string& c : hostCalls)
            std::fprintf(out, "host: %s\n", c.c_str());
        if (!commandLine.empty()) {
            std::fprintf(out, "command line:\n%s", commandLine.c_str());
            if (commandLine.back() != '\n')
                std::fputc('\n', out);
        }
        for (const std::string& p : pictures)
            std::fprintf(out, "picture: %s\n", p.c_str());
    }
    if (!o.write.empty()) {
        Ork_String why;
        if (!writeMacroJson(Ork_String::fromUtf8(o.write), *db.macro(), macro, why)) {
            std::fprintf(err, "ss macro: %s\n", why.utf8().c_str());
            return kExitCannotWrite;
        }
    }
    if (pictureError) {
        std::fprintf(err, "ss macro: cannot write the picture %s\n", pictureError->c_str());
        return kExitCannotWrite;
    }
    if (!failure.empty()) {
        std::fprintf(err, "ss macro: %s\n", failure.c_str());
        return kExitStepFailed;
    }
    return kExitOk;
}

} // namespace sscmd
