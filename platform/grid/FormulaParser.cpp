#include "grid/FormulaParser.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "grid/CellAddress.h"
#include "grid/Functions.h"
#include "grid/Value.h"
#include "os/textCase.h"

namespace grid {
namespace {

bool isLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Name characters of ASCII, looked up: the shape of every formula of a document tests each of its characters.
constexpr auto kNameChars = [] {
    std::array<bool, 128> table{};
    for (char c = 'A'; c <= 'Z'; ++c)
        table[std::size_t(c)] = table[std::size_t(c - 'A' + 'a')] = true;
    for (char c = '0'; c <= '9'; ++c)
        table[std::size_t(c)] = true;
    table['_'] = table['.'] = true;
    return table;
}();
bool isNameChar(char16_t c) { return c < 0x80 && kNameChars[c]; }

// An A1 reference starting at `p`: "$"? letters "$"? digits, not followed by a name character or "(" (then it
// is a name or a function). Returns where it ends, 0 when there is none.
std::size_t readA1Ref(std::u16string_view text, std::size_t p, int& col, int& row, bool& colAbs, bool& rowAbs) {
    colAbs = rowAbs = false;
    if (p < text.size() && text[p] == u'$')
        colAbs = true, ++p;
    std::size_t n = readColumnLetters(text.substr(p), col);
    if (n == 0)
        return 0;
    p += n;
    if (p < text.size() && text[p] == u'$')
        rowAbs = true, ++p;
    long long r = 0;
    std::size_t digits = 0;
    while (p < text.size() && isDigit(text[p])) {
        r = r * 10 + (text[p] - u'0');
        if (r > kMaxRows)
            return 0;
        ++p, ++digits;
    }
    if (digits == 0 || r < 1 || col < 1)
        return 0;
    if (p < text.size() && (isNameChar(text[p]) || text[p] == u'('))
        return 0;
    row = int(r);
    return p;
}

bool isControl(OpCode code) {
    switch (code) {
    case OpCode::Jump:
    case OpCode::IfCond:
    case OpCode::IfErrorCond:
    case OpCode::AndArg:
    case OpCode::OrArg:
    case OpCode::ChooseSel:
    case OpCode::Case: return true;
    default: return false;
    }
}

class Parser {
public:
    Parser(std::u16string_view text, int col, int row, RefStyle style)
        : text_(text), col_(col), row_(row), style_(style) {}

    bool run(Formula& out) {
        if (text_.size() > kMaxFormulaLength)
            return fail(u"formula too long");
        skipSpaces();
        if (pos_ < text_.size() && text_[pos_] == u'=')
            ++pos_;
        skipSpaces();
        if (pos_ >= text_.size())
            return fail(u"empty formula");
        if (!expression(code_))
            return false;
        skipSpaces();
        if (pos_ != text_.size())
            return fail(u"unexpected character");
        formula_.ops = std::move(code_);
        out = std::move(formula_);
        return true;
    }

    ParseError error;

private:
    using Code = std::vector<Op>;

    bool fail(std::u16string_view message) {
        if (error.message.empty()) {
            error.position = pos_;
            error.message = message;
        }
        return false;
    }
    void skipSpaces() {
        while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\r' ||
                                        text_[pos_] == u'\n'))
            ++pos_;
    }
    bool peek(char16_t c) {
        skipSpaces();
        return pos_ < text_.size() && text_[pos_] == c;
    }
    static void emit(Code& code, OpCode op, std::uint16_t count = 0, std::int32_t a = 0) {
        Op o{op};
        o.count = count;
        o.a = a;
        code.push_back(o);
    }

    struct Depth {
        Parser& p;
        explicit Depth(Parser& parser) : p(parser) { ++p.depth_; }
        ~Depth() { --p.depth_; }
    };

    bool expression(Code& code) {
        Depth guard(*this);
        if (depth_ > kMaxNesting)
            return fail(u"formula nested too deeply");
        return comparison(code);
    }

    bool comparison(Code& code) {
        if (!concat(code))
            return false;
        for (;;) {
            skipSpaces();
            OpCode op;
            std::size_t len = 1;
            std::u16string_view rest = text_.substr(pos_);
            if (rest.starts_with(u"<>"))
                op = OpCode::Ne, len = 2;
            else if (rest.starts_with(u"<="))
                op = OpCode::Le, len = 2;
            else if (rest.starts_with(u">="))
                op = OpCode::Ge, len = 2;
            else if (rest.starts_with(u"<"))
                op = OpCode::Lt;
            else if (rest.starts_with(u">"))
                op = OpCode::Gt;
            else if (rest.starts_with(u"="))
                op = OpCode::Eq;
            else
                return true;
            pos_ += len;
            if (!concat(code))
                return false;
            emit(code, op);
        }
    }

