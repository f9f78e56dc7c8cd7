#pragma once
// One geometry object of a macro module as the definition editor lists it: its id in the drawing, its type
// and object texts, the name the user gave it, how flexible it is and whether it is constraint geometry.
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"

struct Ork_Geometry {
    // Positions in the flexibility list (host texts 893, 894, 895).
    static constexpr int kFlexibilityCount = 3;

    AcDbObjectId id;                 // given by the database macro
    Ork_String type;                 // "Line", "Arc", ...
    Ork_String object;               // what it belongs to ("Plate edge 1")
    Ork_String name;                 // the name tag; empty when it has none
    int flexibility = 0;             // 0..2
    long flexValue = 0;              // the host's own number travelling with the flexibility
    int constraintGeometry = 0;      // 0 or 1; any other value is the host's and is not changed by the editor
};
