#include "cmdDstv.h"

#include "cmdDialog.h"
#include "dstvJson.h"
#include "shownPath.h"

#include "nuvo/dstv/DlgDstvPoints.h"
#include "os/files.h"
#include "os/utf16.h"
#include "resources/resourceIds.h"

#include <unistd.h>

#include <filesystem>

namespace sscmd {
namespace {

const char kDstvHelp[] =
    "usage: ss dstv [list]\n"
    "       ss dstv add NAME | remove NAME | use NAME\n"
    "       ss dstv show NAME [--json]\n"
    "       ss dstv edit NAME (--script FILE | --steps 'A; B') [--png OUT.png]\n"
    "\n"
    "The DSTV point files of the library's \"DSTV Points\\\" folder (SS_LIBRARY, or the\n"
    "bundled sample library), managed in the module's point files dialog as a user\n"
    "would; the list is printed afterwards, \"*\" marking the standard file.\n"
    "\n"
    "  list              the point files\n"
    "  add NAME          \"+\" with NAME typed into its prompt: a new, empty file\n"
    "  remove NAME       NAME chosen, \"-\": the file is deleted\n"
    "  use NAME          NAME chosen, take into use: it becomes the standard file\n"
    "  show NAME         the points of one file (--json: as JSON)\n"
    "  edit NAME         NAME chosen, Edit: the point editor driven by the script (the\n"
    "                    steps of ss dialog); on its OK the file is written\n"
    "\n"
    "exit codes: 0 done, 1 wrong usage, 2 a file that cannot be read, 3 a picture that\n"
    "cannot be written, 4 no module, 7 a step that cannot be done\n";

// A word of a step line: quoted, with the script's two escapes.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string control(int id) { return "#" + std::to_string(id); }

int throughTheDialog(const std::string& command, const std::string& steps, std::FILE* out, std::FILE* err) {
    const int code = runDialogCommand(command, "dstvpoints", {"--steps", steps}, out, err);
    printDstvFiles(out);
    return code;
}

int show(const std::string& name, bool json, std::FILE* out, std::FILE* err) {
    DlgDstvPoints file;
    const Ork_String path = DlgDstvPoints::getDstvPointsFolder() + Ork_String::fromUtf8(name) + u".dat";
    if (!file.readFromFile(path)) {
        std::fprintf(err, "ss dstv show: %s: %s\n", shownPath(path).c_str(), file.lastError().utf8().c_str());
        return kExitBadInput;
    }
    if (json)
        std::fprintf(out, "%s\n", Json({{"file", name}, {"points", dstvPointsJson(file.points)}}).dump(2).c_str());
    else
        printDstvPoints(file.points, out);
    return kExitOk;
}

// The editor's entry takes its file from a record; this one lives as long as the run.
int edit(const std::string& name, std::vector<std::string> options, std::FILE* out, std::FILE* err) {
    const std::filesystem::path record =
        std::filesystem::temp_directory_path() / ("ss-dstv-edit-" + std::to_string(::getpid()) + ".json");
    if (!os::writeBytesNative(record, Json({{"file", name}}).dump() + "\n")) {
        std::fprintf(err, "ss dstv edit: %s cannot be written\n", record.string().c_str());
        return kExitCannotWrite;
    }
    options.insert(options.begin(), record.string());
    const int code = runDialogCommand("ss dstv edit", "dstvedit", options, out, err);
    std::error_code ec;
    std::filesystem::remove(record, ec);
    return code;
}

} // namespace

int runDstv(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(kDstvHelp, out);
            return kExitOk;
        }
    const std::string action = args.empty() ? "list" : args[0];
    if (action == "list") {
        if (args.size() > 1) {
            std::fprintf(err, "ss dstv list: unexpected argument '%s'\n", args[1].c_str());
            return kExitUsage;
        }
        printDstvFiles(out);
        return kExitOk;
    }
    if (args.size() < 2 || args[1].empty()) {
        std::fprintf(err, "ss dstv %s: which file? (try ss dstv --help)\n", action.c_str());
        return kExitUsage;
    }
    const std::string& name = args[1];
    const std::vector<std::string> rest(args.begin() + 2, args.end());
    if (action == "edit")
        return edit(name, rest, out, err);
    if (action == "show") {
        const bool json = rest.size() == 1 && rest[0] == "--json";
        if (!rest.empty() && !json) {
            std::fprintf(err, "ss dstv show: unexpected argument '%s'\n", rest[0].c_str());
            return kExitUsage;
        }
        return show(name, json, out, err);
    }
    if (!rest.empty()) {
        std::fprintf(err, "ss dstv %s: unexpected argument '%s'\n", action.c_str(), rest[0].c_str());
        return kExitUsage;
    }
    if (action == "add")
        return throughTheDialog("ss dstv add", "answer prompt " + quoted(name) + "; click " + control(IDC_DSTV_ADD) + "; cancel",
                                out, err);
    if (action == "remove")
        return throughTheDialog("ss dstv remove",
                                "choose " + control(IDC_DSTV_FILES) + " " + quoted(name) + "; click " + control(IDC_DSTV_REMOVE) + "; cancel",
                                out, err);
    if (action == "use")
        return throughTheDialog("ss dstv use",
                                "choose " + control(IDC_DSTV_FILES) + " " + quoted(name) + "; click " + control(IDC_DSTV_USE) + "; cancel",
                                out, err);
    std::fprintf(err, "ss dstv: unknown action '%s' (try ss dstv --help)\n", action.c_str());
    return kExitUsage;
}

} // namespace sscmd
