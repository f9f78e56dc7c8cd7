#include "grid/GridDocument.h"

#include "grid/DocumentCache.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_map>

#include "grid/FormulaCache.h"
#include "grid/FormulaParser.h"
#include "grid/documentText.h"
#include "os/files.h"
#include "os/utf16.h"

namespace grid {
namespace {

constexpr std::u16string_view kMagic = u"SS grid";
// Far above any sheet the module writes; a larger file is refused before it is read into memory.
constexpr std::uint64_t kMaxFileBytes = 512ull * 1024 * 1024;

struct KindName {
    CellKind kind;
    std::u16string_view name;
};
constexpr KindName kKindNames[] = {
    {CellKind::General, u"general"},   {CellKind::Edit, u"edit"},         {CellKind::Number, u"number"},
    {CellKind::Integer, u"integer"},   {CellKind::StaticText, u"static"}, {CellKind::ComboBox, u"combo"},
    {CellKind::CheckBox, u"check"},    {CellKind::Button, u"button"},     {CellKind::Picture, u"picture"},
    {CellKind::PictureFile, u"picturefile"},
};

std::u16string_view kindName(CellKind kind) {
    for (const KindName& k : kKindNames)
        if (k.kind == kind)
            return k.name;
    return u"general";
}

bool kindFromName(std::u16string_view name, CellKind& kind) {
    for (const KindName& k : kKindNames)
        if (k.name == name) {
            kind = k.kind;
            return true;
        }
    return false;
}

std::u16string_view trimmed(std::u16string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == u' ' || s[b] == u'\t'))
        ++b;
    while (e > b && (s[e - 1] == u' ' || s[e - 1] == u'\t'))
        --e;
    return s.substr(b, e - b);
}

// One object for a run of cells of equal type: documents give whole columns the same type.
std::shared_ptr<const CellType> sharedType(CellType&& type, std::shared_ptr<const CellType>& last) {
    if (!last || !(*last == type))
        last = std::make_shared<const CellType>(std::move(type));
    return last;
}

std::uint64_t cellKey(int col, int row) { return std::uint64_t(std::uint32_t(col)) << 32 | std::uint32_t(row); }

bool overlaps(const Span& a, const Span& b) {
    return a.col < b.col + b.cols && b.col < a.col + a.cols && a.row < b.row + b.rows && b.row < a.row + a.rows;
}

} // namespace

// Reads a document line by line into the document's records; every check that applying could fail is made
// here, so that applying cannot fail.
class GridDocument::Reader {
public:
    // Formulas are read in `style` until a "refstyle" line says otherwise.
    Reader(GridDocument& doc, RefStyle style) : doc_(doc), formulaStyle_(style) {}

    // True when a "refstyle" line came after formulas read in another style: the document is then read again
    // in the style it declares.
    bool restyled() const { return restyled_; }
    RefStyle declaredStyle() const { return formulaStyle(doc_.refStyle_); }

    bool read(std::string_view utf8, std::u16string& error) {
        // A UTF-8 text is read a line at a time into one buffer, the file's text never copied whole; the rare
        // UTF-16 file (byte-order mark first) is decoded whole.
        const bool utf16 = utf8.size() >= 2 && ((utf8[0] == '\xFF' && utf8[1] == '\xFE') ||
                                                (utf8[0] == '\xFE' && utf8[1] == '\xFF'));
        std::vector<std::u16string> decoded;
        if (utf16)
            decoded = os::decodeLines(utf8);
        else if (utf8.substr(0, 3) == "\xEF\xBB\xBF")
            utf8.remove_prefix(3);
        std::size_t next = 0;   // where the next line of `utf8` starts
        std::u16string buffer;
        // Room for a record a line, as most lines are a cell's only line; at most one per 32 bytes, so that a
        // file of empty lines does not reserve more than its size would hold.
        if (!utf16)
            doc_.cells_.reserve(std::min<std::size_t>(std::size_t(std::count(utf8.begin(), utf8.end(), '\n')) + 1,
                                                      utf8.size() / 32));
        bool versionSeen = false, ended = false;
        int lines = 0;
        for (;;) {
            std::u16string_view whole;
            if (utf16) {
                if (std::size_t(lines) >= decoded.size())
                    break;
                whole = decoded[std::size_t(lines)];
            } else {
                if (next >= utf8.size())
                    break;
                std::size_t end = utf8.find('\n', next);
                if (end == std::string_view::npos)
                    end = utf8.size();
                std::size_t stop = end;
                if (stop > next && utf8[stop - 1] == '\r')
                    --stop;
                const std::string_view bytes = utf8.substr(next, stop - next);
                next = end + 1;
                line_ = lines + 1;
                if (versionSeen && !ended && readPlainCell(bytes)) {
                    ++lines;
                    continue;
                }
                if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (unsigned char)c < 0x80; }))
                    buffer.assign(bytes.begin(), bytes.end());   // the buffer's room reused
                else
                    buffer = os::toUtf16(bytes);
                whole = buffer;
            }
            line_ = lines = lines + 1;
            const std::u16string_view text = trimmed(whole);
            if (text.empty() || text[0] == u'#')
                continue;
            if (ended)
                return fail(error, u"text after the \"end\" line");
            if (!versionSeen) {
                if (!readVersion(text, error))
                    return false;
                versionSeen = true;
                continue;
            }
            std::u16string why;
            if (!splitLine(text, tokens_, why))
                return fail(error, why);
            if (tokens_[0].quoted || !tokens_[0].key.empty())
                return fail(error, u"a line starts with its keyword");
            const std::u16string& keyword = tokens_[0].text;
            if (keyword == u"end") {
                if (tokens_.size() != 1)
                    return fail(error, u"\"end\" stands alone");
                ended = true;
                continue;
            }
            if (!readLine(keyword, why))
                return fail(error, why);
        }
        line_ = lines;
        if (!versionSeen)
            return fail(error, u"not a grid document (no \"SS grid\" line)");
        if (!ended)
            return fail(error, u"the document ends without its \"end\" line (the file is cut short)");
        return finish(error);
    }

