#include "grid/Evaluator.h"

#include "os/textCase.h"

#include <algorithm>
#include <cmath>
#include <compare>
#include <vector>

namespace grid {
namespace {

// Texts order by their capitals, so "_" and the other signs between "Z" and "a" sort after the letters.
int compareTextNoCase(std::u16string_view a, std::u16string_view b) {
    const std::strong_ordering order = std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return os::upperCase(x) <=> os::upperCase(y); });
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int typeRank(const Value& v) {
    switch (v.kind()) {
    case ValueKind::Text: return 1;
    case ValueKind::Bool: return 2;
    default: return 0;
    }
}

// The comparison operators take two numbers as equal when they agree to 15 significant digits, as the common
// spreadsheet programs do: 0.1+0.2 = 0.3 is TRUE, although the two doubles differ in their last bit.
int compareNumbersAsShown(double x, double y) {
    if (x != y) {
        x = roundToSignificant(x);
        y = roundToSignificant(y);
    }
    return x < y ? -1 : (x > y ? 1 : 0);
}

Value arithmetic(OpCode op, const Value& a, const Value& b) {
    if (a.isError())
        return a;
    if (b.isError())
        return b;
    if (op == OpCode::Concat)
        return Value::text(toText(a) + toText(b));
    if (op >= OpCode::Eq && op <= OpCode::Ge) {
        int c = a.isNumber() && b.isNumber() ? compareNumbersAsShown(a.numberValue(), b.numberValue())
                                             : compareValues(a, b);
        switch (op) {
        case OpCode::Eq: return Value::boolean(c == 0);
        case OpCode::Ne: return Value::boolean(c != 0);
        case OpCode::Lt: return Value::boolean(c < 0);
        case OpCode::Le: return Value::boolean(c <= 0);
        case OpCode::Gt: return Value::boolean(c > 0);
        default: return Value::boolean(c >= 0);
        }
    }
    double x, y;
    ErrorCode e;
    if (!toNumber(a, x, e) || !toNumber(b, y, e))
        return Value::error(e);
    switch (op) {
    case OpCode::Add: return Value::number(x + y);
    case OpCode::Sub: return Value::number(x - y);
    case OpCode::Mul: return Value::number(x * y);
    case OpCode::Div:
        if (y == 0)
            return Value::error(ErrorCode::Div0);
        return Value::number(x / y);
    case OpCode::Pow:
        if (x == 0 && y == 0)
            return Value::error(ErrorCode::Num);
        if (x == 0 && y < 0)
            return Value::error(ErrorCode::Div0);
        return Value::number(std::pow(x, y));
    default: return Value::error(ErrorCode::Value);
    }
}

// Folds one argument of AND / OR into the accumulator; returns true when the result is decided.
bool foldLogical(CallContext& ctx, const Operand& arg, Value& acc, bool isAnd) {
    auto fold = [&](const Value& v, bool fromRange) -> bool {
        bool b;
        if (v.isError()) {
            acc = v;
            return true;
        }
        if (v.isEmpty() || (fromRange && v.isText()))
            return false;   // blanks, and texts inside blocks, are skipped
        ErrorCode e;
        if (!toBool(v, b, e)) {
            acc = Value::error(e);
            return true;
        }
        if (isAnd) {
            acc = Value::boolean(b);
            return !b;
        }
        if (b || acc.isEmpty())
            acc = Value::boolean(b);
        return b;
    };
    if (arg.kind == Operand::Kind::Range) {
        bool decided = false;
        ctx.forEachCell(arg, [&](int, int, const Value& v) {
            decided = fold(v, true);
            return !decided;
        });
        return decided;
    }
    if (arg.kind == Operand::Kind::Ref)
        return fold(ctx.cellValue(arg.col1, arg.row1), true);
    return fold(arg.value, false);
}

} // namespace

Value derefOperand(CallContext& ctx, const Operand& operand) {
    switch (operand.kind) {
    case Operand::Kind::Val: return operand.value;
    case Operand::Kind::Ref: return ctx.cellValue(operand.col1, operand.row1);
    case Operand::Kind::Range:
        if (operand.col1 == operand.col2 && operand.row1 == operand.row2)
            return ctx.cellValue(operand.col1, operand.row1);
        return Value::error(ErrorCode::Value);
    }
    return {};
}

bool toNumber(const Value& v, double& out, ErrorCode& error) {
    switch (v.kind()) {
    case ValueKind::Empty: out = 0; return true;
    case ValueKind::Number:
    case ValueKind::Bool: out = v.numberValue(); return true;
    case ValueKind::Text:
        if (parseNumber(v.textValue(), out))
            return true;
        error = ErrorCode::Value;
        return false;
    case ValueKind::Error: error = v.errorValue(); return false;
    }
    return false;
}

std::u16string toText(const Value& v) { return v.toText(); }

bool toBool(const Value& v, bool& out, ErrorCode& error) {
    switch (v.kind()) {
    case ValueKind::Empty: out = false; return true;
    case ValueKind::Number:
    case ValueKind::Bool: out = v.numberValue() != 0; return true;
    case ValueKind::Text:
        if (compareTextNoCase(v.textValue(), u"TRUE") == 0) {
            out = true;
            return true;
        }
        if (compareTextNoCase(v.textValue(), u"FALSE") == 0) {
            out = false;
            return true;
        }
        error = ErrorCode::Value;
        return false;
    case ValueKind::Error: error = v.errorValue(); return false;
    }
    return false;
}

