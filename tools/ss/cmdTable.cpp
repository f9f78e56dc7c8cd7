#include "cmdTable.h"

#include "jsonText.h"

#include "SSHost.h"
#include "ssServices.h"
#include "cadhost/CommandLine.h"
#include "SS/SSExports.h"
#include "grid/GridDocument.h"
#include "grid/Sheet.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "os/paths.h"
#include "os/utf16.h"

#include <algorithm>
#include <cstdlib>
#include <stdlib.h>
#include <filesystem>
#include <system_error>

namespace sscmd {
namespace {

constexpr const char* kTableHelp =
    "usage: ss table FILE KEYCOLUMN RESULTCOLUMN KEY [--verbose]\n"
    "Looks KEY up in the sheet FILE as the sheet function FROMTABLE does, in the module's formula window:\n"
    "the value in the column headed RESULTCOLUMN of the first row whose column headed KEYCOLUMN holds KEY.\n"
    "Headers and keys are compared ignoring case. --verbose also prints what the module printed.\n"
    "Exit codes: 0 found, 1 wrong arguments, 2 FILE cannot be read, 4 the module cannot be loaded,\n"
    "6 the look-up found no value.\n";

constexpr const char* kReadHelp =
    "usage: ss read FILE [--json]\n"
    "Reads the sheet FILE with the module's ReadSSFile: its title (the text of its first cell), its column\n"
    "names and the texts of every row, as a table or, with --json, as one JSON object.\n"
    "Exit codes: 0 done, 1 wrong arguments, 2 FILE cannot be read, 4 the module cannot be loaded.\n";

struct SheetTexts {
    Ork_String title;
    Ork_StringArray names;
    Ork_Array<Ork_StringArray> rows;
};

bool parse(const std::vector<std::string>& args, const std::string& option, std::vector<std::string>& words,
           bool& flag, bool& help, std::string& error) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            help = true;
        } else if (a == option && !flag) {
            flag = true;
        } else if (a.size() > 1 && a[0] == '-') {
            error = a == option ? "option " + a + " given twice" : "unknown option " + a;
            return false;
        } else {
            words.push_back(a);
        }
    }
    return true;
}

bool readable(const std::string& path, std::FILE* err, const char* command) {
    if (os::findExisting(os::toUtf16(path)))
        return true;
    std::fprintf(err, "ss %s: cannot read %s\n", command, path.c_str());
    return false;
}

// Loads the module and reads the sheet through ReadSSFile; what the module prints is collected in `printed`.
int readThroughModule(const std::u16string& path, SheetTexts& texts, std::string& printed) {
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    CommandLineServices services;
    cadhost::PrintCapture capture;
    ReadSSFile(Ork_String(path), texts.title, texts.names, texts.rows);
    printed = capture.text();
    return kExitOk;
}

// A text as a formula's string literal.
std::u16string formulaString(const std::u16string& text) {
    std::u16string out = u"\"";
    for (char16_t c : text) {
        out += c;
        if (c == u'"')
            out += u'"';
    }
    return out + u"\"";
}

// A temporary folder that goes away with its contents.
class TempFolder {
public:
    TempFolder() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "ss-table-XXXXXX").string();
        if (!ec && ::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::size_t width(std::u16string_view text) {
    std::size_t n = 0;
    for (char16_t c : text)
        n += (c < 0xDC00 || c > 0xDFFF) ? 1 : 0;
    return n;
}

std::string oneLine(const Ork_String& text) {
    std::u16string line = text;
    std::replace_if(line.begin(), line.end(), [](char16_t c) { return c == u'\n' || c == u'\r' || c == u'\t'; },
                    u' ');
    return os::toUtf8(line);
}

std::string json(const Ork_String& text) { return jsonText(os::toUtf8(text)); }

std::string jsonArray(const Ork_StringArray& texts) {
    std::string out = "[";
    for (int i = 0; i < texts.length(); ++i)
        out += (i ? ", " : "") + json(texts[i]);
    return out + "]";
}

// A line goes out whole, whatever its texts hold (U+0000 included): printf's "%s" would end it at the first 0.
void writeLine(const std::string& text, std::FILE* out) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fputc('\n', out);
}

void printTable(const SheetTexts& texts, std::FILE* out) {
    writeLine("title: " + oneLine(texts.title), out);
    std::vector<const Ork_StringArray*> lines{&texts.names};
    for (int r = 0; r < texts.rows.length(); ++r)
        lines.push_back(&texts.rows[r]);
    std::vector<std::size_t> widths;
    for (const Ork_StringArray* line : lines)
        for (int c = 0; c < line->length(); ++c) {
            if (widths.size() <= std::size_t(c))
                widths.push_back(0);
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], width(os::toUtf16(oneLine((*line)[c]))));
        }
    for (const Ork_StringArray* line : lines) {
        std::string text;
        for (int c = 0; c < line->length(); ++c) {
            const std::string cell = oneLine((*line)[c]);
            text += cell;
            if (c + 1 < line->length())
                text += std::string(widths[std::size_t(c)] - width(os::toUtf16(cell)) + 2, ' ');
        }
        writeLine(text, out);
    }
}

} // namespace