private:
    // The two lines of nearly every cell, "cell COL ROW number N" and "cell COL ROW formula \"TEXT\"" in ASCII
    // with single blanks and no escapes, read straight from their bytes. Any other line, and one of these
    // with a fault, goes the general way (false), which reads it alike or names its fault.
    static bool plainInteger(std::string_view line, std::size_t& p, long long max, long long& out) {
        const std::size_t start = p;
        long long value = 0;
        while (p < line.size() && p - start < 10 && line[p] >= '0' && line[p] <= '9')
            value = value * 10 + (line[p++] - '0');
        if (p == start || p >= line.size() || line[p] != ' ' || value > max)
            return false;
        ++p;
        out = value;
        return true;
    }

    bool readPlainCell(std::string_view line) {
        if (!sizeSeen_ || !line.starts_with("cell "))
            return false;
        std::size_t p = 5;
        long long col = 0, row = 0;
        if (!plainInteger(line, p, doc_.cols_, col) || !plainInteger(line, p, doc_.rows_, row))
            return false;
        const std::string_view rest = line.substr(p);
        if (rest.starts_with("number ")) {
            const std::string_view word = rest.substr(7);
            if (word.empty() || word.size() > 64)
                return false;
            for (char c : word)
                if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
                    return false;
            double n = 0;
            const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
            if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(n))
                return false;
            CellRecord& cell = doc_.cells_[recordOf(int(col), int(row))];
            if (!cell.value.isEmpty() || cell.formula)
                return false;
            cell.value = Value::number(n);
            return true;
        }
        if (rest.starts_with("formula \"")) {
            const std::string_view quoted = rest.substr(9);
            if (col == 0 || row == 0 || quoted.empty() || quoted.back() != '"')
                return false;
            const std::string_view body = quoted.substr(0, quoted.size() - 1);
            plainText_.resize(body.size());   // checked and widened in one pass
            for (std::size_t i = 0; i < body.size(); ++i) {
                const auto c = static_cast<unsigned char>(body[i]);
                if (c == '"' || c == '\\' || c < 0x20 || c >= 0x80)
                    return false;
                plainText_[i] = char16_t(c);
            }
            CellRecord& cell = doc_.cells_[recordOf(int(col), int(row))];
            if (!cell.value.isEmpty() || cell.formula)
                return false;
            cell.formula = true;
            readFormula(cell, plainText_);
            return true;
        }
        return false;
    }

    bool fail(std::u16string& error, std::u16string_view why) {
        error = u"line ";
        error += decimalText(line_);
        error += u": ";
        error += why;
        return false;
    }

    bool readVersion(std::u16string_view text, std::u16string& error) {
        if (text.substr(0, kMagic.size()) != kMagic)
            return fail(error, u"not a grid document (no \"SS grid\" line)");
        long long version = 0;
        if (!readInteger(trimmed(text.substr(kMagic.size())), 1, 1000000, version))
            return fail(error, u"the \"SS grid\" line needs a version number");
        if (version > kVersion)
            return fail(error, u"the document was written by a newer version of the grid");
        return true;
    }

    bool wantCount(std::size_t n, std::u16string& why) {
        if (tokens_.size() == n)
            return true;
        why = u"\"";
        why += tokens_[0].text;
        why += u"\" takes ";
        why += decimalText(long(n - 1));
        why += n == 2 ? u" value" : u" values";
        return false;
    }

    bool bare(std::size_t i) const { return !tokens_[i].quoted && tokens_[i].key.empty(); }

    bool intAt(std::size_t i, long long min, long long max, long long& out, std::u16string_view what,
               std::u16string& why) {
        if (bare(i) && readInteger(tokens_[i].text, min, max, out))
            return true;
        why = what;
        why += u" must be a whole number from ";
        why += decimalText(min);
        why += u" to ";
        why += decimalText(max);
        return false;
    }

    bool needSize(std::u16string& why) {
        if (sizeSeen_)
            return true;
        why = u"\"size\" must come before the lines that address columns, rows or cells";
        return false;
    }

    bool readLine(const std::u16string& keyword, std::u16string& why) {
        long long a = 0, b = 0, c = 0, d = 0;
        if (keyword == u"size") {
            if (sizeSeen_) {
                why = u"a second \"size\" line";
                return false;
            }
            if (!wantCount(3, why) || !intAt(1, 0, kMaxCols, a, u"the column count", why) ||
                !intAt(2, 0, kMaxRows, b, u"the row count", why))
                return false;
            doc_.cols_ = int(a), doc_.rows_ = int(b);
            sizeSeen_ = true;
            return true;
        }
        if (keyword == u"refstyle") {
            if (refStyleSeen_) {
                why = u"a second \"refstyle\" line";
                return false;
            }
            if (!wantCount(2, why) || !intAt(1, kRefStyleDefault, kRefStyleR1C1, a, u"the reference style", why))
                return false;
            doc_.refStyle_ = int(a);
            refStyleSeen_ = true;
            if (formulaStyle(doc_.refStyle_) != formulaStyle_) {
                restyled_ = restyled_ || formulasRead_;
                formulaStyle_ = formulaStyle(doc_.refStyle_);
            }
            return true;
        }
        if (keyword == u"switch") {
            if (!wantCount(3, why) || !intAt(1, -32768, 32767, a, u"a switch index", why) ||
                !intAt(2, 0, 1, b, u"a switch value", why))
                return false;
            if (!doc_.switches_.emplace(int(a), b != 0).second) {
                why = u"switch " + decimalText(a) + u" is set twice";
                return false;
            }
            return true;
        }
        if (keyword == u"property") {
            if (!wantCount(3, why) || !intAt(1, -32768, 32767, a, u"a property index", why))
                return false;
            long long value = 0;
            if (!bare(2) || !readInteger(tokens_[2].text, INT64_MIN, INT64_MAX, value)) {
                why = u"a property value must be a whole number";
                return false;
            }
            if (!doc_.properties_.emplace(int(a), value).second) {
                why = u"property " + decimalText(a) + u" is set twice";
                return false;
            }
            return true;
        }
        if (keyword == u"width" || keyword == u"height") {
            const bool width = keyword == u"width";
            if (!needSize(why) || !wantCount(3, why) ||
                !intAt(1, 0, width ? doc_.cols_ : doc_.rows_, a, width ? u"the column" : u"the row", why))
                return false;
            double size = 0;
            if (!bare(2) || !readFiniteNumber(tokens_[2].text, size) || size < 0 || size > 1e5) {
                why = u"a size must be a number from 0 to 100000";
                return false;
            }
            if (!(width ? doc_.widths_ : doc_.heights_).emplace(int(a), size).second) {
                why = width ? u"the width of this column is set twice" : u"the height of this row is set twice";
                return false;
            }
            return true;
        }
        if (keyword == u"span") {
            if (!needSize(why) || !wantCount(5, why) || !intAt(1, 0, doc_.cols_, a, u"the column", why) ||
                !intAt(2, 0, doc_.rows_, b, u"the row", why) ||
                !intAt(3, 1, kMaxCols, c, u"the number of columns", why) ||
                !intAt(4, 1, kMaxRows, d, u"the number of rows", why))
                return false;
            if (doc_.spans_.size() >= kMaxSpans) {
                why = u"too many spans (at most " + decimalText(long(kMaxSpans)) + u")";
                return false;
            }
            const Span span{int(a), int(b), int(c), int(d)};
            for (std::size_t i = 0; i < doc_.spans_.size(); ++i) {
                if (overlaps(span, doc_.spans_[i])) {
                    why = u"the span overlaps the span of line " + decimalText(spanLines_[i]);
                    return false;
                }
            }
            doc_.spans_.push_back(span);
            spanLines_.push_back(line_);
            return true;
        }
        if (keyword == u"cell")
            return readCell(why);
        why = u"unknown keyword \"" + keyword + u"\"";
        return false;
    }

    bool readCell(std::u16string& why) {
        long long col = 0, row = 0;
        if (!needSize(why))
            return false;
        if (tokens_.size() < 4) {
            why = u"\"cell\" takes a column, a row and an attribute";
            return false;
        }
        if (!intAt(1, 0, doc_.cols_, col, u"the column", why) || !intAt(2, 0, doc_.rows_, row, u"the row", why))
            return false;
        if (!bare(3)) {
            why = u"a cell attribute is a bare word";
            return false;
        }
        CellRecord& cell = doc_.cells_[recordOf(int(col), int(row))];
        const std::u16string& attr = tokens_[3].text;
        auto once = [&](bool already) {
            if (already)
                why = u"the cell's \"" + attr + u"\" is given twice";
            return !already;
        };
        auto oneQuoted = [&]() {
            if (tokens_.size() == 5 && tokens_[4].quoted && tokens_[4].key.empty())
                return true;
            why = u"\"" + attr + u"\" takes one quoted text";
            return false;
        };
        auto oneBare = [&]() {
            if (tokens_.size() == 5 && bare(4))
                return true;
            why = u"\"" + attr + u"\" takes one value";
            return false;
        };
        auto valueFree = [&]() {
            if (cell.value.isEmpty() && !cell.formula)
                return true;
            why = u"the cell has a second value or formula";
            return false;
        };
        if (attr == u"number") {
            double n = 0;
            if (!valueFree() || !oneBare())
                return false;
            if (!readFiniteNumber(tokens_[4].text, n)) {
                why = u"\"" + tokens_[4].text + u"\" is not a number";
                return false;
            }
            cell.value = Value::number(n);
            return true;
        }
        if (attr == u"text") {
            if (!valueFree() || !oneQuoted())
                return false;
            if (tokens_[4].text.empty()) {
                why = u"an empty text is no value: leave the line out";
                return false;
            }
            cell.value = Value::text(tokens_[4].text);
            return true;
        }
        if (attr == u"bool") {
            if (!valueFree() || !oneBare())
                return false;
            if (tokens_[4].text != u"TRUE" && tokens_[4].text != u"FALSE") {
                why = u"\"bool\" is TRUE or FALSE";
                return false;
            }
            cell.value = Value::boolean(tokens_[4].text == u"TRUE");
            return true;
        }
        if (attr == u"error") {
            if (!valueFree() || !oneBare())
                return false;
            const ErrorCode code = errorFromText(tokens_[4].text);
            if (code == ErrorCode::None) {
                why = u"\"" + tokens_[4].text + u"\" is not an error value";
                return false;
            }
            cell.value = Value::error(code);
            return true;
        }
        if (attr == u"formula") {
            if (!valueFree() || !oneQuoted())
                return false;
            if (col == 0 || row == 0) {
                why = u"a header cell cannot hold a formula";
                return false;
            }
            cell.formula = true;
            readFormula(cell, tokens_[4].text);
            return true;
        }
        if (attr == u"tag") {
            if (!once(cell.attrs().tag.has_value()) || !oneQuoted())
                return false;
            cell.more().tag = tokens_[4].text;
            return true;
        }
        if (attr == u"locked") {
            if (!once(cell.attrs().locked))
                return false;
            if (tokens_.size() != 4) {
                why = u"\"locked\" stands alone";
                return false;
            }
            cell.more().locked = true;
            return true;
        }
        if (attr == u"type")
            return once(cell.attrs().type != nullptr) && readType(cell.more(), why);
        if (attr == u"font")
            return once(cell.attrs().font != nullptr) && readFont(cell.more(), why);
        if (attr == u"colours")
            return once(cell.attrs().back.has_value() || cell.attrs().fore.has_value()) &&
                   readColours(cell.more(), why);
        if (attr == u"border")
            return once(cell.attrs().border.has_value()) && readBorder(cell.more(), why);
        why = u"unknown cell attribute \"" + attr + u"\"";
        return false;
    }

    // The record of a cell, made at its first line. Documents list their cells row by row, each cell's lines
    // together, so a cell is mostly the one of the line before or one after every cell so far; only a document
    // that goes back needs the index of every record, built the first time it does.
    std::size_t recordOf(int col, int row) {
        const std::uint64_t order = std::uint64_t(std::uint32_t(row)) << 32 | std::uint32_t(col);
        auto& cells = doc_.cells_;
        if (!cells.empty() && cells.back().col == col && cells.back().row == row)
            return cells.size() - 1;
        if (cells.empty() || order > lastOrder_) {
            lastOrder_ = order;
            if (indexed_)
                index_.emplace(cellKey(col, row), cells.size());
        } else {
            if (!indexed_) {
                index_.reserve(cells.size() * 2);
                for (std::size_t i = 0; i < cells.size(); ++i)
                    index_.emplace(cellKey(cells[i].col, cells[i].row), i);
                indexed_ = true;
            }
            const auto [it, added] = index_.emplace(cellKey(col, row), cells.size());
            if (!added)
                return it->second;
        }
        cells.emplace_back();
        cells.back().col = col;
        cells.back().row = row;
        return cells.size() - 1;
    }

    // key=value pairs from the fifth word on; each key known to `visit` and given once.
    template <class Visit>
    bool readPairs(Visit visit, std::u16string& why) {
        std::vector<std::u16string> seen;
        for (std::size_t i = 4; i < tokens_.size(); ++i) {
            const LineToken& t = tokens_[i];
            if (t.key.empty()) {
                why = u"\"" + t.text + u"\" is not of the form key=value";
                return false;
            }
            if (std::find(seen.begin(), seen.end(), t.key) != seen.end()) {
                why = u"\"" + t.key + u"\" is given twice";
                return false;
            }
            seen.push_back(t.key);
            if (!visit(t, why)) {
                if (why.empty())
                    why = u"unknown or malformed \"" + t.key + u"\"";
                return false;
            }
        }
        return true;
    }

    static bool pairInt(const LineToken& t, long long min, long long max, int& out) {
        long long v = 0;
        if (t.quoted || !readInteger(t.text, min, max, v))
            return false;
        out = int(v);
        return true;
    }

    bool readType(CellAttributes& cell, std::u16string& why) {
        CellType type;
        bool kindSeen = false;
        auto visit = [&](const LineToken& t, std::u16string&) {
            const std::u16string& k = t.key;
            long long big = 0;
            int flag = 0;
            if (k == u"kind")
                return kindSeen = !t.quoted && kindFromName(t.text, type.kind);
            if (k == u"style")
                return pairInt(t, INT32_MIN, INT32_MAX, type.style);
            if (k == u"maxlength")
                return pairInt(t, 0, INT32_MAX, type.maxLength);
            if (k == u"charset")
                return pairInt(t, INT32_MIN, INT32_MAX, type.charSet);
            if (k == u"case")
                return pairInt(t, INT32_MIN, INT32_MAX, type.charCase);
            if (k == u"decimals")
                return pairInt(t, 0, 255, type.decimals);
            if (k == u"min")
                return !t.quoted && readFiniteNumber(t.text, type.minimum);
            if (k == u"max")
                return !t.quoted && readFiniteNumber(t.text, type.maximum);
            if (k == u"separator") {
                const bool ok = pairInt(t, 0, 1, flag);
                type.separator = flag != 0;
                return ok;
            }
            if (k == u"text") {
                type.text = t.text;
                return t.quoted;
            }
            if (k == u"picture") {
                if (t.quoted || !readInteger(t.text, 0, INT64_MAX, big))
                    return false;
                type.picture = std::uint64_t(big);
                return true;
            }
            if (k == u"buttonkind")
                return pairInt(t, INT32_MIN, INT32_MAX, type.buttonKind);
            if (k == u"shadow")
                return pairInt(t, INT32_MIN, INT32_MAX, type.shadowSize);
            return false;
        };
        if (!readPairs(visit, why))
            return false;
        if (!kindSeen) {
            why = u"a type needs its kind=";
            return false;
        }
        cell.type = sharedType(std::move(type), lastType_);
        return true;
    }

    bool readFont(CellAttributes& cell, std::u16string& why) {
        Font font;
        auto flag = [](const LineToken& t, bool& out) {
            int v = 0;
            const bool ok = pairInt(t, 0, 1, v);
            out = v != 0;
            return ok;
        };
        auto visit = [&](const LineToken& t, std::u16string&) {
            if (t.key == u"face") {
                font.face = t.text;
                return t.quoted;
            }
            if (t.key == u"height")
                return pairInt(t, INT32_MIN, INT32_MAX, font.height);
            if (t.key == u"bold")
                return flag(t, font.bold);
            if (t.key == u"italic")
                return flag(t, font.italic);
            if (t.key == u"underline")
                return flag(t, font.underline);
            if (t.key == u"strikeout")
                return flag(t, font.strikeOut);
            return false;
        };
        if (!readPairs(visit, why))
            return false;
        cell.font = std::make_shared<const Font>(font);
        return true;
    }

    bool readColours(CellAttributes& cell, std::u16string& why) {
        std::uint32_t back = 0, fore = 0;
        bool haveBack = false, haveFore = false;
        auto visit = [&](const LineToken& t, std::u16string&) {
            if (t.key == u"back")
                return haveBack = !t.quoted && readUnsigned32(t.text, back);
            if (t.key == u"fore")
                return haveFore = !t.quoted && readUnsigned32(t.text, fore);
            return false;
        };
        if (!readPairs(visit, why))
            return false;
        if (!haveBack) {
            why = u"colours need back=";
            return false;
        }
        cell.back = back;
        if (haveFore)
            cell.fore = fore;
        return true;
    }

    bool readBorder(CellAttributes& cell, std::u16string& why) {
        Border border;
        int kind = 0, style = 0;
        auto visit = [&](const LineToken& t, std::u16string&) {
            if (t.key == u"kind")
                return pairInt(t, 0, 65535, kind);
            if (t.key == u"style")
                return pairInt(t, 0, 65535, style);
            if (t.key == u"colour")
                return !t.quoted && readUnsigned32(t.text, border.colour);
            return false;
        };
        if (!readPairs(visit, why))
            return false;
        border.kind = std::uint16_t(kind);
        border.style = std::uint16_t(style);
        cell.border = border;
        return true;
    }

    // Each formula is parsed at its line, once, for its check and for the sheet; its text is not kept. A
    // formula that does not parse is reported after every other line is checked, as a document's formulas
    // are read in the reference style the whole document declares.
    void readFormula(CellRecord& cell, std::u16string_view text) {
        formulasRead_ = true;
        ParseError pe;
        std::size_t b = 0;
        while (b < text.size() && (text[b] == u' ' || text[b] == u'\t'))
            ++b;
        if (b < text.size() && text.substr(b) != u"=")
            cell.program = FormulaCache::instance().parse(text, cell.col, cell.row, formulaStyle_, &pe,
                                                           FormulaCache::KeyBy::Shape);
        if (!cell.program && badFormulaLine_ == 0) {
            badFormulaLine_ = line_;
            badFormula_ = pe.message.empty() ? u"the formula is empty" : u"bad formula: " + pe.message;
        }
    }

    bool finish(std::u16string& error) {
        if (restyled_)
            return false;   // read again in the declared style
        if (badFormulaLine_ != 0) {
            line_ = badFormulaLine_;
            return fail(error, badFormula_);
        }
        if (indexed_)   // the cells came out of order
            std::sort(doc_.cells_.begin(), doc_.cells_.end(), [](const CellRecord& x, const CellRecord& y) {
                return x.row != y.row ? x.row < y.row : x.col < y.col;
            });
        return true;
    }

    GridDocument& doc_;
    std::shared_ptr<const CellType> lastType_;   // the type read last, shared with the cells after it
    int line_ = 0;
    bool sizeSeen_ = false, refStyleSeen_ = false;
    std::vector<LineToken> tokens_;
    std::unordered_map<std::uint64_t, std::size_t> index_;   // of every record, once `indexed_`
    bool indexed_ = false;
    std::uint64_t lastOrder_ = 0;   // the row-major place of the last record made
    RefStyle formulaStyle_;
    bool formulasRead_ = false, restyled_ = false;
    std::u16string plainText_;   // the formula of a plain cell line, its room reused
    int badFormulaLine_ = 0;   // the first formula that does not parse, reported once the rest is checked
    std::u16string badFormula_;
    std::vector<int> spanLines_;
};

