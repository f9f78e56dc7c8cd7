#include "cmdSections.h"

#include "cmdDialog.h"
#include "recordJson.h"

#include "SSHost.h"
#include "jsonText.h"
#include "ssServices.h"
#include "SS/SSExports.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/Ork_String.h"
#include "nuvo/records/DlgEditLibData.h"
#include "nuvo/records/libraryRecordJson.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "os/files.h"
#include "os/utf16.h"
#include "resources/resourceIds.h"
#include "seclib/Ork_ProfValuesTable.h"
#include "ui/Dialog.h"
#include "ui/Robot.h"
#include "ui/paint/WindowPainter.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <utility>


namespace sscmd {
namespace {

const char kSectionsHelp[] =
    "usage: ss sections [--json]\n"
    "       ss sections show TABLE [--all] [--json]\n"
    "       ss sections add TABLE [--from SYSNAME] [--set LETTER=VALUE]... [--name TEXT] [--png OUT.png]\n"
    "       ss sections edit [TABLE] [--library FILE] --script FILE [--png-prefix PREFIX]\n"
    "\n"
    "The section tables of the library's prof\\ folder (SS_LIBRARY, or the bundled\n"
    "sample library).\n"
    "\n"
    "  sections          every table: its section type (the descriptor on the file's\n"
    "                    first line), the sizes offered to users and the sizes in all\n"
    "  show TABLE        the sizes of one table, one line each: section name, the\n"
    "                    index among the offered sizes, and the row's cells\n"
    "  add TABLE [--from SYSNAME] [--set LETTER=VALUE]... [--name TEXT] [--png OUT.png]\n"
    "                    the simple section editor on the offered size SYSNAME (the\n"
    "                    first when not given): the fields set by their letters (A, B\n"
    "                    ...), the name composed from them (or --name, typed), OK; the\n"
    "                    table is written and registered, the new size printed\n"
    "  edit [TABLE] [--library FILE] --script FILE [--png-prefix PREFIX]\n"
    "                    the library editor on the library record (prof\\library.json,\n"
    "                    or FILE), open on TABLE, driven by the script (ss dialog's\n"
    "                    steps); a step `png -groups` pictures as PREFIX-groups.png; on\n"
    "                    OK the record is saved; exit codes as ss dialog's\n"
    "  --all             show also the sizes that are not offered (I/O 0)\n"
    "  --json            the same as JSON\n"
    "\n"
    "exit codes: 0 done, 1 wrong usage (also a size or letter the table has not), 2 no\n"
    "table, a table that cannot be read, or a name outside prof\\, 3 the table cannot\n"
    "be written, 4 no module, 5 the editor refused OK (its message is printed)\n";

std::string utf8(const Ork_String& s) { return s.utf8(); }

// The prof\ folder as this machine names it: the module's paths use "\", the file system here "/".
std::string profFolderShown() {
    std::string folder = (Ork_Settings::libDir() + u"prof\\").utf8();
    if (!folder.empty() && folder[0] == '\\')
        for (char& c : folder)
            c = c == '\\' ? '/' : c;
    return folder;
}

std::string jsonTexts(const Ork_StringArray& texts) {
    std::string out = "[";
    for (int i = 0; i < texts.length(); ++i)
        out += (i ? ", " : "") + jsonText(texts[i].utf8());
    return out + "]";
}

bool isOffered(const Ork_StringArray& cells) { return cells.length() < 2 || cells[1] != u"0"; }

int offeredCount(const Ork_ProfValuesTable& table) {
    int count = 0;
    for (const Ork_StringArray& cells : table.rows)
        count += isOffered(cells) ? 1 : 0;
    return count;
}

struct Options {
    std::vector<std::string> words;
    bool json = false, all = false, help = false;
    // ss sections add
    std::string from, name, png;
    bool hasName = false;
    std::vector<std::pair<char, std::string>> sets;
};

bool takeValue(const std::vector<std::string>& args, std::size_t& i, std::string& value, std::string& error) {
    if (i + 1 >= args.size()) {
        error = "option " + args[i] + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

bool parse(const std::vector<std::string>& args, Options& o, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--from" || a == "--name" || a == "--png") {
            std::string& value = a == "--from" ? o.from : a == "--name" ? o.name : o.png;
            if (!takeValue(args, i, value, error))
                return false;
            o.hasName = o.hasName || a == "--name";
            continue;
        }
        if (a == "--set") {
            std::string value;
            if (!takeValue(args, i, value, error))
                return false;
            const char letter = value.size() >= 2 ? value[0] : 0;
            if (letter < 'A' || letter > 'K' || value[1] != '=') {
                error = "--set takes LETTER=VALUE with a letter A to K, not '" + value + "'";
                return false;
            }
            o.sets.emplace_back(letter, value.substr(2));
            continue;
        }
        bool* flag = a == "--json" ? &o.json : a == "--all" ? &o.all : nullptr;
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (flag) {
            if (*flag) {
                error = "option " + a + " given twice";
                return false;
            }
            *flag = true;
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else {
            o.words.push_back(a);
        }
    }
    return true;
}

int listTables(const Options& o, std::FILE* out, std::FILE* err) {
    DlgEditLibData library;
    const std::string folder = profFolderShown();
    if (!library.GetAvailableFiles()) {
        std::fprintf(err, "ss sections: no section tables in %s\n", folder.c_str());
        return kExitBadInput;
    }
    int unreadable = 0;
    if (o.json)
        std::fputs("[", out);
    else
        std::fprintf(out, "%s\n%-16s %-16s %s\n", folder.c_str(), "table", "type", "offered/all");
    for (int i = 0; i < library.availableFiles.length(); ++i) {
        const Ork_String& name = library.availableFiles[i];
        Ork_ProfValuesTable table;
        const bool read = table.readFromFile(name);
        unreadable += read ? 0 : 1;
        if (o.json) {
            std::fprintf(out, "%s\n  {\"table\": %s", i ? "," : "", jsonText(name.utf8()).c_str());
            if (read)
                std::fprintf(out, ", \"type\": %s, \"offered\": %d, \"sizes\": %d}",
                             jsonText(table.descriptor.utf8()).c_str(), offeredCount(table), table.rows.length());
            else
                std::fputs(", \"unreadable\": true}", out);
        } else if (read) {
            std::fprintf(out, "%-16s %-16s %d/%d\n", utf8(name).c_str(), utf8(table.descriptor).c_str(),
                         offeredCount(table), table.rows.length());
        } else {
            std::fprintf(out, "%-16s (cannot be read)\n", utf8(name).c_str());
        }
    }
    if (o.json)
        std::fputs("\n]\n", out);
    // The list is complete either way; a table it could not read still makes the run a failure.
    if (unreadable > 0) {
        std::fprintf(err, "ss sections: %d table(s) cannot be read\n", unreadable);
        return kExitBadInput;
    }
    return kExitOk;
}

int showTable(const Options& o, std::FILE* out, std::FILE* err) {
    if (o.words.size() != 2) {
        std::fprintf(err, "ss sections show: expected one TABLE (try ss sections --help)\n");
        return kExitUsage;
    }
    const Ork_String name = Ork_String::fromUtf8(o.words[1]);
    // The names the editors accept: a table of prof\ or of a folder inside it, never a path leaving it.
    Ork_ProfValuesTable table;
    if (!table.readFromFile(name)) {
        std::fprintf(err, "ss sections show: no readable table %s in %s (names outside it are refused)\n",
                     o.words[1].c_str(), profFolderShown().c_str());
        return kExitBadInput;
    }
    if (o.json) {
        std::fprintf(out, "{\"table\": %s,\n \"type\": %s,\n \"languages\": %d,\n \"columns\": %s,\n \"rows\": [",
                     jsonText(table.name.utf8()).c_str(), jsonText(table.descriptor.utf8()).c_str(),
                     table.getNrLanguages(), jsonTexts(table.columnNames).c_str());
    } else {
        std::fprintf(out, "%s  type %s  %d languages  %d/%d offered\n", utf8(table.name).c_str(),
                     utf8(table.descriptor).c_str(), table.getNrLanguages(), offeredCount(table),
                     table.rows.length());
        std::string header = "section\tindex";
        for (const Ork_String& c : table.columnNames)
            header += "\t" + c.utf8();
        std::fprintf(out, "%s\n", header.c_str());
    }
    bool first = true;
    for (int r = 0; r < table.rows.length(); ++r) {
        const Ork_StringArray& cells = table.rows[r];
        const bool offered = isOffered(cells);
        if (!offered && !o.all)
            continue;
        const std::string section = utf8(table.name) + "-" + (cells.isEmpty() ? std::string() : cells[0].utf8());
        const std::string index = offered ? std::to_string(table.getfilteredIdx(r)) : std::string();
        if (o.json) {
            std::fprintf(out, "%s\n  {\"section\": %s, \"filteredIndex\": %s, \"cells\": %s}", first ? "" : ",",
                         jsonText(section).c_str(), offered ? index.c_str() : "null", jsonTexts(cells).c_str());
        } else {
            std::string line = section + "\t" + (offered ? index : "-");
            for (const Ork_String& c : cells)
                line += "\t" + c.utf8();
            std::fprintf(out, "%s\n", line.c_str());
        }
        first = false;
    }
    if (o.json)
        std::fputs("\n ]}\n", out);
    return kExitOk;
}

// Drives the simple editor as a user would: the fields by letter, the name, a picture, OK. A refused OK
// leaves the dialog open; it is then cancelled and the refusal noted.
class SimpleEditorDriver : public CommandLineServices {
public:
    explicit SimpleEditorDriver(const Options& o) : m_options(o) {}

    void runModal(ui::Dialog& dialog) override {
        if (dialog.templateId() != IDD_EDIT_LIB_SIMPLE) {
            CommandLineServices::runModal(dialog);
            return;
        }
        ui::Robot robot;
        for (const auto& [letter, value] : m_options.sets) {
            const int id = IDC_LIBSIMPLE_FIRST_FIELD + 2 * (letter - 'A');
            ui::Window* field = dialog.getDlgItem(id);
            if (!field || !field->isWindowVisible() || !robot.replaceTextOf(dialog, id, os::toUtf16(value))) {
                usage = std::string("the size has no field ") + letter;
                dialog.endDialog(ui::IDCANCEL);
                return;
            }
        }
        if (m_options.hasName) {
            robot.click(dialog, IDC_LIBSIMPLE_TYPED);
            robot.replaceTextOf(dialog, IDC_LIBSIMPLE_NAME, os::toUtf16(m_options.name));
        }
        if (!m_options.png.empty()) {
            std::u16string error;
            if (!ui::writeWindowPng(dialog, m_options.png, error))
                pictureError = os::toUtf8(error);
        }
        robot.click(dialog, ui::IDOK);
        if (!dialog.isEnded()) {
            refused = true;
            dialog.endDialog(ui::IDCANCEL);
        }
    }

    std::string usage, pictureError;
    bool refused = false;

private:
    const Options& m_options;
};

int addSize(const Options& o, std::FILE* out, std::FILE* err) {
    if (o.words.size() != 2 || o.json || o.all) {
        std::fprintf(err, "ss sections add: expected one TABLE and no --json or --all (try ss sections --help)\n");
        return kExitUsage;
    }
    const Ork_String tableName = Ork_String::fromUtf8(o.words[1]);
    Ork_ProfValuesTable table;
    if (!table.readFromFile(tableName)) {
        std::fprintf(err, "ss sections add: no readable table %s in %s (names outside it are refused)\n",
                     o.words[1].c_str(), profFolderShown().c_str());
        return kExitBadInput;
    }
    Ork_StringArray offered;
    table.getFilteredSysNames(offered);
    int start = 0;
    if (!o.from.empty()) {
        start = offered.indexOf(table.name + u"-" + Ork_String::fromUtf8(o.from));
        if (start < 0) {
            std::fprintf(err, "ss sections add: %s offers no size %s\n", o.words[1].c_str(), o.from.c_str());
            return kExitUsage;
        }
    } else if (offered.isEmpty()) {
        std::fprintf(err, "ss sections add: %s offers no size to start from\n", o.words[1].c_str());
        return kExitUsage;
    }
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    const int before = table.rows.length();
    int row = start;
    bool accepted = false;
    SimpleEditorDriver driver(o);
    accepted = StartDlgEditLibSimple(table.name, table, row);
    if (!driver.pictureError.empty()) {
        std::fprintf(err, "ss sections add: %s\n", driver.pictureError.c_str());
        return kExitCannotWrite;
    }
    if (!driver.usage.empty()) {
        std::fprintf(err, "ss sections add: %s\n", driver.usage.c_str());
        return kExitUsage;
    }
    if (driver.refused || !accepted) {
        for (const CommandLineServices::Box& box : driver.boxes())
            std::fprintf(err, "%s: %s\n", box.caption.c_str(), box.text.c_str());
        if (driver.boxes().empty())
            std::fprintf(err, "ss sections add: the editor refused OK (no system name)\n");
        return kExitEvaluationFailed;
    }
    if (!table.writeToFile(tableName)) {
        std::fprintf(err, "ss sections add: cannot write the table %s\n", o.words[1].c_str());
        return kExitCannotWrite;
    }
    table.setToGlobals(&Ork_SectionTableManager::instance());
    Ork_StringArray now;
    table.getFilteredSysNames(now);
    const Ork_String section = row >= 0 && row < now.length() ? now[row] : Ork_String();
    std::fprintf(out, "%s %s, index %d among the offered sizes\n", table.rows.length() > before ? "added" : "replaced",
                 section.utf8().c_str(), row);
    int placed = -1;
    if (table.findSysName(Ork_String(section.substr(std::min(section.size(), table.name.size() + 1))), placed)) {
        std::string line;
        const Ork_StringArray& cells = table.rows[placed];
        for (int i = 0; i < cells.length(); ++i)
            line += (i ? "\t" : "") + cells[i].utf8();
        std::fprintf(out, "%s\n", line.c_str());
    }
    return kExitOk;
}

} // namespace

namespace {

// What an edit of the library can change: the tables of prof\ (by their bytes) and the library record (by value).
struct LibrarySnapshot {
    std::map<std::string, std::string> tables;
    std::optional<Json> record;
};

LibrarySnapshot snapshotLibrary(const Ork_String& recordPath) {
    LibrarySnapshot snapshot;
    const Ork_String folder = Ork_Settings::libDir() + u"prof\\";
    for (const std::u16string& name : os::listFolder(folder, u"*.pr")) {
        std::string bytes;
        if (os::readBytes(folder + Ork_String(name), bytes))
            snapshot.tables[os::toUtf8(name)] = std::move(bytes);
    }
    std::string text;
    if (os::readBytes(recordPath, text)) {
        Json record = Json::parse(text, nullptr, false);
        if (!record.is_discarded())
            snapshot.record = std::move(record);
    }
    return snapshot;
}

// One line per table added, removed or changed, and per value of the library record changed (as JSON pointers).
void printLibraryChanges(const LibrarySnapshot& before, const LibrarySnapshot& after, std::FILE* out) {
    bool any = false;
    std::set<std::string> names;
    for (const auto& [name, bytes] : before.tables)
        names.insert(name);
    for (const auto& [name, bytes] : after.tables)
        names.insert(name);
    for (const std::string& name : names) {
        const auto was = before.tables.find(name);
        const auto is = after.tables.find(name);
        const char* what = was == before.tables.end() ? "added"
                           : is == after.tables.end() ? "removed"
                           : was->second != is->second ? "changed"
                                                       : nullptr;
        if (what) {
            std::fprintf(out, "%s prof\\%s\n", what, name.c_str());
            any = true;
        }
    }
    if (after.record && !before.record) {
        std::fprintf(out, "written library record\n");
        any = true;
    } else if (before.record && after.record && *before.record != *after.record) {
        for (const Json& change : Json::diff(*before.record, *after.record)) {
            std::fprintf(out, "library record: %s %s\n", change.value("op", "").c_str(),
                         change.value("path", "").c_str());
            any = true;
        }
    }
    if (!any)
        std::fprintf(out, "nothing changed in the library record or in prof\\\n");
}

// ss sections edit: a front on the dialog runner, with the record made from the words given.
int editLibrary(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::string table, library, script, prefix;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::string* target = a == "--library" ? &library : a == "--script" ? &script : a == "--png-prefix" ? &prefix : nullptr;
        if (target) {
            if (i + 1 >= args.size() || !target->empty()) {
                std::fprintf(err, "ss sections edit: %s needs one value (try ss sections --help)\n", a.c_str());
                return kExitUsage;
            }
            *target = args[++i];
        } else if (!a.empty() && a[0] != '-' && table.empty()) {
            table = a;
        } else {
            std::fprintf(err, "ss sections edit: unexpected '%s' (try ss sections --help)\n", a.c_str());
            return kExitUsage;
        }
    }
    if (script.empty()) {
        std::fprintf(err, "ss sections edit: --script FILE is required (try ss sections --help)\n");
        return kExitUsage;
    }
    Json record = {{"table", table}, {"save", true}};
    if (!library.empty())
        record["library"] = library;
    const std::filesystem::path recordFile =
        std::filesystem::temp_directory_path() / ("ss-sections-edit-" + std::to_string(::getpid()) + ".json");
    {
        std::ofstream file(recordFile);
        file << record.dump();
        if (!file) {
            std::fprintf(err, "ss sections edit: cannot write its record to %s\n", recordFile.string().c_str());
            return kExitUsage;
        }
    }
    std::vector<std::string> words = {recordFile.string(), "--script", script};
    if (!prefix.empty()) {
        words.push_back("--png-prefix");
        words.push_back(prefix);
    }
    const Ork_String recordPath = library.empty() ? libraryRecordPath() : Ork_String::fromUtf8(library);
    const LibrarySnapshot before = snapshotLibrary(recordPath);
    const int code = runDialogCommand("ss sections edit", "editlibsections", words, out, err);
    std::error_code ignored;
    std::filesystem::remove(recordFile, ignored);
    if (code == kExitOk || code == kExitStepFailed)
        printLibraryChanges(before, snapshotLibrary(recordPath), out);
    return code;
}

} // namespace

int runSections(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    if (!args.empty() && args[0] == "edit")
        return editLibrary(args, out, err);
    Options o;
    std::string error;
    if (!parse(args, o, error)) {
        std::fprintf(err, "ss sections: %s (try ss sections --help)\n", error.c_str());
        return kExitUsage;
    }
    if (o.help) {
        std::fputs(kSectionsHelp, out);
        return kExitOk;
    }
    const bool addOptions = !o.from.empty() || o.hasName || !o.png.empty() || !o.sets.empty();
    if (addOptions && (o.words.empty() || o.words[0] != "add")) {
        std::fprintf(err, "ss sections: --from, --set, --name and --png belong to add (try ss sections --help)\n");
        return kExitUsage;
    }
    if (o.words.empty()) {
        if (o.all) {
            std::fprintf(err, "ss sections: --all belongs to show (try ss sections --help)\n");
            return kExitUsage;
        }
        return listTables(o, out, err);
    }
    if (o.words[0] == "show")
        return showTable(o, out, err);
    if (o.words[0] == "add")
        return addSize(o, out, err);
    std::fprintf(err, "ss sections: unknown word '%s' (try ss sections --help)\n", o.words[0].c_str());
    return kExitUsage;
}

} // namespace sscmd