int runTable(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::vector<std::string> words;
    bool verbose = false, help = false;
    std::string error;
    if (!parse(args, "--verbose", words, verbose, help, error)) {
        std::fprintf(err, "ss table: %s (try ss table --help)\n", error.c_str());
        return kExitUsage;
    }
    if (help) {
        std::fputs(kTableHelp, out);
        return kExitOk;
    }
    if (words.size() != 4) {
        std::fprintf(err, "ss table: expected FILE KEYCOLUMN RESULTCOLUMN KEY (try ss table --help)\n");
        return kExitUsage;
    }
    if (!readable(words[0], err, "table"))
        return kExitBadInput;
    // A file the look-up cannot load (cut short, of a newer version, a folder) is an input that cannot be read:
    // the look-up itself would only find no value.
    {
        grid::Sheet probe;
        std::u16string why;
        if (!grid::GridDocument::load(probe, os::toUtf16(words[0]), why)) {
            std::fprintf(err, "ss table: %s\n", os::toUtf8(why).c_str());
            return kExitBadInput;
        }
    }

    // The look-up runs as a sheet calls it: a sheet whose first cell is the FROMTABLE formula is read through
    // ReadSSFile, whose formula window calculates the formula, and the look-up opens its own window on FILE.
    TempFolder folder;
    if (folder.path().empty()) {
        std::fprintf(err, "ss table: cannot make a temporary folder\n");
        return kExitCannotWrite;
    }
    std::error_code ec;
    const std::filesystem::path table = std::filesystem::absolute(words[0], ec);
    std::u16string formula = u"FROMTABLE(" + formulaString(os::toUtf16(table.string()));
    for (std::size_t i = 1; i < 4; ++i)
        formula += u"," + formulaString(os::toUtf16(words[i]));
    formula += u")";
    grid::Sheet caller;
    caller.setMaxCols(1);
    caller.setMaxRows(1);
    const std::u16string callerPath = os::toUtf16((folder.path() / "lookup.sss").string());
    std::u16string why;
    if (!caller.setFormula(1, 1, formula) || !grid::GridDocument::save(caller, callerPath, why)) {
        std::fprintf(err, "ss table: cannot write the look-up sheet: %s\n", os::toUtf8(why).c_str());
        return kExitCannotWrite;
    }

    SheetTexts texts;
    std::string printed;
    if (const int code = readThroughModule(callerPath, texts, printed); code != kExitOk)
        return code;
    if (verbose)
        std::fputs(printed.c_str(), out);
    // The look-up window reports each value it found on the module's command line.
    if (printed.find("Result is ") == std::string::npos) {
        std::fprintf(err, "ss table: no value for '%s' in column '%s' of %s\n", words[3].c_str(), words[1].c_str(),
                     words[0].c_str());
        return kExitNoValue;
    }
    writeLine(oneLine(texts.title), out);
    return kExitOk;
}

int runRead(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    std::vector<std::string> words;
    bool asJson = false, help = false;
    std::string error;
    if (!parse(args, "--json", words, asJson, help, error)) {
        std::fprintf(err, "ss read: %s (try ss read --help)\n", error.c_str());
        return kExitUsage;
    }
    if (help) {
        std::fputs(kReadHelp, out);
        return kExitOk;
    }
    if (words.size() != 1) {
        std::fprintf(err, "ss read: expected one FILE (try ss read --help)\n");
        return kExitUsage;
    }
    if (!readable(words[0], err, "read"))
        return kExitBadInput;
    SheetTexts texts;
    std::string printed;
    if (const int code = readThroughModule(os::toUtf16(words[0]), texts, printed); code != kExitOk)
        return code;
    // A sheet has at least one column; none means the module could not load the file, and said why.
    if (texts.names.isEmpty()) {
        std::fprintf(err, "ss read: cannot read %s\n%s", words[0].c_str(), printed.c_str());
        return kExitBadInput;
    }
    if (!asJson) {
        printTable(texts, out);
        return kExitOk;
    }
    std::fprintf(out, "{\"title\": %s,\n \"columns\": %s,\n \"rows\": [", json(texts.title).c_str(),
                 jsonArray(texts.names).c_str());
    for (int r = 0; r < texts.rows.length(); ++r)
        std::fprintf(out, "%s\n  %s", r ? "," : "", jsonArray(texts.rows[r]).c_str());
    std::fprintf(out, "]}\n");
    return kExitOk;
}

} // namespace sscmd