bool GridDocument::parse(std::string_view utf8, std::u16string& error) {
    GridDocument fresh;
    Reader reader(fresh, RefStyle::A1);
    bool ok = reader.read(utf8, error);
    if (!ok && reader.restyled()) {
        const RefStyle style = reader.declaredStyle();
        fresh = GridDocument();
        Reader again(fresh, style);
        ok = again.read(utf8, error);
    }
    if (!ok) {
        *this = GridDocument();
        return false;
    }
    *this = std::move(fresh);
    return true;
}

GridDocument GridDocument::capture(const Sheet& sheet) {
    GridDocument doc;
    doc.cols_ = sheet.maxCols();
    doc.rows_ = sheet.maxRows();
    doc.refStyle_ = sheet.refStyle();
    doc.switches_.insert(sheet.switches().begin(), sheet.switches().end());
    doc.properties_.insert(sheet.properties().begin(), sheet.properties().end());
    doc.widths_.insert(sheet.columnWidths().begin(), sheet.columnWidths().end());
    doc.heights_.insert(sheet.rowHeights().begin(), sheet.rowHeights().end());
    doc.spans_ = sheet.spans();
    std::sort(doc.spans_.begin(), doc.spans_.end(),
              [](const Span& a, const Span& b) { return a.row != b.row ? a.row < b.row : a.col < b.col; });
    std::shared_ptr<const CellType> lastType;
    sheet.forEachCell([&](int col, int row) {
        CellRecord cell;
        cell.col = col, cell.row = row;
        CellAttributes more;
        if (sheet.hasFormula(col, row)) {
            cell.formula = true;
            more.formula = sheet.formula(col, row);
        } else {
            cell.value = sheet.value(col, row);
        }
        if (std::u16string tag = sheet.tag(col, row); !tag.empty())
            more.tag = tag;
        if (CellType type = sheet.cellType(col, row); !(type == CellType{}))
            more.type = sharedType(std::move(type), lastType);
        more.locked = sheet.locked(col, row);
        if (std::optional<Font> font = sheet.font(col, row))
            more.font = std::make_shared<const Font>(std::move(*font));
        std::uint32_t back = 0, fore = 0;
        if (sheet.colours(col, row, back, fore))
            more.back = back, more.fore = fore;
        more.border = sheet.border(col, row);
        const bool attributed = more.formula || more.tag || more.type || more.locked || more.font || more.back ||
                                more.border;
        if (attributed)
            cell.attributes = std::make_unique<CellAttributes>(std::move(more));
        if (!cell.value.isEmpty() || attributed)
            doc.cells_.push_back(std::move(cell));
    });
    std::sort(doc.cells_.begin(), doc.cells_.end(), [](const CellRecord& x, const CellRecord& y) {
        return x.row != y.row ? x.row < y.row : x.col < y.col;
    });
    return doc;
}

