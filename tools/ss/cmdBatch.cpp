#include "cmdBatch.h"

#include "SSHost.h"
#include "SS/SSExports.h"
#include "batchCases.h"
#include "grid/Csv.h"
#include "inputFile.h"
#include "jsonText.h"
#include "os/files.h"
#include "os/utf16.h"
#include "ssServices.h"
#include "standardsSheet.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace sscmd {
namespace {

const char kBatchHelp[] =
    "usage: ss batch SHEET CASES.csv [--gen NAME=VALUE]... [--out RESULTS.csv] [--json]\n"
    "\n"
    "Evaluates a connection-standards sheet in direct mode once per case: every row of\n"
    "CASES.csv after the first is one case, and the first row names the columns, each an\n"
    "input of the sheet or a general variable (gen_...). Every row is evaluated exactly as\n"
    "ss evaluate SHEET --set NAME=VALUE... --gen NAME=VALUE... evaluates it.\n"
    "\n"
    "The result is the same table with the sheet's outputs appended as columns and a last\n"
    "column \"messages\" holding what the module reported for that row (failed equations,\n"
    "invalid tolerances), empty when there was nothing. A row whose evaluation fails gets\n"
    "its message and empty outputs, and the batch goes on. --gen gives a general variable\n"
    "to every row (a gen_ column of the same name wins); --out writes the table to a file\n"
    "instead of standard output; --json gives one object with a record per row instead.\n"
    "\n"
    "exit codes: 0 done, 1 wrong usage or a column the sheet does not declare as an input,\n"
    "2 the sheet or the cases file cannot be read or is malformed (its line is named), 3 the\n"
    "results cannot be written, 4 the module could not be loaded, 5 a row's evaluation failed\n";

constexpr std::string_view kGeneralPrefix = "gen_";
// Rows written to a results file are handed to it in pieces of about this size.
constexpr std::size_t kFlushBytes = 64 * 1024;

struct Options {
    std::string sheet;
    std::string cases;
    std::vector<std::pair<std::string, std::string>> gens;
    std::string out;
    bool json = false;
};

bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

int parseOptions(const std::vector<std::string>& args, Options& options, std::FILE* err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--gen" || arg == "--out") {
            if (!hasValue) {
                std::fprintf(err, "ss batch: %s needs a value\n", arg.c_str());
                return kExitUsage;
            }
            const std::string& value = args[++i];
            if (arg == "--out") {
                options.out = value;
                continue;
            }
            const auto eq = value.find('=');
            if (eq == std::string::npos || eq == 0) {
                std::fprintf(err, "ss batch: --gen takes NAME=VALUE, not '%s'\n", value.c_str());
                return kExitUsage;
            }
            options.gens.emplace_back(value.substr(0, eq), value.substr(eq + 1));
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(err, "ss batch: unknown option '%s' (try ss batch --help)\n", arg.c_str());
            return kExitUsage;
        } else if (options.sheet.empty()) {
            options.sheet = arg;
        } else if (options.cases.empty()) {
            options.cases = arg;
        } else {
            std::fprintf(err, "ss batch: one sheet and one cases file ('%s' is extra)\n", arg.c_str());
            return kExitUsage;
        }
    }
    if (options.cases.empty()) {
        std::fprintf(err, "ss batch: %s (try ss batch --help)\n",
                     options.sheet.empty() ? "which sheet and which cases?" : "which cases file?");
        return kExitUsage;
    }
    return kExitOk;
}

// Where each column of the cases goes: into the record's cell of that input, or into the general variables.
struct ColumnPlan {
    std::vector<int> inputCell;   // per column: the record's cell, or -1 for a general variable
};

