#pragma once
// The dimension variables of a macro module: a named number with its kind, the dimensions' values as the
// drawing shows them, and the equations ("NAME = EXPRESSION") that recalculate the variables.
#include "nuvo/Ork_String.h"

struct Ork_Variable {
    // Kinds are positions in the editor's kind list (eight entries).
    static constexpr int kKindCount = 8;

    Ork_String name;
    double value = 0.0;
    short kind = 0;
};

struct Ork_Dimension {
    Ork_String name;
    Ork_String value;
};
