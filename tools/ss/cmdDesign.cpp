#include "cmdDesign.h"

#include "exitCodes.h"
#include "jsonText.h"

#include "SS/SSExports.h"
#include "designer/Ork_DlgDesignerData.h"
#include "os/files.h"
#include "os/paths.h"
#include "os/utf16.h"

#include <array>
#include <cstdlib>
#include <filesystem>

namespace sscmd {

namespace {

const char kHelp[] =
    "usage: ss design list [--json]\n"
    "       ss design show NAME|FILE [--json]\n"
    "       ss design run NAME|FILE [--set CONTENTS=VALUE]... [--scale S] [--script FILE]\n"
    "                     [--png OUT.png] [--png-prefix PREFIX] [--json]\n"
    "       ss design edit [NAME|FILE] [--script FILE] [--png OUT.png] [--json]\n"
    "\n"
    "The designed pages of the library (SS_LIBRARY, or the bundled sample library): the\n"
    "file pairs NAME.txt and NAME.bmp below \"Dialog Templates/Dialog Design/\".\n"
    "\n"
    "  list              every design by name (sub-folders with \\), sorted\n"
    "  show NAME|FILE    the picture's size, then per control its index, window identifier,\n"
    "                    type, rectangle in pixels, keyboard order on a macro page, contents\n"
    "                    and extra list; then the cell names a macro reads from the page\n"
    "                    (GetImageDlgCtrlNames). NAME is a design's name; FILE its .txt path.\n"
    "  run NAME|FILE     places the page in run mode on a dialog as large as its picture\n"
    "                    (or its controls), writes the --set values into the controls of\n"
    "                    those contents, plays the script (the steps of ss dialog; a NAME\n"
    "                    is a designed contents or #ID), then prints every control's value,\n"
    "                    whether it is enabled, and the focus\n"
    "  edit [NAME|FILE]  opens the dialog designer on the design (a new page without one)\n"
    "                    through StartDlgDesigner, plays the script on it (the steps of\n"
    "                    ss dialog, with point X Y [shift|ctrl], drag X Y DX DY and band\n"
    "                    X1 Y1 X2 Y2 on the page, and the buttons add, delete, copy, width,\n"
    "                    height, align, attach, open, save, picture, ok and close, the boxes\n"
    "                    type, contents and extra), closes it if the script did not, and\n"
    "                    prints the page as show does and whether the designer ended with OK\n"
    "  --scale S         the macro dialog's font scale (1 by default)\n"
    "  --png OUT.png     a picture of the dialog after the script\n"
    "  --png-prefix P    where the script's png NAME steps write (P + NAME + .png)\n"
    "  --json            the same as JSON\n"
    "\n"
    "exit codes: 0 done, 1 wrong usage or a malformed script line, 2 the design or the\n"
    "script cannot be read, 3 the picture cannot be written, 7 a script step cannot be done\n";

constexpr std::array<const char*, 31> kTypeNames = {
    "ctLabel",          "ctGroupBox",       "ctCellEdit",         "ctCellCombo",          "ctPatternCount1",
    "ctPatternCount2",  "ctPatternButton",  "ctBoltCombo",        "ctBoltEdit1",          "ctBoltEdit2",
    "ctBoltEdit3",      "ctBoltEdit4",      "ctBoltButton",       "ctProfileCombo",       "ctProfileButton",
    "ctOffsetTypeCombo", "ctProfileRotationCombo", "ctProfileMoreButton", "ctArrayEdit1", "ctArrayEdit2",
    "ctArrayEdit3",     "ctArrayEdit4",     "ctArrayEdit5",       "ctArrayEntryEdit",     "ctArrayButton",
    "ctCalcButtonFactor", "ctCalcButtonCell", "ctChoiceCombo",    "ctCutCombo",           "ctCellCheck",
    "ctFlexButton",
};

std::string typeName(int type) {
    return type >= 0 && type < static_cast<int>(kTypeNames.size()) ? kTypeNames[static_cast<std::size_t>(type)]
                                                                    : "unknown " + std::to_string(type);
}

std::string utf8(const Ork_String& text) { return text.utf8(); }

// A path of the module as this machine names it.
std::string native(const Ork_String& path) {
    const auto resolved = os::resolvePath(path);
    return resolved ? resolved->string() : path.utf8();
}

// A design's text file: FILE as given when it names a file (or ends in .txt), otherwise the design NAME in
// the library's design folder.
Ork_String designPath(const std::string& word) {
    const bool isFile = word.size() > 4 && word.compare(word.size() - 4, 4, ".txt") == 0;
    if (isFile || std::filesystem::is_regular_file(word)) {
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(word, ec);
        return Ork_String(os::toUtf16(ec ? word : absolute.string()));
    }
    return Ork_DlgDesignerData::getDesignerRootFolder() + Ork_String(os::toUtf16(word)) + u".txt";
}

int list(bool asJson, std::FILE* out) {
    Ork_StringArray names;
    getModuleImages(names);
    if (asJson) {
        std::fputs("[", out);
        for (int i = 0; i < names.length(); ++i)
            std::fprintf(out, "%s%s", i ? ", " : "", jsonText(utf8(names[i])).c_str());
        std::fputs("]\n", out);
        return kExitOk;
    }
    for (const Ork_String& name : names)
        std::fprintf(out, "%s\n", utf8(name).c_str());
    return kExitOk;
}

} // namespace

void printPage(const Ork_DlgDesignerData& page, const Ork_String& path, const Ork_StringArray& names, bool named,
               bool asJson, std::FILE* out) {
    if (asJson) {
        std::fprintf(out, "{\"name\": %s,\n \"file\": %s,\n \"picture\": {\"width\": %d, \"height\": %d},\n \"controls\": [",
                     jsonText(utf8(page.name)).c_str(), jsonText(native(path)).c_str(), page.imageWidth, page.imageHeight);
        for (int i = 0; i < page.getNrControls(); ++i) {
            const Ork_DesignerControl& c = *page.getControl(i);
            const ui::Rect r = page.pixelRect(c);
            std::fprintf(out,
                         "%s\n  {\"index\": %d, \"id\": %d, \"type\": %d, \"typeName\": %s, \"rect\": [%d, %d, %d, %d], "
                         "\"tabOrder\": %d, \"contents\": %s, \"extra\": %s}",
                         i ? "," : "", i, c.resourceId, static_cast<int>(c.type), jsonText(typeName(c.type)).c_str(),
                         r.left, r.top, r.right, r.bottom, c.tabOrder, jsonText(utf8(c.contents)).c_str(),
                         jsonText(utf8(c.getMergedExtComboList())).c_str());
        }
        std::fprintf(out, "],\n \"ctrlNames\": [");
        for (int i = 0; i < names.length(); ++i)
            std::fprintf(out, "%s%s", i ? ", " : "", jsonText(utf8(names[i])).c_str());
        std::fprintf(out, "]}\n");
        return;
    }
    std::fprintf(out, "design %s (%s)\n", utf8(page.name).c_str(), native(path).c_str());
    if (page.imageWidth > 0)
        std::fprintf(out, "picture %d x %d pixels\n", page.imageWidth, page.imageHeight);
    else
        std::fprintf(out, "no picture (the rectangles are pixels)\n");
    std::fprintf(out, "%d controls\n\n", page.getNrControls());
    std::fprintf(out, "%3s  %-5s  %-24s  %-20s  %3s  %s\n", "#", "id", "type", "rectangle (px)", "tab", "contents / extra");
    for (int i = 0; i < page.getNrControls(); ++i) {
        const Ork_DesignerControl& c = *page.getControl(i);
        const ui::Rect r = page.pixelRect(c);
        const std::string rect = std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) +
                                 "," + std::to_string(r.bottom);
        const std::string type = std::to_string(static_cast<int>(c.type)) + " " + typeName(c.type);
        const std::string tab = c.tabOrder ? std::to_string(c.tabOrder) : "-";
        const std::string extra = utf8(c.getMergedExtComboList());
        std::fprintf(out, "%3d  %-5d  %-24s  %-20s  %3s  %s%s%s\n", i, c.resourceId, type.c_str(), rect.c_str(),
                     tab.c_str(), jsonText(utf8(c.contents)).c_str(), extra.empty() ? "" : " / ",
                     extra.empty() ? "" : jsonText(extra).c_str());
    }
    std::fprintf(out, "\nGetImageDlgCtrlNames: %s", named ? "" : "false");
    for (int i = 0; i < names.length(); ++i)
        std::fprintf(out, "%s%s", i ? ", " : "", utf8(names[i]).c_str());
    std::fprintf(out, "\n");
}

