#pragma once
// Runs a parsed formula against a sheet. The evaluator knows the sheet only through EvalHost, so it can be
// tested and fuzzed alone; it keeps no state between formulas, so a custom function may start another
// calculation (of this sheet's neighbour, or of a sheet in another window) while one is running.
#include <string_view>
#include <vector>

#include "grid/Formula.h"
#include "grid/Functions.h"

namespace grid {

class EvalHost : public CallContext {
public:
    // A function the built-in table does not know; `known` false makes the result #NAME?.
    virtual Value callByName(std::u16string_view name, Operand* args, int count, bool& known) = 0;
};

class Evaluator {
public:
    // `scratch`, when given, is the evaluation stack reused from one formula to the next (it is cleared).
    explicit Evaluator(EvalHost& host, std::vector<Operand>* scratch = nullptr) : host_(host), scratch_(scratch) {}
    // The value of the formula of cell (col, row). A reference to a blank cell reads as 0.
    Value evaluate(const Formula& formula, int col, int row);

private:
    EvalHost& host_;
    std::vector<Operand>* scratch_;
};

// Shared by the evaluator and the built-ins: the scalar value of an operand (a block of more than one cell is
// #VALUE!), and the conversions the operators apply.
Value derefOperand(CallContext& ctx, const Operand& operand);
bool toNumber(const Value& v, double& out, ErrorCode& error);
std::u16string toText(const Value& v);
// Logical reading: numbers (non-zero), logicals, the texts "TRUE" / "FALSE"; blank is false.
bool toBool(const Value& v, bool& out, ErrorCode& error);
// Spreadsheet ordering: numbers < texts < logicals, texts without regard to case, blank as 0 / "" / FALSE.
int compareValues(const Value& a, const Value& b);

} // namespace grid
