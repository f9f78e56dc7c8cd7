#include "cmdSections.h"

#include "jsonText.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/records/DlgEditLibData.h"
#include "seclib/Ork_ProfValuesTable.h"


namespace sscmd {
namespace {

const char kSectionsHelp[] =
    "usage: ss sections [--json]\n"
    "       ss sections show TABLE [--all] [--json]\n"
    "\n"
    "The section tables of the library's prof\\ folder (SS_LIBRARY, or the bundled\n"
    "sample library).\n"
    "\n"
    "  sections          every table: its section type (the descriptor on the file's\n"
    "                    first line), the sizes offered to users and the sizes in all\n"
    "  show TABLE        the sizes of one table, one line each: section name, the\n"
    "                    index among the offered sizes, and the row's cells\n"
    "  --all             show also the sizes that are not offered (I/O 0)\n"
    "  --json            the same as JSON\n"
    "\n"
    "exit codes: 0 done, 1 wrong usage, 2 no table, a table that cannot be read, or a\n"
    "name outside prof\\\n";

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
};

bool parse(const std::vector<std::string>& args, Options& o, std::string& error) {
    for (const std::string& a : args) {
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

} // namespace

int runSections(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
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
    if (o.words.empty()) {
        if (o.all) {
            std::fprintf(err, "ss sections: --all belongs to show (try ss sections --help)\n");
            return kExitUsage;
        }
        return listTables(o, out, err);
    }
    if (o.words[0] == "show")
        return showTable(o, out, err);
    std::fprintf(err, "ss sections: unknown word '%s' (try ss sections --help)\n", o.words[0].c_str());
    return kExitUsage;
}

} // namespace sscmd