    bool concat(Code& code) {
        if (!additive(code))
            return false;
        while (peek(u'&')) {
            ++pos_;
            if (!additive(code))
                return false;
            emit(code, OpCode::Concat);
        }
        return true;
    }

    bool additive(Code& code) {
        if (!multiplicative(code))
            return false;
        for (;;) {
            if (peek(u'+') || peek(u'-')) {
                OpCode op = text_[pos_] == u'+' ? OpCode::Add : OpCode::Sub;
                ++pos_;
                if (!multiplicative(code))
                    return false;
                emit(code, op);
            } else {
                return true;
            }
        }
    }

    bool multiplicative(Code& code) {
        if (!power(code))
            return false;
        for (;;) {
            if (peek(u'*') || peek(u'/')) {
                OpCode op = text_[pos_] == u'*' ? OpCode::Mul : OpCode::Div;
                ++pos_;
                if (!power(code))
                    return false;
                emit(code, op);
            } else {
                return true;
            }
        }
    }

    // Negation binds tighter than "^", as in the common spreadsheets: -2^2 is 4.
    bool power(Code& code) {
        if (!unary(code))
            return false;
        while (peek(u'^')) {
            ++pos_;
            if (!unary(code))
                return false;
            emit(code, OpCode::Pow);
        }
        return true;
    }

    bool unary(Code& code) {
        if (peek(u'-') || peek(u'+')) {
            Depth guard(*this);
            if (depth_ > kMaxNesting)
                return fail(u"formula nested too deeply");
            OpCode op = text_[pos_] == u'-' ? OpCode::Neg : OpCode::Plus;
            ++pos_;
            if (!unary(code))
                return false;
            emit(code, op);
            return true;
        }
        if (!primary(code))
            return false;
        while (peek(u'%')) {
            ++pos_;
            emit(code, OpCode::Percent);
        }
        return true;
    }

    bool primary(Code& code) {
        skipSpaces();
        if (pos_ >= text_.size())
            return fail(u"operand expected");
        char16_t c = text_[pos_];
        if (c == u'(') {
            ++pos_;
            if (!expression(code))
                return false;
            if (!peek(u')'))
                return fail(u"\")\" expected");
            ++pos_;
            emit(code, OpCode::Paren);
            return true;
        }
        if (isDigit(c) || c == u'.')
            return number(code);
        if (c == u'"')
            return string(code);
        if (c == u'#')
            return errorLiteral(code);
        if (isLetter(c) || c == u'$' || c == u'_')
            return nameOrReference(code);
        return fail(u"operand expected");
    }