int planColumns(const BatchCases& cases, const Options& options, const KvDlgStandardsData& record, ColumnPlan& plan,
                std::FILE* err) {
    for (const std::string& column : cases.columns) {
        if (std::string_view(column).substr(0, kGeneralPrefix.size()) == kGeneralPrefix) {
            plan.inputCell.push_back(-1);
            continue;
        }
        int index = -1;
        if (record.varCells.findVarCell(Ork_String::fromUtf8(column), index) != eOk) {
            std::fprintf(err, "ss batch: %s declares no input named '%s' (see ss vars %s)\n", options.sheet.c_str(),
                         column.c_str(), options.sheet.c_str());
            return kExitUsage;
        }
        if (!record.varCells[index].isInput()) {
            std::fprintf(err, "ss batch: '%s' is an output of %s: the evaluation computes it, a case cannot give it\n",
                         column.c_str(), options.sheet.c_str());
            return kExitUsage;
        }
        plan.inputCell.push_back(index);
    }
    return kExitOk;
}

// Where the results go: standard output, or a file written atomically (a batch that stops half-way leaves the
// old file as it was). Pieces are gathered and handed on in large writes.
class ResultSink {
public:
    ResultSink(const std::string& path, std::FILE* out) : m_out(out) {
        if (!path.empty())
            m_file = std::make_unique<os::AtomicFileWriter>(os::AtomicFileWriter::Native{}, std::filesystem::path(path));
    }
    bool good() const { return !m_file || m_file->good(); }
    void add(std::string_view text) {
        m_pending += text;
        if (m_pending.size() >= kFlushBytes)
            flush();
    }
    bool finish() {
        flush();
        if (m_file)
            return m_ok && m_file->commit();
        return m_ok && std::fflush(m_out) == 0;
    }

private:
    void flush() {
        if (m_file)
            m_ok = m_file->write(m_pending) && m_ok;
        else
            m_ok = std::fwrite(m_pending.data(), 1, m_pending.size(), m_out) == m_pending.size() && m_ok;
        m_pending.clear();
    }

    std::FILE* m_out;
    std::unique_ptr<os::AtomicFileWriter> m_file;
    std::string m_pending;
    bool m_ok = true;
};

// A bar on standard error while a batch that has run longer than a second goes on, when a person watches it.
class Progress {
public:
    Progress(std::size_t total, std::FILE* err)
        : m_err(err), m_total(total), m_shown(isatty(fileno(err)) != 0), m_start(Clock::now()), m_last(m_start) {}
    void step(std::size_t done) {
        if (!m_shown)
            return;
        const auto now = Clock::now();
        if (now - m_start < std::chrono::seconds(1) || now - m_last < std::chrono::milliseconds(100))
            return;
        m_last = now;
        constexpr int kWidth = 30;
        const int filled = static_cast<int>(kWidth * done / std::max<std::size_t>(m_total, 1));
        std::fprintf(m_err, "\rss batch: [%.*s%*s] %zu/%zu rows", filled, "##############################",
                     kWidth - filled, "", done, m_total);
        std::fflush(m_err);
        m_drawn = true;
    }
    // The bar is taken away, so that what is written after it starts on a clean line.
    void finish() {
        if (m_drawn)
            std::fprintf(m_err, "\r%*s\r", 70, "");
        m_drawn = false;
    }
    ~Progress() { finish(); }

private:
    using Clock = std::chrono::steady_clock;
    std::FILE* m_err;
    std::size_t m_total;
    bool m_shown;
    bool m_drawn = false;
    Clock::time_point m_start, m_last;
};

std::string csvField(std::string_view utf8) {
    // Plain ASCII with nothing to quote stands as it is (most fields of a table); anything else goes through the
    // grid's quoting, which also mends what is no UTF-8.
    const bool plain = std::all_of(utf8.begin(), utf8.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && c != ',' && c != '"' && c != '\r' && c != '\n';
    });
    return plain ? std::string(utf8) : os::toUtf8(grid::Csv::quoteField(os::toUtf16(utf8)));
}

const char* typeName(KvValueType type) {
    switch (type) {
    case KvValueType::Int: return "Int";
    case KvValueType::Double: return "Double";
    case KvValueType::String: return "String";
    }
    return "?";
}

