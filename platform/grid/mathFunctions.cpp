// Mathematical and trigonometric built-ins.
#include "grid/builtins.h"

#include <cmath>

#include "grid/functionSupport.h"

namespace grid::fn {
namespace {

constexpr double kPi = 3.14159265358979323846;

template <double (*F)(double)>
Value unary(CallContext& ctx, Operand* args, int) {
    double x;
    Value err;
    if (!number(ctx, args[0], x, err))
        return err;
    return Value::number(F(x));
}

double degrees(double x) { return x * 180 / kPi; }
double radians(double x) { return x * kPi / 180; }
double sign(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// x * 10^digits rounded to what the user sees, so that 2.675 counts as 2.675 and not 2.67499999...
double scaled(double x, double digits) { return roundToSignificant(x * std::pow(10.0, digits)); }

Value roundWith(CallContext& ctx, Operand* args, int count, double (*how)(double)) {
    double x, digits = 0;
    Value err;
    if (!number(ctx, args[0], x, err) || (count > 1 && !number(ctx, args[1], digits, err)))
        return err;
    digits = std::trunc(digits);
    if (digits > 15)
        return Value::number(x);
    if (digits < -308)
        return Value::number(0);
    double s = scaled(std::fabs(x), digits);
    double r = how(s) / std::pow(10.0, digits);
    return Value::number(x < 0 ? -r : r);
}

double halfUp(double x) { return std::floor(x + 0.5); }
double down(double x) { return std::floor(x); }
double up(double x) { return std::ceil(x); }

} // namespace

Value ABS(CallContext& c, Operand* a, int n) { return unary<std::fabs>(c, a, n); }
Value ATAN(CallContext& c, Operand* a, int n) { return unary<std::atan>(c, a, n); }
Value COS(CallContext& c, Operand* a, int n) { return unary<std::cos>(c, a, n); }
Value COSH(CallContext& c, Operand* a, int n) { return unary<std::cosh>(c, a, n); }
Value DEGREES(CallContext& c, Operand* a, int n) { return unary<degrees>(c, a, n); }
Value EXP(CallContext& c, Operand* a, int n) { return unary<std::exp>(c, a, n); }
Value INT(CallContext& c, Operand* a, int n) { return unary<std::floor>(c, a, n); }
Value RADIANS(CallContext& c, Operand* a, int n) { return unary<radians>(c, a, n); }
Value SIGN(CallContext& c, Operand* a, int n) { return unary<sign>(c, a, n); }
Value SIN(CallContext& c, Operand* a, int n) { return unary<std::sin>(c, a, n); }
Value SINH(CallContext& c, Operand* a, int n) { return unary<std::sinh>(c, a, n); }
Value TAN(CallContext& c, Operand* a, int n) { return unary<std::tan>(c, a, n); }
Value TANH(CallContext& c, Operand* a, int n) { return unary<std::tanh>(c, a, n); }

// The functions below refuse arguments outside their domain with #NUM! (Value::number turns NaN into #NUM!).
Value ACOS(CallContext& c, Operand* a, int n) { return unary<std::acos>(c, a, n); }
Value ASIN(CallContext& c, Operand* a, int n) { return unary<std::asin>(c, a, n); }
Value SQRT(CallContext& c, Operand* a, int n) { return unary<std::sqrt>(c, a, n); }

Value LN(CallContext& ctx, Operand* args, int) {
    double x;
    Value err;
    if (!number(ctx, args[0], x, err))
        return err;
    return x <= 0 ? Value::error(ErrorCode::Num) : Value::number(std::log(x));
}

Value LOG10(CallContext& ctx, Operand* args, int) {
    double x;
    Value err;
    if (!number(ctx, args[0], x, err))
        return err;
    return x <= 0 ? Value::error(ErrorCode::Num) : Value::number(std::log10(x));
}

Value LOG(CallContext& ctx, Operand* args, int count) {
    double x, base = 10;
    Value err;
    if (!number(ctx, args[0], x, err) || (count > 1 && !number(ctx, args[1], base, err)))
        return err;
    if (x <= 0 || base <= 0)
        return Value::error(ErrorCode::Num);
    if (base == 1)
        return Value::error(ErrorCode::Div0);
    return Value::number(roundToSignificant(std::log(x) / std::log(base)));
}

Value ATAN2(CallContext& ctx, Operand* args, int) {
    double x, y;
    Value err;
    if (!number(ctx, args[0], x, err) || !number(ctx, args[1], y, err))
        return err;
    if (x == 0 && y == 0)
        return Value::error(ErrorCode::Div0);
    return Value::number(std::atan2(y, x));
}

Value CEILING(CallContext& ctx, Operand* args, int) {
    double x, sig;
    Value err;
    if (!number(ctx, args[0], x, err) || !number(ctx, args[1], sig, err))
        return err;
    if (x == 0 || sig == 0)
        return Value::number(0);
    if (x > 0 && sig < 0)
        return Value::error(ErrorCode::Num);
    return Value::number(std::ceil(roundToSignificant(x / sig)) * sig);
}

Value FLOOR(CallContext& ctx, Operand* args, int) {
    double x, sig;
    Value err;
    if (!number(ctx, args[0], x, err) || !number(ctx, args[1], sig, err))
        return err;
    if (sig == 0)
        return x == 0 ? Value::number(0) : Value::error(ErrorCode::Div0);
    if (x > 0 && sig < 0)
        return Value::error(ErrorCode::Num);
    return Value::number(std::floor(roundToSignificant(x / sig)) * sig);
}

Value EVEN(CallContext& ctx, Operand* args, int) {
    double x;
    Value err;
    if (!number(ctx, args[0], x, err))
        return err;
    double r = std::ceil(roundToSignificant(std::fabs(x) / 2)) * 2;
    return Value::number(x < 0 ? -r : r);
}

Value ODD(CallContext& ctx, Operand* args, int) {
    double x;
    Value err;
    if (!number(ctx, args[0], x, err))
        return err;
    double r = std::ceil(roundToSignificant(std::fabs(x)));
    if (std::fmod(r, 2) == 0)
        r += 1;
    return Value::number(x < 0 ? -r : r);
}

Value FACT(CallContext& ctx, Operand* args, int) {
    double x;
    Value err;
    if (!number(ctx, args[0], x, err))
        return err;
    // Negative numbers have no factorial, also those that truncate to 0 (-0.5).
    if (x < 0)
        return Value::error(ErrorCode::Num);
    x = std::trunc(x);
    if (x > 170)
        return Value::error(ErrorCode::Num);
    double r = 1;
    for (int i = 2; i <= int(x); ++i)
        r *= i;
    return Value::number(r);
}

Value MOD(CallContext& ctx, Operand* args, int) {
    double x, y;
    Value err;
    if (!number(ctx, args[0], x, err) || !number(ctx, args[1], y, err))
        return err;
    if (y == 0)
        return Value::error(ErrorCode::Div0);
    double r = x - y * std::floor(roundToSignificant(x / y));
    return Value::number(roundToSignificant(r));
}

Value PI(CallContext&, Operand*, int) { return Value::number(kPi); }

Value POWER(CallContext& ctx, Operand* args, int) {
    double x, y;
    Value err;
    if (!number(ctx, args[0], x, err) || !number(ctx, args[1], y, err))
        return err;
    if (x == 0 && y == 0)
        return Value::error(ErrorCode::Num);
    if (x == 0 && y < 0)
        return Value::error(ErrorCode::Div0);
    return Value::number(std::pow(x, y));
}

Value PRODUCT(CallContext& ctx, Operand* args, int count) {
    std::vector<double> xs;
    Value err;
    if (!collectNumbers(ctx, args, count, xs, err))
        return err;
    if (xs.empty())
        return Value::number(0);
    double r = 1;
    for (double x : xs)
        r *= x;
    return Value::number(r);
}

Value RAND(CallContext& ctx, Operand*, int) { return Value::number(ctx.random()); }

Value ROUND(CallContext& c, Operand* a, int n) { return roundWith(c, a, n, halfUp); }
Value ROUNDDOWN(CallContext& c, Operand* a, int n) { return roundWith(c, a, n, down); }
Value ROUNDUP(CallContext& c, Operand* a, int n) { return roundWith(c, a, n, up); }
Value TRUNC(CallContext& c, Operand* a, int n) { return roundWith(c, a, n, down); }

Value SUM(CallContext& ctx, Operand* args, int count) {
    double total = 0;
    for (int i = 0; i < count; ++i) {
        const Operand& arg = args[i];
        if (arg.isReference()) {
            Value err;
            ctx.forEachCell(arg, [&](int, int, const Value& v) {
                if (v.isNumber())
                    total += v.numberValue();
                else if (v.isError())
                    err = v;
                return !v.isError();
            });
            if (err.isError())
                return err;
            continue;
        }
        double x;
        ErrorCode e;
        if (!arg.value.isEmpty() && !toNumber(arg.value, x, e))
            return Value::error(e);
        if (!arg.value.isEmpty())
            total += x;
    }
    return Value::number(total);
}

Value SUMIF(CallContext& ctx, Operand* args, int count) {
    if (!args[0].isReference() || (count > 2 && !args[2].isReference()))
        return Value::error(ErrorCode::Value);
    Criteria criteria(derefOperand(ctx, args[1]));
    if (derefOperand(ctx, args[1]).isError())
        return derefOperand(ctx, args[1]);
    const Operand& range = args[0];
    const Operand& sums = count > 2 ? args[2] : args[0];
    double total = 0;
    Value err;
    auto add = [&](int col, int row) {
        Value v = ctx.cellValue(sums.col1 + (col - range.col1), sums.row1 + (row - range.row1));
        if (v.isNumber())
            total += v.numberValue();
        else if (v.isError() && !err.isError())
            err = v;
    };
    if (criteria.matches(Value())) {
        // Blank cells match: every position of the block counts, not only the filled ones.
        const long long area = (long long)range.cols() * range.rows();
        if (area > 4'000'000)
            return Value::error(ErrorCode::Num);
        for (int c = range.col1; c <= range.col2; ++c)
            for (int r = range.row1; r <= range.row2; ++r)
                if (criteria.matches(ctx.cellValue(c, r)))
                    add(c, r);
    } else {
        ctx.forEachCell(range, [&](int c, int r, const Value& v) {
            if (criteria.matches(v))
                add(c, r);
            return true;
        });
    }
    if (err.isError())
        return err;
    return Value::number(total);
}

Value SUMPRODUCT(CallContext& ctx, Operand* args, int count) {
    const int cols = args[0].isReference() ? args[0].cols() : 1;
    const int rows = args[0].isReference() ? args[0].rows() : 1;
    for (int i = 0; i < count; ++i) {
        int c = args[i].isReference() ? args[i].cols() : 1;
        int r = args[i].isReference() ? args[i].rows() : 1;
        if (c != cols || r != rows)
            return Value::error(ErrorCode::Value);
        if (!args[i].isReference() && args[i].value.isError())
            return args[i].value;
    }
    if ((long long)cols * rows > 4'000'000)
        return Value::error(ErrorCode::Num);
    double total = 0;
    for (int dc = 0; dc < cols; ++dc) {
        for (int dr = 0; dr < rows; ++dr) {
            double p = 1;
            for (int i = 0; i < count; ++i) {
                Value v = at(ctx, args[i], dc, dr);
                if (v.isError())
                    return v;
                p *= v.isNumber() ? v.numberValue() : 0;
            }
            total += p;
        }
    }
    return Value::number(total);
}

} // namespace grid::fn