std::string GridDocument::toText() const {
    std::vector<std::u16string> out;
    out.push_back(u"SS grid " + decimalText(kVersion));
    out.push_back(u"size " + decimalText(cols_) + u" " + decimalText(rows_));
    if (refStyle_ != kRefStyleDefault)
        out.push_back(u"refstyle " + decimalText(refStyle_));
    for (auto [index, on] : switches_)
        out.push_back(u"switch " + decimalText(index) + (on ? u" 1" : u" 0"));
    for (auto [index, value] : properties_)
        out.push_back(u"property " + decimalText(index) + u" " + decimalText(value));
    for (auto [col, width] : widths_)
        out.push_back(u"width " + decimalText(col) + u" " + exactNumber(width));
    for (auto [row, height] : heights_)
        out.push_back(u"height " + decimalText(row) + u" " + exactNumber(height));
    for (const Span& s : spans_)
        out.push_back(u"span " + decimalText(s.col) + u" " + decimalText(s.row) + u" " + decimalText(s.cols) + u" " +
                      decimalText(s.rows));
    const CellType plain;
    for (const CellRecord& record : cells_) {
        const CellAttributes& c = record.attrs();
        const std::u16string at = u"cell " + decimalText(record.col) + u" " + decimalText(record.row) + u" ";
        if (c.type) {
            const CellType& t = *c.type;
            std::u16string line = at + u"type kind=" + std::u16string(kindName(t.kind));
            auto num = [&](std::u16string_view key, long long v, long long fallback) {
                if (v != fallback)
                    line += joinText({u" ", key, u"=", decimalText(v)});
            };
            num(u"style", t.style, plain.style);
            num(u"maxlength", t.maxLength, plain.maxLength);
            num(u"charset", t.charSet, plain.charSet);
            num(u"case", t.charCase, plain.charCase);
            num(u"decimals", t.decimals, plain.decimals);
            if (t.minimum != plain.minimum)
                line += u" min=" + exactNumber(t.minimum);
            if (t.maximum != plain.maximum)
                line += u" max=" + exactNumber(t.maximum);
            num(u"separator", t.separator, plain.separator);
            if (!t.text.empty())
                line += u" text=" + quoteText(t.text);
            num(u"picture", (long long)t.picture, (long long)plain.picture);
            num(u"buttonkind", t.buttonKind, plain.buttonKind);
            num(u"shadow", t.shadowSize, plain.shadowSize);
            out.push_back(std::move(line));
        }
        if (c.locked)
            out.push_back(at + u"locked");
        if (c.font) {
            const Font& f = *c.font;
            std::u16string line = at + u"font face=" + quoteText(f.face) + u" height=" + decimalText(f.height);
            if (f.bold)
                line += u" bold=1";
            if (f.italic)
                line += u" italic=1";
            if (f.underline)
                line += u" underline=1";
            if (f.strikeOut)
                line += u" strikeout=1";
            out.push_back(std::move(line));
        }
        if (c.back)
            out.push_back(at + u"colours back=" + hexText(*c.back) + (c.fore ? u" fore=" + hexText(*c.fore) : u""));
        if (c.border)
            out.push_back(at + u"border kind=" + decimalText(c.border->kind) + u" style=" +
                          decimalText(c.border->style) + u" colour=" + hexText(c.border->colour));
        if (c.tag)
            out.push_back(at + u"tag " + quoteText(*c.tag));
        if (c.formula)
            out.push_back(at + u"formula " + quoteText(*c.formula));
        else if (record.program)
            out.push_back(at + u"formula " +
                          quoteText(record.program->formula.toText(record.col, record.row, formulaStyle(refStyle_))));
        if (!record.value.isEmpty()) {
            const Value& v = record.value;
            switch (v.kind()) {
            case ValueKind::Number: out.push_back(at + u"number " + exactNumber(v.numberValue())); break;
            case ValueKind::Text: out.push_back(at + u"text " + quoteText(v.textValue())); break;
            case ValueKind::Bool: out.push_back(at + (v.boolValue() ? u"bool TRUE" : u"bool FALSE")); break;
            case ValueKind::Error: out.push_back(at + u"error " + std::u16string(errorText(v.errorValue()))); break;
            case ValueKind::Empty: break;
            }
        }
    }
    out.push_back(u"end");
    return os::encodeLines(out);
}