// One message of the module on one line of the table. A failed equation is named by its statement and line,
// without the tip every such message repeats; any other message keeps its text.
std::string shortMessage(const CommandLineServices::Box& box) {
    constexpr std::string_view kFailed = "The following equation failed:\n";
    std::string_view text = box.text;
    if (text.substr(0, kFailed.size()) == kFailed) {
        text.remove_prefix(kFailed.size());
        const std::string_view statement = text.substr(0, text.find('\n'));
        std::string line;
        constexpr std::string_view kLine = " (line: ";
        if (const auto at = text.find(kLine); at != std::string_view::npos) {
            const auto end = text.find(')', at);
            line = " (line " + std::string(text.substr(at + kLine.size(), end - at - kLine.size())) + ")";
        }
        return "equation failed" + line + ": " + std::string(statement);
    }
    std::string flat;
    for (char c : text)
        flat += c == '\n' || c == '\r' ? ' ' : c;
    while (!flat.empty() && flat.back() == ' ')
        flat.pop_back();
    return flat;
}

struct RowResult {
    bool ok = false;
    KvVarCells outputs;
    std::vector<CommandLineServices::Box> messages;
};

void writeCsvHeader(const BatchCases& cases, const KvVarCells& outputs, ResultSink& sink) {
    std::string line;
    for (const std::string& column : cases.columns)
        line += csvField(column) + ",";
    for (const KvVarCell& cell : outputs)
        line += csvField(cell.name.utf8()) + ",";
    sink.add(line + "messages\n");
}

void writeCsvRow(const BatchCases::Case& one, const RowResult& result, ResultSink& sink) {
    std::string line;
    for (const std::string& value : one.values)
        line += csvField(value) + ",";
    for (const KvVarCell& cell : result.outputs)
        line += csvField(cell.value.utf8()) + ",";
    std::string messages;
    for (const CommandLineServices::Box& box : result.messages)
        messages += (messages.empty() ? "" : " | ") + shortMessage(box);
    sink.add(line + csvField(messages) + "\n");
}

void writeJsonRow(const BatchCases& cases, const BatchCases::Case& one, const RowResult& result, bool first,
                  ResultSink& sink) {
    std::string text = first ? "\n" : ",\n";
    text += "    {\"line\": " + std::to_string(one.line) + ", \"ok\": " + (result.ok ? "true" : "false") +
            ",\n     \"inputs\": [";
    for (std::size_t c = 0; c < cases.columns.size(); ++c)
        text += std::string(c ? ", " : "") + "{\"name\": " + jsonText(cases.columns[c]) +
                ", \"value\": " + jsonText(one.values[c]) + "}";
    text += "],\n     \"outputs\": [";
    bool firstCell = true;
    for (const KvVarCell& cell : result.outputs) {
        text += std::string(firstCell ? "" : ", ") + "{\"name\": " + jsonText(cell.name.utf8()) +
                ", \"role\": \"Output\", \"type\": \"" + typeName(cell.valueType) + "\", \"value\": " +
                (cell.valueType == KvValueType::String ? jsonText(cell.value.utf8()) : jsonNumber(cell.value.utf8())) +
                "}";
        firstCell = false;
    }
    text += "],\n     \"messages\": [";
    for (std::size_t m = 0; m < result.messages.size(); ++m)
        text += std::string(m ? ", " : "") + "{\"caption\": " + jsonText(result.messages[m].caption) +
                ", \"text\": " + jsonText(result.messages[m].text) + "}";
    sink.add(text + "]}");
}

} // namespace