    bool number(Code& code) {
        std::size_t start = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == u'.') {
            ++pos_;
            while (pos_ < text_.size() && isDigit(text_[pos_]))
                ++pos_;
        }
        if (pos_ < text_.size() && (text_[pos_] == u'e' || text_[pos_] == u'E')) {
            std::size_t save = pos_++;
            if (pos_ < text_.size() && (text_[pos_] == u'+' || text_[pos_] == u'-'))
                ++pos_;
            if (pos_ < text_.size() && isDigit(text_[pos_])) {
                while (pos_ < text_.size() && isDigit(text_[pos_]))
                    ++pos_;
            } else {
                pos_ = save;
            }
        }
        std::string ascii(text_.begin() + long(start), text_.begin() + long(pos_));
        if (ascii == ".")
            return fail(u"invalid number");
        double v = std::strtod(ascii.c_str(), nullptr);
        if (!std::isfinite(v))
            return fail(u"number out of range");
        Op o{OpCode::Number};
        o.setNumber(v);
        code.push_back(o);
        return true;
    }

    bool string(Code& code) {
        ++pos_;
        std::u16string s;
        for (;;) {
            if (pos_ >= text_.size())
                return fail(u"unterminated text");
            char16_t c = text_[pos_++];
            if (c == u'"') {
                if (pos_ < text_.size() && text_[pos_] == u'"') {
                    s += u'"';
                    ++pos_;
                    continue;
                }
                break;
            }
            s += c;
        }
        emit(code, OpCode::String, 0, addString(std::move(s)));
        return true;
    }

    bool errorLiteral(Code& code) {
        static constexpr std::u16string_view kErrors[] = {u"#DIV/0!", u"#VALUE!", u"#REF!", u"#NAME?",
                                                          u"#N/A",    u"#NUM!",   u"#CIRC!"};
        for (std::u16string_view e : kErrors) {
            if (text_.size() - pos_ < e.size())
                continue;
            if (errorFromText(text_.substr(pos_, e.size())) != ErrorCode::None) {
                emit(code, OpCode::Error, 0, std::int32_t(errorFromText(text_.substr(pos_, e.size()))));
                pos_ += e.size();
                return true;
            }
        }
        return fail(u"unknown error value");
    }

    std::int32_t addString(std::u16string s) {
        formula_.strings.push_back(std::move(s));
        return std::int32_t(formula_.strings.size() - 1);
    }

    // One cell reference at pos_ in the current style; false (pos_ unchanged) when there is none.
    bool cellRef(int& col, int& row, bool& colAbs, bool& rowAbs) {
        return style_ == RefStyle::R1C1 ? r1c1Ref(col, row, colAbs, rowAbs) : a1Ref(col, row, colAbs, rowAbs);
    }

    bool a1Ref(int& col, int& row, bool& colAbs, bool& rowAbs) {
        const std::size_t end = readA1Ref(text_, pos_, col, row, colAbs, rowAbs);
        if (end == 0)
            return false;
        pos_ = end;
        return true;
    }

    // R1C1: "R2C3" absolute, "R[-1]C[2]" relative, "R" or "C" alone the cell's own row or column.
    bool r1c1Part(std::size_t& p, char16_t letter, int base, int& value, bool& absolute) {
        if (p >= text_.size() || os::upperCase(text_[p]) != letter)
            return false;
        ++p;
        if (p < text_.size() && text_[p] == u'[') {
            ++p;
            bool neg = false;
            if (p < text_.size() && (text_[p] == u'-' || text_[p] == u'+'))
                neg = text_[p] == u'-', ++p;
            long long off = 0;
            std::size_t digits = 0;
            while (p < text_.size() && isDigit(text_[p]) && off <= kMaxRows)
                off = off * 10 + (text_[p++] - u'0'), ++digits;
            if (digits == 0 || p >= text_.size() || text_[p] != u']')
                return false;
            ++p;
            value = int(base + (neg ? -off : off));
            absolute = false;
            return true;
        }
        long long v = 0;
        std::size_t digits = 0;
        while (p < text_.size() && isDigit(text_[p]) && v <= kMaxRows)
            v = v * 10 + (text_[p++] - u'0'), ++digits;
        if (digits == 0) {
            value = base;
            absolute = false;
        } else {
            value = int(v);
            absolute = true;
        }
        return true;
    }

    bool r1c1Ref(int& col, int& row, bool& colAbs, bool& rowAbs) {
        std::size_t p = pos_;
        if (!r1c1Part(p, u'R', row_, row, rowAbs) || !r1c1Part(p, u'C', col_, col, colAbs))
            return false;
        if (p < text_.size() && (isNameChar(text_[p]) || text_[p] == u'('))
            return false;
        pos_ = p;
        return true;
    }

    bool validPosition(int col, int row) { return col >= 1 && col <= kMaxCols && row >= 1 && row <= kMaxRows; }

    bool nameOrReference(Code& code) {
        int c1, r1;
        bool ca1, ra1;
        std::size_t start = pos_;
        if (cellRef(c1, r1, ca1, ra1)) {
            if (!validPosition(c1, r1)) {
                pos_ = start;
                return fail(u"reference outside the sheet");
            }
            std::size_t afterFirst = pos_;
            skipSpaces();
            if (pos_ < text_.size() && text_[pos_] == u':') {
                ++pos_;
                skipSpaces();
                int c2, r2;
                bool ca2, ra2;
                if (!cellRef(c2, r2, ca2, ra2))
                    return fail(u"reference expected after \":\"");
                if (!validPosition(c2, r2))
                    return fail(u"reference outside the sheet");
                Op o{OpCode::Range};
                // A block is kept with its corners ordered; each corner keeps its own "$" flags.
                if (c2 < c1)
                    std::swap(c1, c2), std::swap(ca1, ca2);
                if (r2 < r1)
                    std::swap(r1, r2), std::swap(ra1, ra2);
                o.a = ca1 ? c1 : c1 - col_, o.b = ra1 ? r1 : r1 - row_;
                o.c = ca2 ? c2 : c2 - col_, o.d = ra2 ? r2 : r2 - row_;
                o.flags = std::uint8_t((ca1 ? kColAbs : 0) | (ra1 ? kRowAbs : 0) | (ca2 ? kCol2Abs : 0) |
                                       (ra2 ? kRow2Abs : 0));
                code.push_back(o);
                return true;
            }
            pos_ = afterFirst;
            Op o{OpCode::Ref};
            o.a = ca1 ? c1 : c1 - col_, o.b = ra1 ? r1 : r1 - row_;
            o.flags = std::uint8_t((ca1 ? kColAbs : 0) | (ra1 ? kRowAbs : 0));
            code.push_back(o);
            return true;
        }
        std::u16string name;
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            name += os::upperCase(text_[pos_++]);
        if (name.empty())
            return fail(u"name expected");
        if (peek(u'(')) {
            ++pos_;
            return call(code, name);
        }
        if (name == u"TRUE" || name == u"FALSE") {
            emit(code, OpCode::Bool, 0, name == u"TRUE" ? 1 : 0);
            return true;
        }
        pos_ = start;
        return fail(u"unknown name");
    }

    bool call(Code& code, const std::u16string& name) {
        std::vector<Code> args;
        if (!peek(u')')) {
            for (;;) {
                args.emplace_back();
                if (!expression(args.back()))
                    return false;
                if (peek(u',') || peek(u';')) {
                    ++pos_;
                    continue;
                }
                break;
            }
        }
        if (!peek(u')'))
            return fail(u"\")\" expected");
        ++pos_;
        if (args.size() > 255)
            return fail(u"too many arguments");
        const int index = findBuiltin(name);
        const auto count = std::uint16_t(args.size());
        if (index < 0) {
            for (Code& arg : args)
                append(code, arg);
            formula_.callsByName = true;
            emit(code, OpCode::CallName, count, addString(name));
            return true;
        }
        const FunctionInfo& info = builtin(index);
        const bool countOk = int(count) >= info.minArgs && int(count) <= info.maxArgs;
        if (info.lazy == Laziness::None || !countOk) {
            for (Code& arg : args)
                append(code, arg);
            emit(code, OpCode::Call, count, index);
            return true;
        }
        switch (info.lazy) {
        case Laziness::If: {
            append(code, args[0]);
            std::size_t cond = code.size();
            emit(code, OpCode::IfCond);
            append(code, args[1]);
            std::size_t jump = code.size();
            emit(code, OpCode::Jump);
            code[cond].a = std::int32_t(code.size());
            if (args.size() == 3) {
                append(code, args[2]);
            } else {
                emit(code, OpCode::Bool, 0, 0);
                code.back().flags = kHidden;
            }
            code[jump].a = std::int32_t(code.size());
            code[cond].b = std::int32_t(code.size());
            break;
        }
        case Laziness::IfError: {
            append(code, args[0]);
            std::size_t cond = code.size();
            emit(code, OpCode::IfErrorCond);
            append(code, args[1]);
            code[cond].a = std::int32_t(code.size());
            break;
        }
        case Laziness::And:
        case Laziness::Or: {
            emit(code, OpCode::AccInit);
            std::vector<std::size_t> exits;
            for (Code& arg : args) {
                append(code, arg);
                exits.push_back(code.size());
                emit(code, info.lazy == Laziness::And ? OpCode::AndArg : OpCode::OrArg);
            }
            for (std::size_t e : exits)
                code[e].a = std::int32_t(code.size());
            break;
        }
        case Laziness::Choose: {
            append(code, args[0]);
            std::size_t sel = code.size();
            const auto n = std::uint16_t(args.size() - 1);
            emit(code, OpCode::ChooseSel, n);
            std::size_t cases = code.size();
            for (std::size_t i = 1; i < args.size(); ++i)
                emit(code, OpCode::Case);
            std::vector<std::size_t> jumps;
            for (std::size_t i = 1; i < args.size(); ++i) {
                code[cases + i - 1].a = std::int32_t(code.size());
                append(code, args[i]);
                jumps.push_back(code.size());
                emit(code, OpCode::Jump);
            }
            for (std::size_t j : jumps)
                code[j].a = std::int32_t(code.size());
            code[sel].a = std::int32_t(code.size());
            break;
        }
        case Laziness::None: break;
        }
        emit(code, OpCode::LazyEnd, count, index);
        return true;
    }

    // Appends an argument's code, moving its jump targets along with it.
    static void append(Code& code, const Code& arg) {
        const auto offset = std::int32_t(code.size());
        for (Op o : arg) {
            if (isControl(o.code)) {
                o.a += offset;
                if (o.code == OpCode::IfCond)
                    o.b += offset;
            }
            code.push_back(o);
        }
    }

    std::u16string_view text_;
    int col_, row_;
    RefStyle style_;
    std::size_t pos_ = 0;
    int depth_ = 0;
    Formula formula_;
    Code code_;
};

} // namespace

