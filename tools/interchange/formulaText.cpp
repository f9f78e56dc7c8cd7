#include "formulaText.h"

#include "grid/Formula.h"
#include "grid/FormulaParser.h"
#include "os/utf16.h"

namespace interchange {
namespace {

// Prefixes XLSX puts before functions newer than its first version; the grid knows them by their plain names.
constexpr std::string_view kFunctionPrefixes[] = {"_xlfn._xlws.", "_xlfn.", "_xlws."};

bool startsWith(std::string_view text, std::size_t at, std::string_view prefix) {
    return text.substr(at, prefix.size()) == prefix;
}

// One pass over the formula outside its string constants: drops the function prefixes, and for ODS turns
// "[.A1]" / "[.A1:.B2]" into "A1" / "A1:B2" and ";" into ",".
bool rewrite(std::string_view in, FormulaDialect dialect, std::string& out, std::string& why) {
    out.clear();
    bool inString = false;
    for (std::size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (inString) {
            out += c;
            if (c == '"')
                inString = false;   // a doubled quote reopens the string at the next character
            continue;
        }
        if (c == '"') {
            inString = true;
            out += c;
            continue;
        }
        bool prefixed = false;
        for (std::string_view prefix : kFunctionPrefixes) {
            if (startsWith(in, i, prefix)) {
                i += prefix.size() - 1;
                prefixed = true;
                break;
            }
        }
        if (prefixed)
            continue;
        if (c == '{') {
            why = "an array constant";
            return false;
        }
        if (dialect == FormulaDialect::Xlsx) {
            if (c == '!') {
                why = "a reference to another sheet";
                return false;
            }
            if (c == '[') {
                why = "a reference to a table or another workbook";
                return false;
            }
            out += c;
            continue;
        }
        if (c == ';') {
            out += ',';
            continue;
        }
        if (c == '[') {
            const std::size_t end = in.find(']', i);
            if (end == std::string_view::npos) {
                why = "an unclosed reference";
                return false;
            }
            // [.A1], [.A1:.B2]; a sheet name before the "." ([Sheet2.A1], [$Sheet2.A1]) is another sheet.
            const std::string_view ref = in.substr(i + 1, end - i - 1);
            std::size_t start = 0;
            while (start < ref.size()) {
                const std::size_t colon = std::min(ref.find(':', start), ref.size());
                const std::string_view part = ref.substr(start, colon - start);
                if (part.empty() || part[0] != '.' || part.find('.', 1) != std::string_view::npos) {
                    why = "a reference to another sheet";
                    return false;
                }
                out += part.substr(1);
                if (colon < ref.size())
                    out += ':';
                start = colon + 1;
            }
            i = end;
            continue;
        }
        out += c;
    }
    return true;
}

} // namespace

bool gridFormula(std::string_view formula, FormulaDialect dialect, int col, int row, std::u16string& out,
                 std::string& why) {
    return sharedGridFormula(formula, dialect, col, row, col, row, out, why);
}

bool sharedGridFormula(std::string_view formula, FormulaDialect dialect, int originCol, int originRow, int col,
                       int row, std::u16string& out, std::string& why) {
    std::string_view text = formula;
    if (dialect == FormulaDialect::Ods) {
        for (std::string_view ns : {"of:", "oooc:", "msoxl:"})
            if (text.substr(0, ns.size()) == ns)
                text.remove_prefix(ns.size());
    }
    if (!text.empty() && text[0] == '=')
        text.remove_prefix(1);
    std::string rewritten;
    if (!rewrite(text, dialect, rewritten, why))
        return false;
    grid::Formula parsed;
    grid::ParseError error;
    if (!grid::parseFormula(os::toUtf16(rewritten), originCol, originRow, grid::RefStyle::A1, parsed, &error)) {
        why = os::toUtf8(error.message);
        return false;
    }
    for (const grid::Op& op : parsed.ops) {
        if ((op.code == grid::OpCode::Ref || op.code == grid::OpCode::Range) && !(op.flags & grid::kRefDeleted)) {
            const grid::Block block = op.block(col, row);
            if (block.col1 < 1 || block.row1 < 1) {
                why = "a shared reference moved off the sheet";
                return false;
            }
        }
    }
    out = parsed.toText(col, row, grid::RefStyle::A1);
    return true;
}

} // namespace interchange
