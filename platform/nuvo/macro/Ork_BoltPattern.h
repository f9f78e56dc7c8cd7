#pragma once
// One bolt pattern of a bolt module: a database object with its type code (281 one direction, 282 two
// directions) and, per direction, whether the bolts are counted from the far end.
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"

struct Ork_BoltPattern {
    static constexpr int kOneDirection = 281;
    static constexpr int kTwoDirections = 282;

    AcDbObjectId id;
    Ork_String name;
    int typeCode = kOneDirection;
    bool reverseStart1 = false;
    bool reverseStart2 = false;

    bool isTwoDirectional() const { return typeCode == kTwoDirections; }
};
