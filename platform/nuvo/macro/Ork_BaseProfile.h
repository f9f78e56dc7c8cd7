#pragma once
// A base profile of a macro: one of the members the macro is attached to, with its section and material.
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"

struct Ork_BaseProfile {
    AcDbObjectId id;
    Ork_String section;        // a section name ("HEA-200")
    Ork_String material;
};
