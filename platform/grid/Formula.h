#pragma once
// A formula parsed once into a compact postfix program. Evaluation walks the program without ever looking at
// text again; the text is rebuilt from the program when it is read back, in either reference style.
//
// References are kept as R1C1 does: a relative part is an offset from the formula's own cell, an absolute
// ("$") part a position. The same program therefore serves every cell of a filled-down column, and the sheet
// keeps one copy of it however many cells use it.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "grid/CellAddress.h"

namespace grid {

enum class OpCode : std::uint8_t {
    Number, String, Bool, Error,          // constants
    Ref, Range,                           // a cell (a, b) / a block (a, b)-(c, d)
    Add, Sub, Mul, Div, Pow, Concat, Eq, Ne, Lt, Le, Gt, Ge,
    Neg, Plus, Percent, Paren,            // Paren only keeps the user's parentheses for the text
    Call,                                 // built-in a with `count` arguments
    CallName,                             // a function known by name only (custom, or unknown): string a
    // Control flow of the lazy functions; none of them leaves a value of its own.
    Jump,                                 // to a
    IfCond,                               // pop condition: false -> a, error -> push it and go to b
    IfErrorCond,                          // top is no error -> a (kept); else drop it and go on
    AccInit,                              // push the accumulator of AND / OR
    AndArg, OrArg,                        // fold the top into the accumulator; decided -> a
    ChooseSel,                            // pop index: take the index-th of the `count` Case ops that follow
    Case,                                 // branch start a (never executed)
    LazyEnd,                              // end of lazy built-in a with `count` arguments (finishes AND / OR)
};

// Flags of a reference: which parts are absolute ("$"), and whether the reference lost its cell (#REF!).
enum : std::uint8_t {
    kColAbs = 1, kRowAbs = 2, kCol2Abs = 4, kRow2Abs = 8, kRefDeleted = 16,
    kHidden = 128,   // an operation the formula text does not show (the implicit FALSE of IF(c, a))
};

struct Op {
    OpCode code;
    std::uint8_t flags = 0;
    std::uint16_t count = 0;
    std::int32_t a = 0, b = 0, c = 0, d = 0;

    double number() const {
        double v;
        std::memcpy(&v, &a, sizeof v);
        return v;
    }
    void setNumber(double v) { std::memcpy(&a, &v, sizeof v); }

    // The cell or block a Ref / Range op points to, seen from cell (col, row); corners ordered.
    Block block(int col, int row) const;
    // Stores `target` into a Ref / Range op as seen from (col, row), keeping the "$" flags.
    void setBlock(const Block& target, int col, int row);
};
static_assert(sizeof(double) == 2 * sizeof(std::int32_t));

enum class RefStyle { A1, R1C1 };

struct Formula {
    std::vector<Op> ops;
    std::vector<std::u16string> strings;   // string constants and the names of CallName
    bool callsByName = false;              // uses a function known only by name

    // The formula's text (without "=") as seen from the cell (col, row).
    std::u16string toText(int col, int row, RefStyle style) const;
    // A byte key equal for equal programs, to share one program between cells.
    std::string key() const;
};

} // namespace grid
