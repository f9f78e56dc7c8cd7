#include "grid/functionSupport.h"

#include <cmath>

#include "os/textCase.h"

namespace grid::fn {

bool number(CallContext& ctx, const Operand& arg, double& out, Value& err) {
    Value v = derefOperand(ctx, arg);
    ErrorCode e;
    if (toNumber(v, out, e))
        return true;
    err = Value::error(e);
    return false;
}

bool integer(CallContext& ctx, const Operand& arg, long long& out, Value& err) {
    double x;
    if (!number(ctx, arg, x, err))
        return false;
    if (std::fabs(x) > 9e15) {
        err = Value::error(ErrorCode::Num);
        return false;
    }
    out = static_cast<long long>(std::trunc(x));
    return true;
}

bool text(CallContext& ctx, const Operand& arg, std::u16string& out, Value& err) {
    Value v = derefOperand(ctx, arg);
    if (v.isError()) {
        err = v;
        return false;
    }
    out = toText(v);
    return true;
}

bool logical(CallContext& ctx, const Operand& arg, bool& out, Value& err) {
    Value v = derefOperand(ctx, arg);
    ErrorCode e;
    if (toBool(v, out, e))
        return true;
    err = Value::error(e);
    return false;
}

bool collectNumbers(CallContext& ctx, Operand* args, int count, std::vector<double>& out, Value& err) {
    for (int i = 0; i < count; ++i) {
        const Operand& arg = args[i];
        if (arg.isReference()) {
            bool ok = true;
            ctx.forEachCell(arg, [&](int, int, const Value& v) {
                if (v.isError()) {
                    err = v;
                    ok = false;
                    return false;
                }
                if (v.isNumber())
                    out.push_back(v.numberValue());
                return true;
            });
            if (!ok)
                return false;
            continue;
        }
        double x;
        ErrorCode e;
        if (arg.value.isEmpty())
            continue;
        if (!toNumber(arg.value, x, e)) {
            err = Value::error(e);
            return false;
        }
        out.push_back(x);
    }
    return true;
}

Value cellResult(const Value& v) { return v.isEmpty() ? Value::number(0) : v; }

Value at(CallContext& ctx, const Operand& arg, int dc, int dr) {
    if (!arg.isReference())
        return (dc == 0 && dr == 0) ? arg.value : Value();
    return ctx.cellValue(arg.col1 + dc, arg.row1 + dr);
}

bool wildcardMatch(std::u16string_view pattern, std::u16string_view text) {
    // Iterative matching with one backtrack point for the last "*": linear in practice, never recursive.
    std::size_t p = 0, t = 0, starP = std::u16string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < pattern.size()) {
            char16_t pc = pattern[p];
            bool escaped = false;
            if (pc == u'~' && p + 1 < pattern.size() &&
                (pattern[p + 1] == u'*' || pattern[p + 1] == u'?' || pattern[p + 1] == u'~')) {
                pc = pattern[p + 1];
                escaped = true;
            }
            if ((pc == u'?' && !escaped) || os::upperCase(pc) == os::upperCase(text[t])) {
                p += escaped ? 2 : 1;
                ++t;
                continue;
            }
        }
        if (starP == std::u16string_view::npos)
            return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

Criteria::Criteria(const Value& criteria) {
    if (criteria.isNumber() || criteria.isBool()) {
        numeric_ = true;
        num_ = criteria.numberValue();
        isBool_ = criteria.isBool();
        return;
    }
    std::u16string_view s = criteria.textValue();
    static constexpr struct {
        std::u16string_view prefix;
        Cmp cmp;
    } kOps[] = {{u"<>", Cmp::Ne}, {u"<=", Cmp::Le}, {u">=", Cmp::Ge},
                {u"<", Cmp::Lt},  {u">", Cmp::Gt},  {u"=", Cmp::Eq}};
    for (const auto& op : kOps) {
        if (s.starts_with(op.prefix)) {
            cmp_ = op.cmp;
            s.remove_prefix(op.prefix.size());
            break;
        }
    }
    text_ = std::u16string(s);
    if (parseNumber(s, num_))
        numeric_ = true;
    else if (os::upperCase(s) == u"TRUE" || os::upperCase(s) == u"FALSE")
        isBool_ = true, numeric_ = true, num_ = os::upperCase(s) == u"TRUE" ? 1 : 0;
}

bool Criteria::matches(const Value& v) const {
    auto decide = [this](int c) {
        switch (cmp_) {
        case Cmp::Eq: return c == 0;
        case Cmp::Ne: return c != 0;
        case Cmp::Lt: return c < 0;
        case Cmp::Le: return c <= 0;
        case Cmp::Gt: return c > 0;
        case Cmp::Ge: return c >= 0;
        }
        return false;
    };
    if (numeric_) {
        double x;
        bool isNum = isBool_ ? v.isBool() : v.isNumber();
        if (!isNum && !isBool_ && v.isText() && (cmp_ == Cmp::Eq || cmp_ == Cmp::Ne) && parseNumber(v.textValue(), x))
            isNum = true;
        else if (isNum)
            x = v.numberValue();
        if (!isNum)
            return cmp_ == Cmp::Ne;
        return decide(x < num_ ? -1 : (x > num_ ? 1 : 0));
    }
    if (text_.empty()) {
        bool blank = v.isEmpty() || (v.isText() && v.textValue().empty());
        return cmp_ == Cmp::Ne ? !blank : (cmp_ == Cmp::Eq ? blank : false);
    }
    if (cmp_ == Cmp::Eq || cmp_ == Cmp::Ne) {
        bool eq = v.isText() && wildcardMatch(text_, v.textValue());
        return cmp_ == Cmp::Eq ? eq : !eq;
    }
    if (!v.isText())
        return false;
    return decide(compareValues(v, Value::text(text_)));
}

} // namespace grid::fn
