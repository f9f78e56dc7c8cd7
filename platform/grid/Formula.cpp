#include "grid/Formula.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "grid/CellAddress.h"
#include "grid/Functions.h"
#include "grid/Value.h"

namespace grid {
namespace {

std::u16string number(int n) {
    std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

std::u16string a1(int col, int row, bool colAbs, bool rowAbs) {
    std::u16string s;
    if (colAbs)
        s += u'$';
    s += columnLetters(col);
    if (rowAbs)
        s += u'$';
    s += number(row);
    return s;
}

std::u16string r1c1Part(char16_t letter, int value, int base, bool absolute) {
    std::u16string s(1, letter);
    if (absolute)
        s += number(value);
    else if (value != base)
        s += joinText({u"[", number(value - base), u"]"});
    return s;
}

std::u16string r1c1(int col, int row, bool colAbs, bool rowAbs, int hereCol, int hereRow) {
    return r1c1Part(u'R', row, hereRow, rowAbs) + r1c1Part(u'C', col, hereCol, colAbs);
}

bool inSheet(const Block& b) { return b.col1 >= 1 && b.row1 >= 1 && b.col2 <= kMaxCols && b.row2 <= kMaxRows; }

std::u16string quoted(const std::u16string& s) {
    std::u16string out = u"\"";
    for (char16_t c : s) {
        out += c;
        if (c == u'"')
            out += u'"';
    }
    return joinText({out, u"\""});
}

std::u16string_view binaryText(OpCode code) {
    switch (code) {
    case OpCode::Add: return u"+";
    case OpCode::Sub: return u"-";
    case OpCode::Mul: return u"*";
    case OpCode::Div: return u"/";
    case OpCode::Pow: return u"^";
    case OpCode::Concat: return u"&";
    case OpCode::Eq: return u"=";
    case OpCode::Ne: return u"<>";
    case OpCode::Lt: return u"<";
    case OpCode::Le: return u"<=";
    case OpCode::Gt: return u">";
    case OpCode::Ge: return u">=";
    default: return u"";
    }
}

// A constant as the user wrote it: 15 digits where they give the same number back, all 17 where they do not.
std::u16string constantText(double v) {
    std::u16string s = formatNumber(v);
    std::string ascii(s.begin(), s.end());
    if (std::strtod(ascii.c_str(), nullptr) == v)
        return s;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17G", v);
    ascii = buf;
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

Block Op::block(int col, int row) const {
    Block b;
    b.col1 = (flags & kColAbs) ? a : col + a;
    b.row1 = (flags & kRowAbs) ? this->b : row + this->b;
    if (code == OpCode::Range) {
        b.col2 = (flags & kCol2Abs) ? c : col + c;
        b.row2 = (flags & kRow2Abs) ? d : row + d;
        if (b.col2 < b.col1)
            std::swap(b.col1, b.col2);
        if (b.row2 < b.row1)
            std::swap(b.row1, b.row2);
    } else {
        b.col2 = b.col1;
        b.row2 = b.row1;
    }
    return b;
}

void Op::setBlock(const Block& t, int col, int row) {
    a = (flags & kColAbs) ? t.col1 : t.col1 - col;
    b = (flags & kRowAbs) ? t.row1 : t.row1 - row;
    if (code == OpCode::Range) {
        c = (flags & kCol2Abs) ? t.col2 : t.col2 - col;
        d = (flags & kRow2Abs) ? t.row2 : t.row2 - row;
    }
}

std::string Formula::key() const {
    std::string k(reinterpret_cast<const char*>(ops.data()), ops.size() * sizeof(Op));
    for (const std::u16string& s : strings) {
        k += '\0';
        k.append(reinterpret_cast<const char*>(s.data()), s.size() * sizeof(char16_t));
    }
    return k;
}

std::u16string Formula::toText(int col, int row, RefStyle style) const {
    std::vector<std::u16string> stack;
    auto pop = [&stack]() {
        std::u16string s = stack.empty() ? std::u16string() : std::move(stack.back());
        if (!stack.empty())
            stack.pop_back();
        return s;
    };
    auto call = [&](std::u16string_view name, int count) {
        std::vector<std::u16string> args(std::size_t(count > 0 ? count : 0));
        for (int i = count - 1; i >= 0; --i)
            args[std::size_t(i)] = pop();
        std::u16string s(name);
        s += u'(';
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (i)
                s += u',';
            s += args[i];
        }
        stack.push_back(s + u')');
    };
    auto ref = [&](int c, int r, bool ca, bool ra) {
        return style == RefStyle::R1C1 ? r1c1(c, r, ca, ra, col, row) : a1(c, r, ca, ra);
    };
    for (const Op& op : ops) {
        if (op.flags & kHidden)
            continue;
        switch (op.code) {
        case OpCode::Number: stack.push_back(constantText(op.number())); break;
        case OpCode::String: stack.push_back(quoted(strings[std::size_t(op.a)])); break;
        case OpCode::Bool: stack.push_back(op.a ? u"TRUE" : u"FALSE"); break;
        case OpCode::Error: stack.push_back(std::u16string(errorText(ErrorCode(op.a)))); break;
        case OpCode::Ref: {
            Block b = op.block(col, row);
            stack.push_back((op.flags & kRefDeleted) || !inSheet(b)
                                ? u"#REF!"
                                : ref(b.col1, b.row1, op.flags & kColAbs, op.flags & kRowAbs));
            break;
        }
        case OpCode::Range: {
            Block b = op.block(col, row);
            stack.push_back((op.flags & kRefDeleted) || !inSheet(b)
                                ? u"#REF!"
                                : joinText({ref(b.col1, b.row1, op.flags & kColAbs, op.flags & kRowAbs), u":",
                                          ref(b.col2, b.row2, op.flags & kCol2Abs, op.flags & kRow2Abs)}));
            break;
        }
        case OpCode::Neg: stack.push_back(joinText({u"-", pop()})); break;
        case OpCode::Plus: stack.push_back(joinText({u"+", pop()})); break;
        case OpCode::Percent: stack.push_back(joinText({pop(), u"%"})); break;
        case OpCode::Paren: stack.push_back(joinText({u"(", pop(), u")"})); break;
        case OpCode::Call:
        case OpCode::LazyEnd: call(builtin(op.a).name, op.count); break;
        case OpCode::CallName: call(strings[std::size_t(op.a)], op.count); break;
        case OpCode::Jump:
        case OpCode::IfCond:
        case OpCode::IfErrorCond:
        case OpCode::AccInit:
        case OpCode::AndArg:
        case OpCode::OrArg:
        case OpCode::ChooseSel:
        case OpCode::Case: break;
        default: {
            std::u16string rhs = pop();
            std::u16string lhs = pop();
            stack.push_back(joinText({lhs, binaryText(op.code), rhs}));
        }
        }
    }
    return pop();
}

} // namespace grid
