#include "nuvo/macro/Ork_CutConstraint.h"

#include <initializer_list>

namespace {

// The offsets of each cut constraint type, as the host's cut definitions offer them.
struct CutTypeOffsets {
    int constraintType;
    std::initializer_list<int> offsetTypes;
};

const CutTypeOffsets kCutTypes[] = {
    {0, {0}},                   // straight cut
    {1, {1}},                   // polygon cut
    {2, {2}},                   // length cut
    {3, {3}},                   // center cut
    {4, {4, 5}},                // notch
    {5, {6, 7}},                // chamfer
    {6, {8}},                   // radius cut
    {7, {0, 4, 5, 6, 7, 8}},    // cope
    {8, {6, 9}},                // weld preparation
};

const char16_t* const kOffsetNames[Ork_CutConstraint::kOffsetTypeCount] = {
    u"offset", u"poly", u"length", u"center", u"inside", u"outside", u"chamfer1", u"chamfer2", u"radius",
    u"weldGap"};

} // namespace

bool Ork_CutConstraint::offeredOffsetTypes(int constraintType, AcArray<int>& offsetTypes) {
    offsetTypes.removeAll();
    for (const CutTypeOffsets& t : kCutTypes) {
        if (t.constraintType == constraintType) {
            for (int o : t.offsetTypes)
                offsetTypes.append(o);
            return true;
        }
    }
    return false;
}

bool Ork_CutConstraint::offers(int constraintType, int offsetType) {
    AcArray<int> types;
    return offeredOffsetTypes(constraintType, types) && types.contains(offsetType);
}

const char16_t* Ork_CutConstraint::offsetTypeName(int offsetType) {
    if (offsetType < 0 || offsetType >= kOffsetTypeCount)
        return u"";
    return kOffsetNames[offsetType];
}

int Ork_CutConstraint::offsetTypeFromName(const Ork_String& name) {
    for (int i = 0; i < kOffsetTypeCount; ++i)
        if (name == kOffsetNames[i])
            return i;
    return -1;
}
