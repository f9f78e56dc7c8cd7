#pragma once
// One profile placement of a profile module: a database object that places a section of a material; the
// owned member name names the drawing member the placement creates.
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"

struct Ork_ProfilePlacement {
    AcDbObjectId id;
    Ork_String name;
    Ork_String section;        // a section name: table name, "-", system name ("IPE-200")
    Ork_String material;
    Ork_String ownedMemberName;
};
