#pragma once
// The built-in sheet functions: one table of names with their minimum and maximum argument counts, and the
// implementations it points to.
#include <cstdint>
#include <functional>
#include <string_view>

#include "grid/Operand.h"

namespace grid {

// What a function may ask of the sheet while it runs.
class CallContext {
public:
    virtual ~CallContext() = default;
    virtual const Value& cellValue(int col, int row) = 0;
    // Visits the non-empty cells of a block, column by column; stops early when `visit` returns false.
    virtual void forEachCell(const Operand& range, const std::function<bool(int, int, const Value&)>& visit) = 0;
    virtual int currentCol() const = 0;
    virtual int currentRow() const = 0;
    virtual double random() = 0;
};

using BuiltinFn = Value (*)(CallContext& ctx, Operand* args, int count);

enum class Laziness : std::uint8_t { None, If, IfError, And, Or, Choose };

struct FunctionInfo {
    std::u16string_view name;
    int minArgs;
    int maxArgs;
    BuiltinFn fn;           // nullptr for the lazy ones, which the evaluator runs itself
    Laziness lazy;
};

// Index of the built-in with that name (any case), or -1.
int findBuiltin(std::u16string_view name);
const FunctionInfo& builtin(int index);
int builtinCount();

} // namespace grid