int compareValues(const Value& a0, const Value& b0) {
    auto blankAs = [](const Value& other) {
        if (other.isText())
            return Value::text(u"");
        if (other.isBool())
            return Value::boolean(false);
        return Value::number(0);
    };
    const Value a = a0.isEmpty() ? blankAs(b0) : a0;
    const Value b = b0.isEmpty() ? blankAs(a0) : b0;
    int ra = typeRank(a), rb = typeRank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    if (a.isText())
        return compareTextNoCase(a.textValue(), b.textValue());
    double x = a.numberValue(), y = b.numberValue();
    return x < y ? -1 : (x > y ? 1 : 0);
}

Value Evaluator::evaluate(const Formula& formula, int col, int row) {
    std::vector<Operand> local;
    std::vector<Operand>& st = scratch_ ? *scratch_ : local;
    st.clear();
    const std::vector<Op>& ops = formula.ops;
    auto popValue = [&]() {
        Value v = derefOperand(host_, st.back());
        st.pop_back();
        return v;
    };
    std::size_t pc = 0;
    while (pc < ops.size()) {
        const Op& op = ops[pc];
        switch (op.code) {
        case OpCode::Number: st.push_back(Operand::of(Value::number(op.number()))); break;
        case OpCode::String: st.push_back(Operand::of(Value::text(formula.strings[std::size_t(op.a)]))); break;
        case OpCode::Bool: st.push_back(Operand::of(Value::boolean(op.a != 0))); break;
        case OpCode::Error: st.push_back(Operand::of(Value::error(ErrorCode(op.a)))); break;
        case OpCode::Ref:
        case OpCode::Range: {
            Block b = op.block(col, row);
            if ((op.flags & kRefDeleted) || b.col1 < 1 || b.row1 < 1 || b.col2 > kMaxCols || b.row2 > kMaxRows)
                st.push_back(Operand::of(Value::error(ErrorCode::Ref)));
            else if (op.code == OpCode::Ref)
                st.push_back(Operand::ref(b.col1, b.row1));
            else
                st.push_back(Operand::range(b.col1, b.row1, b.col2, b.row2));
            break;
        }
        case OpCode::Neg:
        case OpCode::Plus:
        case OpCode::Percent: {
            Value v = popValue();
            double x;
            ErrorCode e;
            if (!toNumber(v, x, e)) {
                st.push_back(Operand::of(Value::error(e)));
            } else {
                double r = op.code == OpCode::Neg ? -x : (op.code == OpCode::Percent ? x / 100 : x);
                st.push_back(Operand::of(Value::number(r)));
            }
            break;
        }
        case OpCode::Paren: break;
        case OpCode::Call: {
            const FunctionInfo& info = builtin(op.a);
            const int count = op.count;
            Operand* args = st.data() + (st.size() - std::size_t(count));
            Value r = (count < info.minArgs || count > info.maxArgs || !info.fn) ? Value::error(ErrorCode::Value)
                                                                                : info.fn(host_, args, count);
            st.resize(st.size() - std::size_t(count));
            st.push_back(Operand::of(std::move(r)));
            break;
        }
        case OpCode::CallName: {
            const int count = op.count;
            Operand* args = st.data() + (st.size() - std::size_t(count));
            bool known = false;
            Value r = host_.callByName(formula.strings[std::size_t(op.a)], args, count, known);
            if (!known)
                r = Value::error(ErrorCode::Name);
            st.resize(st.size() - std::size_t(count));
            st.push_back(Operand::of(std::move(r)));
            break;
        }
        case OpCode::Jump: pc = std::size_t(op.a); continue;
        case OpCode::IfCond: {
            Value v = popValue();
            bool b;
            ErrorCode e;
            if (!toBool(v, b, e)) {
                st.push_back(Operand::of(Value::error(e)));
                pc = std::size_t(op.b);
                continue;
            }
            if (!b) {
                pc = std::size_t(op.a);
                continue;
            }
            break;
        }
        case OpCode::IfErrorCond: {
            Value v = popValue();
            if (!v.isError()) {
                st.push_back(Operand::of(std::move(v)));
                pc = std::size_t(op.a);
                continue;
            }
            break;
        }
        case OpCode::AccInit: st.push_back(Operand::of(Value())); break;
        case OpCode::AndArg:
        case OpCode::OrArg: {
            Operand arg = std::move(st.back());
            st.pop_back();
            if (foldLogical(host_, arg, st.back().value, op.code == OpCode::AndArg)) {
                pc = std::size_t(op.a);
                continue;
            }
            break;
        }
        case OpCode::ChooseSel: {
            Value v = popValue();
            double x;
            ErrorCode e;
            if (!toNumber(v, x, e)) {
                st.push_back(Operand::of(Value::error(e)));
                pc = std::size_t(op.a);
                continue;
            }
            const double index = std::trunc(x);
            if (index < 1 || index > op.count) {
                st.push_back(Operand::of(Value::error(ErrorCode::Value)));
                pc = std::size_t(op.a);
                continue;
            }
            pc = std::size_t(ops[pc + std::size_t(index)].a);
            continue;
        }
        case OpCode::Case: break;
        case OpCode::LazyEnd: {
            Laziness lazy = builtin(op.a).lazy;
            if ((lazy == Laziness::And || lazy == Laziness::Or) && st.back().value.isEmpty())
                st.back().value = Value::error(ErrorCode::Value);   // nothing logical among the arguments
            break;
        }
        default: {
            Value b = popValue();
            Value a = popValue();
            st.push_back(Operand::of(arithmetic(op.code, a, b)));
        }
        }
        ++pc;
    }
    if (st.empty())
        return Value::error(ErrorCode::Value);
    // A reference to a blank cell reads as 0; a function that gave no value leaves the cell blank.
    Value result = derefOperand(host_, st.back());
    if (result.isEmpty() && st.back().isReference())
        return Value::number(0);
    return result;
}

} // namespace grid
