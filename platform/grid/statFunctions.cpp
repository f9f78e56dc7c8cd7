// Statistical, logical and information built-ins.
#include "grid/builtins.h"

#include <algorithm>

#include "grid/functionSupport.h"

namespace grid::fn {

Value AVERAGE(CallContext& ctx, Operand* args, int count) {
    std::vector<double> xs;
    Value err;
    if (!collectNumbers(ctx, args, count, xs, err))
        return err;
    if (xs.empty())
        return Value::error(ErrorCode::Div0);
    double total = 0;
    for (double x : xs)
        total += x;
    return Value::number(total / double(xs.size()));
}

Value COUNT(CallContext& ctx, Operand* args, int count) {
    double n = 0;
    for (int i = 0; i < count; ++i) {
        if (args[i].isReference()) {
            ctx.forEachCell(args[i], [&](int, int, const Value& v) {
                n += v.isNumber();
                return true;
            });
            continue;
        }
        double x;
        ErrorCode e;
        const Value& v = args[i].value;
        n += (v.isNumber() || v.isBool() || (v.isText() && toNumber(v, x, e)));
    }
    return Value::number(n);
}

Value COUNTA(CallContext& ctx, Operand* args, int count) {
    double n = 0;
    for (int i = 0; i < count; ++i) {
        if (args[i].isReference()) {
            ctx.forEachCell(args[i], [&](int, int, const Value&) {
                ++n;
                return true;
            });
            continue;
        }
        n += !args[i].value.isEmpty();
    }
    return Value::number(n);
}

Value COUNTBLANK(CallContext& ctx, Operand* args, int) {
    if (!args[0].isReference())
        return Value::error(ErrorCode::Value);
    double filled = 0;
    ctx.forEachCell(args[0], [&](int, int, const Value& v) {
        filled += !(v.isText() && v.textValue().empty());
        return true;
    });
    return Value::number(double(args[0].cols()) * args[0].rows() - filled);
}

Value COUNTIF(CallContext& ctx, Operand* args, int) {
    if (!args[0].isReference())
        return Value::error(ErrorCode::Value);
    Value crit = derefOperand(ctx, args[1]);
    if (crit.isError())
        return crit;
    Criteria criteria(crit);
    double n = 0, filled = 0;
    ctx.forEachCell(args[0], [&](int, int, const Value& v) {
        ++filled;
        n += criteria.matches(v);
        return true;
    });
    if (criteria.matches(Value()))
        n += double(args[0].cols()) * args[0].rows() - filled;
    return Value::number(n);
}

Value MAX(CallContext& ctx, Operand* args, int count) {
    std::vector<double> xs;
    Value err;
    if (!collectNumbers(ctx, args, count, xs, err))
        return err;
    return Value::number(xs.empty() ? 0 : *std::max_element(xs.begin(), xs.end()));
}

Value MIN(CallContext& ctx, Operand* args, int count) {
    std::vector<double> xs;
    Value err;
    if (!collectNumbers(ctx, args, count, xs, err))
        return err;
    return Value::number(xs.empty() ? 0 : *std::min_element(xs.begin(), xs.end()));
}

Value MEDIAN(CallContext& ctx, Operand* args, int count) {
    std::vector<double> xs;
    Value err;
    if (!collectNumbers(ctx, args, count, xs, err))
        return err;
    if (xs.empty())
        return Value::error(ErrorCode::Num);
    std::sort(xs.begin(), xs.end());
    std::size_t mid = xs.size() / 2;
    return Value::number(xs.size() % 2 ? xs[mid] : (xs[mid - 1] + xs[mid]) / 2);
}

Value NOT(CallContext& ctx, Operand* args, int) {
    bool b;
    Value err;
    if (!logical(ctx, args[0], b, err))
        return err;
    return Value::boolean(!b);
}

Value TRUE_(CallContext&, Operand*, int) { return Value::boolean(true); }
Value FALSE_(CallContext&, Operand*, int) { return Value::boolean(false); }
Value NA(CallContext&, Operand*, int) { return Value::error(ErrorCode::NA); }

Value ISBLANK(CallContext& ctx, Operand* args, int) {
    return Value::boolean(args[0].isReference() && derefOperand(ctx, args[0]).isEmpty());
}
Value ISERR(CallContext& ctx, Operand* args, int) {
    Value v = derefOperand(ctx, args[0]);
    return Value::boolean(v.isError() && v.errorValue() != ErrorCode::NA);
}
Value ISERROR(CallContext& ctx, Operand* args, int) { return Value::boolean(derefOperand(ctx, args[0]).isError()); }
Value ISLOGICAL(CallContext& ctx, Operand* args, int) { return Value::boolean(derefOperand(ctx, args[0]).isBool()); }
Value ISNA(CallContext& ctx, Operand* args, int) {
    Value v = derefOperand(ctx, args[0]);
    return Value::boolean(v.isError() && v.errorValue() == ErrorCode::NA);
}
Value ISNUMBER(CallContext& ctx, Operand* args, int) { return Value::boolean(derefOperand(ctx, args[0]).isNumber()); }
Value ISTEXT(CallContext& ctx, Operand* args, int) { return Value::boolean(derefOperand(ctx, args[0]).isText()); }

} // namespace grid::fn
