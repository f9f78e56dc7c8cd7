#pragma once
// Helpers the built-in functions share: reading arguments as numbers, texts and logicals with the usual
// spreadsheet conversions, walking blocks, and the criteria of COUNTIF / SUMIF.
#include <string>
#include <vector>

#include "grid/Evaluator.h"
#include "grid/Functions.h"

namespace grid::fn {

// Each returns false and sets `err` (an error value) when the argument cannot be read that way.
bool number(CallContext& ctx, const Operand& arg, double& out, Value& err);
bool integer(CallContext& ctx, const Operand& arg, long long& out, Value& err);   // truncated toward zero
bool text(CallContext& ctx, const Operand& arg, std::u16string& out, Value& err);
bool logical(CallContext& ctx, const Operand& arg, bool& out, Value& err);

// The numbers of the arguments as SUM reads them: scalars are converted (a text that is no number is
// #VALUE!), references contribute only their numbers. Returns false with the first error met.
bool collectNumbers(CallContext& ctx, Operand* args, int count, std::vector<double>& out, Value& err);

// A value read from a cell as a function result: a blank reads as 0.
Value cellResult(const Value& v);

// The value at offset (dc, dr) of a reference or of a scalar (a scalar is a 1 x 1 block).
Value at(CallContext& ctx, const Operand& arg, int dc, int dr);

// Wildcard match ("*", "?", "~" escapes) without regard to case.
bool wildcardMatch(std::u16string_view pattern, std::u16string_view text);

class Criteria {
public:
    explicit Criteria(const Value& criteria);
    bool matches(const Value& v) const;

private:
    enum class Cmp { Eq, Ne, Lt, Le, Gt, Ge } cmp_ = Cmp::Eq;
    bool numeric_ = false;
    double num_ = 0;
    std::u16string text_;
    bool isBool_ = false;
};

} // namespace grid::fn
