// Text built-ins. Positions are 1-based and count UTF-16 units, as the module's texts do.
#include "grid/builtins.h"

#include <cmath>

#include "grid/functionSupport.h"
#include "os/textCase.h"

namespace grid::fn {
namespace {

// The longest text a function builds; a spreadsheet cell holds no more.
constexpr std::size_t kMaxText = 32767;

bool isLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

Value tooLong() { return Value::error(ErrorCode::Value); }

// Formats a number with a spreadsheet format code: "0", "#", ".", ",", "%", quoted and escaped literals,
// "E+00", and up to three sections (positive;negative;zero). Enough for the formats a standards sheet uses.
std::u16string formatWith(double x, std::u16string_view format) {
    std::vector<std::u16string_view> sections;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'"')
            quoted = !quoted;
        else if (format[i] == u';' && !quoted) {
            sections.push_back(format.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(format.substr(start));
    std::u16string_view section = sections[0];
    bool negativeSection = false;
    if (x < 0 && sections.size() > 1) {
        section = sections[1];
        negativeSection = true;
        x = -x;
    } else if (x == 0 && sections.size() > 2) {
        section = sections[2];
    }
    std::u16string upperSection = os::upperCase(section);
    if (section.empty() || upperSection == u"GENERAL")
        return formatNumber(negativeSection ? -x : x);

    // Split into literal prefix, the number pattern and the literal suffix.
    std::u16string prefix, suffix, pattern;
    bool inPattern = false, afterPattern = false;
    for (std::size_t i = 0; i < section.size(); ++i) {
        char16_t c = section[i];
        std::u16string literal;
        bool isLiteral = true;
        if (c == u'"') {
            std::size_t end = section.find(u'"', i + 1);
            if (end == std::u16string_view::npos)
                end = section.size();
            literal = std::u16string(section.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == u'\\' && i + 1 < section.size()) {
            literal = std::u16string(1, section[++i]);
        } else if (c == u'0' || c == u'#' || c == u'?' || ((c == u'.' || c == u',') && !afterPattern) ||
                   ((c == u'E' || c == u'e') && inPattern && !afterPattern)) {
            isLiteral = false;
        } else {
            literal = std::u16string(1, c);
        }
        if (!isLiteral) {
            if (afterPattern) {
                suffix += c;
                continue;
            }
            inPattern = true;
            pattern += c;
            if ((c == u'E' || c == u'e') && i + 1 < section.size() && (section[i + 1] == u'+' || section[i + 1] == u'-'))
                pattern += section[++i];
            continue;
        }
        if (inPattern)
            afterPattern = true;
        (afterPattern ? suffix : prefix) += literal;
    }
    const bool percent = (prefix + suffix).find(u'%') != std::u16string::npos;
    if (percent)
        x *= 100;
    std::size_t ePos = pattern.find_first_of(u"Ee");
    std::u16string mantissa = pattern.substr(0, ePos);
    std::size_t dot = mantissa.find(u'.');
    std::u16string intPart = mantissa.substr(0, dot);
    std::u16string fracPart = dot == std::u16string::npos ? u"" : mantissa.substr(dot + 1);
    int decimals = 0;
    for (char16_t c : fracPart)
        decimals += (c == u'0' || c == u'#' || c == u'?');
    int minInt = 0;
    for (char16_t c : intPart)
        minInt += (c == u'0');
    const bool thousands = intPart.find(u',') != std::u16string::npos;
    std::u16string body;
    if (ePos != std::u16string::npos) {
        int exponent = x == 0 ? 0 : int(std::floor(std::log10(std::fabs(x))));
        double m = x / std::pow(10.0, exponent);
        std::u16string ms = formatFixed(m, decimals);
        if (ms.starts_with(u"10")) {   // rounding carried into a new digit
            ++exponent;
            ms = formatFixed(x / std::pow(10.0, exponent), decimals);
        }
        std::u16string es = formatNumber(std::abs(exponent));
        const bool signed_ = ePos + 1 < pattern.size() && (pattern[ePos + 1] == u'+' || pattern[ePos + 1] == u'-');
        const std::size_t expDigits = std::min<std::size_t>(pattern.size() - ePos - 1 - (signed_ ? 1 : 0), 5);
        while (es.size() < expDigits)
            es.insert(es.begin(), u'0');
        std::u16string_view sign = exponent < 0 ? u"-" : (signed_ && pattern[ePos + 1] == u'+' ? u"+" : u"");
        body = joinText({ms, u"E", sign, es});
    } else {
        body = formatFixed(x, decimals, thousands);
        // Optional decimals ("#") drop their trailing zeros.
        int optional = 0;
        for (auto it = fracPart.rbegin(); it != fracPart.rend() && *it == u'#'; ++it)
            ++optional;
        while (optional-- > 0 && body.find(u'.') != std::u16string::npos && body.back() == u'0')
            body.pop_back();
        if (!body.empty() && body.back() == u'.')
            body.pop_back();
        bool negative = !body.empty() && body[0] == u'-';
        if (negative)
            body.erase(0, 1);
        std::size_t intDigits = body.find(u'.');
        if (intDigits == std::u16string::npos)
            intDigits = body.size();
        if (minInt == 0 && body.starts_with(u"0") && intDigits == 1)
            body.erase(0, 1);
        for (int have = int(intDigits); have < minInt; ++have)
            body.insert(body.begin(), u'0');
        if (negative)
            body.insert(body.begin(), u'-');
    }
    return joinText({prefix, body, suffix});
}

} // namespace

Value CHAR(CallContext& ctx, Operand* args, int) {
    long long n;
    Value err;
    if (!integer(ctx, args[0], n, err))
        return err;
    if (n < 1 || n > 255)
        return Value::error(ErrorCode::Value);
    return Value::text(std::u16string(1, char16_t(n)));
}

Value CODE(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    Value err;
    if (!text(ctx, args[0], s, err))
        return err;
    if (s.empty())
        return Value::error(ErrorCode::Value);
    return Value::number(s[0]);
}

Value CONCATENATE(CallContext& ctx, Operand* args, int count) {
    std::u16string out;
    for (int i = 0; i < count; ++i) {
        std::u16string s;
        Value err;
        if (!text(ctx, args[i], s, err))
            return err;
        out += s;
        if (out.size() > kMaxText)
            return tooLong();
    }
    return Value::text(out);
}

Value EXACT(CallContext& ctx, Operand* args, int) {
    std::u16string a, b;
    Value err;
    if (!text(ctx, args[0], a, err) || !text(ctx, args[1], b, err))
        return err;
    return Value::boolean(a == b);
}

static Value findText(CallContext& ctx, Operand* args, int count, bool caseless) {
    std::u16string needle, hay;
    double start = 1;
    Value err;
    if (!text(ctx, args[0], needle, err) || !text(ctx, args[1], hay, err) ||
        (count > 2 && !number(ctx, args[2], start, err)))
        return err;
    start = std::trunc(start);
    if (start < 1 || start > double(hay.size()) + 1)
        return Value::error(ErrorCode::Value);
    const std::size_t from = std::size_t(start) - 1;
    if (!caseless) {
        std::size_t p = hay.find(needle, from);
        return p == std::u16string::npos ? Value::error(ErrorCode::Value) : Value::number(double(p + 1));
    }
    if (needle.empty())
        return Value::number(start);
    // SEARCH allows wildcards: try each start, matching the pattern against a prefix of the rest.
    std::u16string pattern = joinText({needle, u"*"});
    for (std::size_t p = from; p < hay.size(); ++p)
        if (wildcardMatch(pattern, std::u16string_view(hay).substr(p)))
            return Value::number(double(p + 1));
    return Value::error(ErrorCode::Value);
}

Value FIND(CallContext& c, Operand* a, int n) { return findText(c, a, n, false); }
Value SEARCH(CallContext& c, Operand* a, int n) { return findText(c, a, n, true); }

Value FIXED(CallContext& ctx, Operand* args, int count) {
    double x, decimals = 2;
    bool noCommas = false;
    Value err;
    if (!number(ctx, args[0], x, err) || (count > 1 && !number(ctx, args[1], decimals, err)) ||
        (count > 2 && !logical(ctx, args[2], noCommas, err)))
        return err;
    decimals = std::trunc(decimals);
    if (decimals > 127)
        return Value::error(ErrorCode::Value);
    if (decimals < 0) {
        double p = std::pow(10.0, -decimals);
        x = std::floor(std::fabs(x) / p + 0.5) * p * (x < 0 ? -1 : 1);
        decimals = 0;
    }
    return Value::text(formatFixed(x, int(decimals), !noCommas));
}

Value LEFT(CallContext& ctx, Operand* args, int count) {
    std::u16string s;
    double n = 1;
    Value err;
    if (!text(ctx, args[0], s, err) || (count > 1 && !number(ctx, args[1], n, err)))
        return err;
    if (n < 0)
        return Value::error(ErrorCode::Value);
    return Value::text(s.substr(0, std::size_t(std::min(n, double(s.size())))));
}

Value RIGHT(CallContext& ctx, Operand* args, int count) {
    std::u16string s;
    double n = 1;
    Value err;
    if (!text(ctx, args[0], s, err) || (count > 1 && !number(ctx, args[1], n, err)))
        return err;
    if (n < 0)
        return Value::error(ErrorCode::Value);
    std::size_t k = std::size_t(std::min(n, double(s.size())));
    return Value::text(s.substr(s.size() - k));
}

Value MID(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    double start, n;
    Value err;
    if (!text(ctx, args[0], s, err) || !number(ctx, args[1], start, err) || !number(ctx, args[2], n, err))
        return err;
    if (start < 1 || n < 0)
        return Value::error(ErrorCode::Value);
    if (start > double(s.size()))
        return Value::text(u"");
    std::size_t from = std::size_t(start) - 1;
    return Value::text(s.substr(from, std::size_t(std::min(n, double(s.size() - from)))));
}

Value LEN(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    Value err;
    if (!text(ctx, args[0], s, err))
        return err;
    return Value::number(double(s.size()));
}

Value LOWER(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    Value err;
    if (!text(ctx, args[0], s, err))
        return err;
    return Value::text(os::foldCase(s));
}

Value UPPER(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    Value err;
    if (!text(ctx, args[0], s, err))
        return err;
    return Value::text(os::upperCase(s));
}

Value PROPER(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    Value err;
    if (!text(ctx, args[0], s, err))
        return err;
    bool inWord = false;
    for (char16_t& c : s) {
        if (isLetter(c)) {
            c = inWord ? os::foldCase(c) : os::upperCase(c);
            inWord = true;
        } else {
            inWord = false;
        }
    }
    return Value::text(s);
}

Value REPLACE(CallContext& ctx, Operand* args, int) {
    std::u16string s, repl;
    double start, n;
    Value err;
    if (!text(ctx, args[0], s, err) || !number(ctx, args[1], start, err) || !number(ctx, args[2], n, err) ||
        !text(ctx, args[3], repl, err))
        return err;
    if (start < 1 || n < 0)
        return Value::error(ErrorCode::Value);
    std::size_t from = std::size_t(std::min(start - 1, double(s.size())));
    std::size_t len = std::size_t(std::min(n, double(s.size() - from)));
    s.replace(from, len, repl);
    if (s.size() > kMaxText)
        return tooLong();
    return Value::text(s);
}

Value REPT(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    double n;
    Value err;
    if (!text(ctx, args[0], s, err) || !number(ctx, args[1], n, err))
        return err;
    if (n < 0)
        return Value::error(ErrorCode::Value);
    if (s.empty() || n < 1)
        return Value::text(u"");
    if (double(s.size()) * std::trunc(n) > kMaxText)
        return tooLong();
    std::u16string out;
    for (long long i = 0; i < (long long)n; ++i)
        out += s;
    return Value::text(out);
}

Value SUBSTITUTE(CallContext& ctx, Operand* args, int count) {
    std::u16string s, from, to;
    double instance = 0;
    Value err;
    if (!text(ctx, args[0], s, err) || !text(ctx, args[1], from, err) || !text(ctx, args[2], to, err) ||
        (count > 3 && !number(ctx, args[3], instance, err)))
        return err;
    if (count > 3 && instance < 1)
        return Value::error(ErrorCode::Value);
    if (from.empty())
        return Value::text(s);
    std::u16string out;
    std::size_t pos = 0;
    long long seen = 0;
    for (;;) {
        std::size_t hit = s.find(from, pos);
        if (hit == std::u16string::npos)
            break;
        ++seen;
        out += s.substr(pos, hit - pos);
        out += (count > 3 && seen != (long long)instance) ? from : to;
        pos = hit + from.size();
        if (out.size() > kMaxText)
            return tooLong();
    }
    out += s.substr(pos);
    return Value::text(out);
}

Value TEXT(CallContext& ctx, Operand* args, int) {
    Value v = derefOperand(ctx, args[0]);
    std::u16string format;
    Value err;
    if (v.isError())
        return v;
    if (!text(ctx, args[1], format, err))
        return err;
    double x;
    ErrorCode e;
    if (v.isBool() || (v.isText() && !toNumber(v, x, e)))
        return Value::text(v.toText());
    toNumber(v, x, e);
    return Value::text(formatWith(x, format));
}

Value TRIM(CallContext& ctx, Operand* args, int) {
    std::u16string s;
    Value err;
    if (!text(ctx, args[0], s, err))
        return err;
    std::u16string out;
    for (char16_t c : s) {
        if (c == u' ' && (out.empty() || out.back() == u' '))
            continue;
        out += c;
    }
    if (!out.empty() && out.back() == u' ')
        out.pop_back();
    return Value::text(out);
}

Value VALUE(CallContext& ctx, Operand* args, int) {
    Value v = derefOperand(ctx, args[0]);
    double x;
    ErrorCode e;
    if (v.isBool())
        return Value::error(ErrorCode::Value);
    if (!toNumber(v, x, e))
        return Value::error(e);
    return Value::number(x);
}

} // namespace grid::fn