namespace {

int show(const std::string& word, bool asJson, std::FILE* out, std::FILE* err) {
    const Ork_String path = designPath(word);
    Ork_DlgDesignerData page;
    page.firstId = Ork_DlgDesignerData::kFirstCtrlId;
    page.lastId = Ork_DlgDesignerData::kLastCtrlId;
    if (!page.readFromFile(path, true)) {
        std::fprintf(err,
                     "ss design: cannot read the design %s (%s): no such design in %s, or not a design file\n",
                     word.c_str(), native(path).c_str(), native(Ork_DlgDesignerData::getDesignerRootFolder()).c_str());
        return kExitBadInput;
    }
    page.sortAllControls();   // the order a macro page gives its controls
    Ork_StringArray names;
    const bool named = GetImageDlgCtrlNames(path, names);
    printPage(page, path, names, named, asJson, out);
    return kExitOk;
}

} // namespace

int runDesign(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::vector<std::string> words;
    DesignRunOptions run;
    bool runOnly = false;   // an option only `run` takes was given
    bool editToo = false;   // an option `run` and `edit` take
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, out);
            return kExitOk;
        }
        if (a == "--json") {
            run.asJson = true;
            continue;
        }
        if (a == "--set" || a == "--scale" || a == "--script" || a == "--png" || a == "--png-prefix") {
            if (i + 1 >= args.size()) {
                std::fprintf(err, "ss design: %s needs a value (try ss design --help)\n", a.c_str());
                return kExitUsage;
            }
            const std::string& v = args[++i];
            if (a == "--script" || a == "--png")
                editToo = true;
            else
                runOnly = true;
            if (a == "--set") {
                const std::size_t eq = v.find('=');
                if (eq == std::string::npos || eq == 0) {
                    std::fprintf(err, "ss design: --set takes CONTENTS=VALUE, not '%s'\n", v.c_str());
                    return kExitUsage;
                }
                run.values.emplace_back(v.substr(0, eq), v.substr(eq + 1));
            } else if (a == "--scale") {
                char* end = nullptr;
                run.scale = std::strtod(v.c_str(), &end);
                if (end == v.c_str() || *end != 0 || !(run.scale > 0 && run.scale <= 10)) {
                    std::fprintf(err, "ss design: --scale takes a number above 0 and at most 10, not '%s'\n", v.c_str());
                    return kExitUsage;
                }
            } else if (a == "--script") {
                run.script = v;
            } else if (a == "--png-prefix") {
                run.pngPrefix = v;
            } else {
                run.png = v;
            }
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            std::fprintf(err, "ss design: unknown option '%s' (try ss design --help)\n", a.c_str());
            return kExitUsage;
        }
        words.push_back(a);
    }
    if (words.empty()) {
        std::fprintf(err, "ss design: expected list, show, run or edit (try ss design --help)\n");
        return kExitUsage;
    }
    const std::string& command = words[0];
    if (command != "list" && command != "show" && command != "run" && command != "edit") {
        std::fprintf(err, "ss design: unknown command '%s' (try ss design --help)\n", command.c_str());
        return kExitUsage;
    }
    const bool argumentsFit = command == "list"   ? words.size() == 1
                              : command == "edit" ? words.size() <= 2
                                                  : words.size() == 2;
    if (!argumentsFit) {
        std::fprintf(err, "ss design %s: wrong number of arguments (try ss design --help)\n", command.c_str());
        return kExitUsage;
    }
    if (command == "edit") {
        if (runOnly) {
            std::fprintf(err, "ss design edit: --set, --scale and --png-prefix belong to ss design run\n");
            return kExitUsage;
        }
        return editDesign(words.size() == 2 ? designPath(words[1]) : Ork_String(), run, out, err);
    }
    if ((runOnly || editToo) && command != "run") {
        std::fprintf(err, "ss design %s: --set, --scale, --script, --png and --png-prefix belong to ss design run\n",
                     command.c_str());
        return kExitUsage;
    }
    if (command == "list")
        return list(run.asJson, out);
    if (command == "show")
        return show(words[1], run.asJson, out, err);
    Ork_DlgDesignerData page;
    const Ork_String path = designPath(words[1]);
    page.firstId = Ork_DlgDesignerData::kFirstCtrlId;
    page.lastId = Ork_DlgDesignerData::kLastCtrlId;
    if (!page.readFromFile(path, true)) {
        std::fprintf(err, "ss design: cannot read the design %s (%s)\n", words[1].c_str(), native(path).c_str());
        return kExitBadInput;
    }
    return runDesignPage(page, run, out, err);
}

} // namespace sscmd