bool GridDocument::applyTo(Sheet& sheet) const {
    if (sheet.calculating())
        return false;
    sheet.clearDocument();
    // Values first and formulas after them, uncomputed: one recalculation at the end computes every formula
    // once, in dependency order (a custom function with side effects is called once per cell).
    sheet.setSwitch(kSwitchAutoCalc, false);
    sheet.setMaxCols(cols_);
    sheet.setMaxRows(rows_);
    sheet.setRefStyle(refStyle_);
    for (auto [col, width] : widths_)
        sheet.setColumnWidth(col, width);
    for (auto [row, height] : heights_)
        sheet.setRowHeight(row, height);
    for (const CellRecord& record : cells_) {
        const int col = record.col, row = record.row;
        if (record.attributes) {
            const CellAttributes& c = *record.attributes;
            if (c.type)
                sheet.setCellType(col, row, *c.type);
            if (c.locked)
                sheet.setLocked(col, row, true);
            if (c.font)
                sheet.setFont(col, row, *c.font);
            if (c.back)
                sheet.setColours(col, row, *c.back, c.fore.value_or(0));
            if (c.border)
                sheet.setBorder(col, row, *c.border);
            if (c.tag)
                sheet.setTag(col, row, *c.tag);
        }
        if (!record.value.isEmpty())
            sheet.setCellValue(col, row, record.value);
    }
    for (const CellRecord& record : cells_) {
        if (record.program)
            sheet.setParsedFormulaUncomputed(record.col, record.row, record.program);
        else if (record.formula && record.attrs().formula)
            sheet.setFormulaUncomputed(record.col, record.row, *record.attrs().formula);
    }
    for (const Span& s : spans_)
        sheet.addSpan(s.col, s.row, s.cols, s.rows);
    for (auto [index, value] : properties_)
        sheet.setProperty(index, value);
    sheet.recalcAll();
    auto autoCalc = switches_.find(kSwitchAutoCalc);
    for (auto [index, on] : switches_)
        if (index != kSwitchAutoCalc)
            sheet.setSwitch(index, on);
    sheet.setSwitch(kSwitchAutoCalc, autoCalc == switches_.end() ? true : autoCalc->second);
    return true;
}

bool GridDocument::load(Sheet& sheet, std::u16string_view path, std::u16string& error) {
    std::shared_ptr<const std::string> bytes;
    if (!readSharedBytes(path, kMaxFileBytes, u"grid document", bytes, error))
        return false;
    std::shared_ptr<const GridDocument> doc = DocumentCache::instance().find(path, bytes);
    if (!doc) {
        auto parsed = std::make_shared<GridDocument>();
        std::u16string why;
        if (!parsed->parse(*bytes, why))
            return fileError(path, why, error);
        DocumentCache::instance().store(path, std::move(bytes), parsed);
        doc = std::move(parsed);
    }
    if (!doc->applyTo(sheet))
        return fileError(path, u"the grid is calculating", error);
    return true;
}

bool GridDocument::save(const Sheet& sheet, std::u16string_view path, std::u16string& error) {
    return writeFileBytes(path, capture(sheet).toText(), error);
}

} // namespace grid
