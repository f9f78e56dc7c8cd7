#pragma once
// One cut constraint of a macro module. Its constraint type decides which cut offsets it has; each offset
// type holds one value.
//
// Offset types: 0 offset, 1 polygon offset, 2 length offset, 3 center offset, 4 inside offset, 5 outside
// offset, 6 first chamfer, 7 second chamfer, 8 radius, 9 weld gap. Types 0 to 8 are the ones standards
// sheets reach; the weld gap exists only in the host.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"

#include <array>

struct Ork_CutConstraint {
    static constexpr int kOffsetTypeCount = 10;

    Ork_String name;
    int constraintType = 0;
    std::array<double, kOffsetTypeCount> offsets{};

    // The offset types that a constraint type offers, in the host's order; false for an unknown type.
    static bool offeredOffsetTypes(int constraintType, AcArray<int>& offsetTypes);
    static bool offers(int constraintType, int offsetType);
    // The name of an offset type in macro files ("offset", "poly", ... "weldGap"); empty when unknown.
    static const char16_t* offsetTypeName(int offsetType);
    static int offsetTypeFromName(const Ork_String& name);   // -1 when unknown
    static constexpr int kConstraintTypeCount = 9;
};
