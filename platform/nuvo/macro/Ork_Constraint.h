#pragma once
// One constraint of a macro module: a named distance with its value and the two flags with which the macro's
// definition offers it as a dialog variable.
#include "nuvo/Ork_String.h"
#include "nuvo/macro/Ork_ConstraintEditor.h"

struct Ork_Constraint {
    Ork_String name;
    double value = 0.0;
    bool dialogFirst = false;
    bool dialogSecond = false;
    Ork_ConstraintEditor editor;   // what the definition editor shows of it
};
