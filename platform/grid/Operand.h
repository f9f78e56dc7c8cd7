#pragma once
// What sits on the evaluation stack: a value, or a reference to a cell or a block that a function may read as a
// whole (SUM(A1:B5)) or a custom function may receive as a reference.
#include "grid/Value.h"

namespace grid {

struct Operand {
    enum class Kind : std::uint8_t { Val, Ref, Range };
    Kind kind = Kind::Val;
    Value value;                       // Kind::Val
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;   // Ref uses col1, row1

    static Operand of(Value v) {
        Operand o;
        o.value = std::move(v);
        return o;
    }
    static Operand ref(int col, int row) {
        Operand o;
        o.kind = Kind::Ref;
        o.col1 = o.col2 = col;
        o.row1 = o.row2 = row;
        return o;
    }
    static Operand range(int c1, int r1, int c2, int r2) {
        Operand o;
        o.kind = Kind::Range;
        o.col1 = c1, o.row1 = r1, o.col2 = c2, o.row2 = r2;
        return o;
    }
    bool isReference() const { return kind != Kind::Val; }
    int cols() const { return col2 - col1 + 1; }
    int rows() const { return row2 - row1 + 1; }
};

} // namespace grid