bool parseFormula(std::u16string_view text, int col, int row, RefStyle style, Formula& out, ParseError* error) {
    Parser parser(text, col, row, style);
    if (parser.run(out))
        return true;
    if (error)
        *error = parser.error;
    return false;
}

namespace {

bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Writes a shape into room made beforehand: a character of the text takes at most two places, a reference
// (at least two characters) six.
class ShapeWriter {
public:
    explicit ShapeWriter(std::u16string& key, std::size_t textSize) : key_(key) {
        key_.resize(3 * textSize + 1);
        out_ = key_.data();
    }
    void character(char16_t c) {
        *out_++ = c;
        if (c == u'\0')
            *out_++ = u'\xFFFF';   // a 0 of the text, never taken for the start of a reference
    }
    void nameCharacter(char16_t c) { *out_++ = c; }
    void reference(unsigned flags, std::int32_t col, std::int32_t row) {
        *out_++ = u'\0';
        *out_++ = static_cast<char16_t>(flags);
        number(col);
        number(row);
    }
    void finish() { key_.resize(std::size_t(out_ - key_.data())); }

private:
    void number(std::int32_t n) {
        const auto bits = static_cast<std::uint32_t>(n);
        *out_++ = static_cast<char16_t>(bits >> 16);
        *out_++ = static_cast<char16_t>(bits & 0xFFFF);
    }
    std::u16string& key_;
    char16_t* out_;
};

} // namespace