int runBatch(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
    for (const std::string& arg : args) {
        if (isHelp(arg)) {
            std::fputs(kBatchHelp, out);
            return kExitOk;
        }
    }
    Options options;
    if (const int status = parseOptions(args, options, err))
        return status;
    SSHost host;
    if (!host.load())
        return kExitNoModule;
    if (const int status = checkSheet("batch", options.sheet, err))
        return status;
    const Ork_String sheet = Ork_String::fromUtf8(options.sheet);
    Declarations declared;
    std::string error;
    if (!readDeclarations(sheet, declared, error)) {
        std::fprintf(err, "ss batch: %s\n", error.c_str());
        return kExitBadInput;
    }
    std::string text;
    if (!readInputFile(options.cases, text)) {
        std::fprintf(err, "ss batch: cannot read the cases file %s\n", options.cases.c_str());
        return kExitBadInput;
    }
    BatchCases cases;
    if (!cases.parse(text, error)) {
        std::fprintf(err, "ss batch: %s: %s\n", options.cases.c_str(), error.c_str());
        return kExitBadInput;
    }
    text = std::string();   // the cases hold what they need of it
    const KvDlgStandardsData blank = directRecord(sheet, declared);
    ColumnPlan plan;
    if (const int status = planColumns(cases, options, blank, plan, err))
        return status;
    const KvVarCells outputNames = returnedOutputs(declared.cells, blank.varCells);
    // Every row's record has the cells of `blank`, so its outputs stand where they stand in `blank`.
    std::vector<int> outputAt;
    for (const OutputPosition& at : outputPositions(declared.cells))
        if (at.returned < blank.varCells.length())
            outputAt.push_back(at.returned);

    ResultSink sink(options.out, out);
    if (!sink.good()) {
        std::fprintf(err, "ss batch: cannot write %s\n", options.out.c_str());
        return kExitCannotWrite;
    }
    if (options.json)
        sink.add("{\n  \"sheet\": " + jsonText(options.sheet) + ",\n  \"cases\": " + jsonText(options.cases) +
                 ",\n  \"rows\": [");
    else
        writeCsvHeader(cases, outputNames, sink);

    CommandLineServices services;
    Progress progress(cases.cases.size(), err);
    std::size_t failed = 0;
    std::optional<std::string> failureText;
    RowResult result;
    for (std::size_t i = 0; i < cases.cases.size(); ++i) {
        const BatchCases::Case& one = cases.cases[i];
        KvDlgStandardsData record = blank;
        // The row's general variables first: the first of a name is the one substituted, so a row's value wins
        // over --gen.
        for (std::size_t c = 0; c < cases.columns.size(); ++c) {
            if (plan.inputCell[c] < 0) {
                record.genVarNames.append(Ork_String::fromUtf8(cases.columns[c]));
                record.genVarValues.append(Ork_String::fromUtf8(one.values[c]));
            } else {
                record.varCells[plan.inputCell[c]].value = Ork_String::fromUtf8(one.values[c]);
            }
        }
        for (const auto& [name, value] : options.gens) {
            record.genVarNames.append(Ork_String::fromUtf8(name));
            record.genVarValues.append(Ork_String::fromUtf8(value));
        }
        services.clear();
        result.ok = StartDlgStandardsSS(record);
        result.messages = services.boxes();
        if (result.ok) {
            if (result.outputs.length() != outputNames.length())
                result.outputs = outputNames;
            for (std::size_t k = 0; k < outputAt.size(); ++k)
                result.outputs[int(k)].value = record.varCells[outputAt[k]].value;
        } else {
            ++failed;
            result.outputs = outputNames;
            if (!failureText)   // what the sheet shows of why is the same for every row
                failureText = "the evaluation failed" +
                              [&](const std::string& why) { return why.empty() ? why : ": " + why; }(
                                  whyNotEvaluated(options.sheet));
            result.messages.push_back({"", *failureText});
        }
        if (options.json)
            writeJsonRow(cases, one, result, i == 0, sink);
        else
            writeCsvRow(one, result, sink);
        progress.step(i + 1);
    }
    progress.finish();
    if (options.json)
        sink.add(std::string(cases.cases.empty() ? "" : "\n  ") + "],\n  \"failed\": " + std::to_string(failed) +
                 "\n}\n");
    if (!sink.finish()) {
        std::fprintf(err, "ss batch: cannot write %s\n", options.out.empty() ? "the results" : options.out.c_str());
        return kExitCannotWrite;
    }
    warnSectionTables("batch", err);
    if (!options.out.empty())
        std::fprintf(out, "ss batch: %zu rows written to %s\n", cases.cases.size(), options.out.c_str());
    if (failed) {
        std::fprintf(err, "ss batch: %zu of %zu rows could not be evaluated\n", failed, cases.cases.size());
        return kExitEvaluationFailed;
    }
    return kExitOk;
}

} // namespace sscmd
