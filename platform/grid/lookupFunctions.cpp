// Lookup and reference built-ins.
#include "grid/builtins.h"

#include <cmath>

#include "grid/functionSupport.h"

namespace grid::fn {
namespace {

// Exact match: texts without regard to case, with wildcards.
bool sameValue(const Value& wanted, const Value& v) {
    if (wanted.isText() && v.isText())
        return wildcardMatch(wanted.textValue(), v.textValue());
    if (wanted.kind() != v.kind())
        return false;
    return compareValues(wanted, v) == 0;
}

bool sameKind(const Value& a, const Value& b) {
    return (a.isNumber() && b.isNumber()) || (a.isText() && b.isText()) || (a.isBool() && b.isBool());
}

// Position (0-based) of `wanted` along a line of `n` values read by `get`; -1 when none.
// Approximate (ascending): the last value not above `wanted`, stopping at the first one above it — the result
// the common spreadsheets give on sorted data. Descending is the mirror for MATCH type -1.
template <class Get>
long long search(const Value& wanted, long long n, int mode, Get get) {
    long long best = -1;
    for (long long i = 0; i < n; ++i) {
        Value v = get(i);
        if (mode == 0) {
            if (sameValue(wanted, v))
                return i;
            continue;
        }
        if (!sameKind(wanted, v))
            continue;
        int c = compareValues(v, wanted);
        if (mode > 0) {
            if (c > 0)
                break;
            best = i;
        } else {
            if (c < 0)
                break;
            best = i;
        }
    }
    return best;
}

Value tableLookup(CallContext& ctx, Operand* args, int count, bool vertical) {
    Value wanted = derefOperand(ctx, args[0]);
    if (wanted.isError())
        return wanted;
    if (!args[1].isReference())
        return Value::error(ErrorCode::Value);
    long long index;
    bool approx = true;
    Value err;
    if (!integer(ctx, args[2], index, err) || (count > 3 && !logical(ctx, args[3], approx, err)))
        return err;
    const Operand& t = args[1];
    const long long span = vertical ? t.cols() : t.rows();
    if (index < 1)
        return Value::error(ErrorCode::Value);
    if (index > span)
        return Value::error(ErrorCode::Ref);
    const long long n = vertical ? t.rows() : t.cols();
    long long pos = search(wanted, n, approx ? 1 : 0, [&](long long i) {
        return vertical ? ctx.cellValue(t.col1, t.row1 + int(i)) : ctx.cellValue(t.col1 + int(i), t.row1);
    });
    if (pos < 0)
        return Value::error(ErrorCode::NA);
    return cellResult(vertical ? ctx.cellValue(t.col1 + int(index) - 1, t.row1 + int(pos))
                               : ctx.cellValue(t.col1 + int(pos), t.row1 + int(index) - 1));
}

} // namespace

Value VLOOKUP(CallContext& c, Operand* a, int n) { return tableLookup(c, a, n, true); }
Value HLOOKUP(CallContext& c, Operand* a, int n) { return tableLookup(c, a, n, false); }

Value COLUMN(CallContext& ctx, Operand* args, int count) {
    if (count == 0)
        return Value::number(ctx.currentCol());
    if (!args[0].isReference())
        return Value::error(ErrorCode::Value);
    return Value::number(args[0].col1);
}

Value ROW(CallContext& ctx, Operand* args, int count) {
    if (count == 0)
        return Value::number(ctx.currentRow());
    if (!args[0].isReference())
        return Value::error(ErrorCode::Value);
    return Value::number(args[0].row1);
}

Value COLUMNS(CallContext&, Operand* args, int) {
    if (!args[0].isReference())
        return args[0].value.isError() ? args[0].value : Value::number(1);
    return Value::number(args[0].cols());
}

Value ROWS(CallContext&, Operand* args, int) {
    if (!args[0].isReference())
        return args[0].value.isError() ? args[0].value : Value::number(1);
    return Value::number(args[0].rows());
}

Value INDEX(CallContext& ctx, Operand* args, int count) {
    long long row, col = 0;
    Value err;
    if (!integer(ctx, args[1], row, err) || (count > 2 && !integer(ctx, args[2], col, err)))
        return err;
    const Operand& t = args[0];
    if (!t.isReference())
        return (row <= 1 && col <= 1) ? t.value : Value::error(ErrorCode::Ref);
    if (row < 0 || col < 0)
        return Value::error(ErrorCode::Value);
    // One index into a single row or column picks along it; 0 for the other dimension means "the only one".
    if (count == 2 && t.rows() == 1 && t.cols() > 1)
        col = row, row = 1;
    if (row == 0 && t.rows() == 1)
        row = 1;
    if (col == 0 && t.cols() == 1)
        col = 1;
    if (row == 0 || col == 0)
        return Value::error(ErrorCode::Value);
    if (row > t.rows() || col > t.cols())
        return Value::error(ErrorCode::Ref);
    return cellResult(ctx.cellValue(t.col1 + int(col) - 1, t.row1 + int(row) - 1));
}

Value MATCH(CallContext& ctx, Operand* args, int count) {
    Value wanted = derefOperand(ctx, args[0]);
    if (wanted.isError())
        return wanted;
    double type = 1;
    Value err;
    if (count > 2 && !number(ctx, args[2], type, err))
        return err;
    const Operand& t = args[1];
    if (!t.isReference() || (t.rows() > 1 && t.cols() > 1))
        return Value::error(ErrorCode::NA);
    const bool vertical = t.cols() == 1;
    const long long n = vertical ? t.rows() : t.cols();
    int mode = type > 0 ? 1 : (type < 0 ? -1 : 0);
    long long pos = search(wanted, n, mode, [&](long long i) {
        return vertical ? ctx.cellValue(t.col1, t.row1 + int(i)) : ctx.cellValue(t.col1 + int(i), t.row1);
    });
    return pos < 0 ? Value::error(ErrorCode::NA) : Value::number(double(pos + 1));
}

Value LOOKUP(CallContext& ctx, Operand* args, int count) {
    Value wanted = derefOperand(ctx, args[0]);
    if (wanted.isError())
        return wanted;
    const Operand& look = args[1];
    if (!look.isReference())
        return Value::error(ErrorCode::NA);
    // Vector form with a result vector; array form searches the longer side and answers from the last line.
    bool vertical = look.rows() >= look.cols();
    const long long n = vertical ? look.rows() : look.cols();
    long long pos = search(wanted, n, 1, [&](long long i) {
        return vertical ? ctx.cellValue(look.col1, look.row1 + int(i)) : ctx.cellValue(look.col1 + int(i), look.row1);
    });
    if (pos < 0)
        return Value::error(ErrorCode::NA);
    if (count > 2) {
        const Operand& res = args[2];
        if (!res.isReference())
            return Value::error(ErrorCode::NA);
        bool resVertical = res.rows() >= res.cols();
        if (pos >= (resVertical ? res.rows() : res.cols()))
            return Value::error(ErrorCode::NA);
        return cellResult(resVertical ? ctx.cellValue(res.col1, res.row1 + int(pos))
                                      : ctx.cellValue(res.col1 + int(pos), res.row1));
    }
    return cellResult(vertical ? ctx.cellValue(look.col2, look.row1 + int(pos))
                               : ctx.cellValue(look.col1 + int(pos), look.row2));
}

} // namespace grid::fn