bool formulaShape(std::u16string_view text, int col, int row, std::u16string& key) {
    if (text.size() > kMaxFormulaLength)
        return false;
    ShapeWriter out(key, text.size());
    constexpr std::size_t kNone = std::size_t(-1);
    std::size_t lastRefEnd = kNone;   // where the reference before ends, for a block's second corner
    int lastCol = 0, lastRow = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char16_t c = text[i];
        if (c == u'"') {   // a text constant, kept as it is ("" included)
            std::size_t j = i + 1;
            for (;; ++j) {
                if (j >= text.size())
                    return false;
                if (text[j] == u'"') {
                    if (j + 1 < text.size() && text[j + 1] == u'"') {
                        ++j;
                        continue;
                    }
                    break;
                }
            }
            for (++j; i < j; ++i)
                out.character(text[i]);
            continue;
        }
        // Error constants and characters outside ASCII are read by rules of their own: left to the parser.
        if (c >= 0x80 || c == u'#')
            return false;
        if (!isNameChar(c) && c != u'$') {
            out.character(c);
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && (isNameChar(text[end]) || text[end] == u'$'))
            ++end;
        int refCol = 0, refRow = 0;
        bool colAbs = false, rowAbs = false;
        const std::size_t refEnd = isDigit(c) ? 0 : readA1Ref(text, i, refCol, refRow, colAbs, rowAbs);
        if (refEnd == 0) {   // a name, a number or a function: the same text at every cell
            for (; i < end; ++i)
                out.nameCharacter(text[i]);
            continue;
        }
        if (refEnd != end)
            return false;   // a reference glued to a "$": no formula, which the parser says
        // The parser orders a block's corners by their positions; with one corner absolute and the other
        // relative that order depends on the cell, so it is part of the shape.
        std::size_t before = i;
        while (before > 0 && isSpace(text[before - 1]))
            --before;
        bool secondCorner = false;
        if (before > 0 && text[before - 1] == u':') {
            --before;
            while (before > 0 && isSpace(text[before - 1]))
                --before;
            secondCorner = before == lastRefEnd;
        }
        unsigned flags = 0x100u | (colAbs ? 1u : 0u) | (rowAbs ? 2u : 0u);
        if (secondCorner)
            flags |= 4u | (refCol < lastCol ? 8u : 0u) | (refRow < lastRow ? 16u : 0u);
        out.reference(flags, colAbs ? refCol : refCol - col, rowAbs ? refRow : refRow - row);
        lastRefEnd = end;
        lastCol = refCol, lastRow = refRow;
        i = end;
    }
    out.finish();
    return true;
}

} // namespace grid
