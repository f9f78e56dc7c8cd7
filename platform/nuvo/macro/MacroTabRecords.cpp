#include "nuvo/macro/MacroTabRecords.h"

#include <algorithm>

int MacroPatternProps::getCount(int direction) const {
    if (direction == 1)
        return first.values.length();
    if (direction == 2 && patternType != kOneDirection)
        return second.values.length();
    return -1;
}

Ork_String* MacroBoltData::value(int index) {
    switch (index) {
    case 0: return &assembly;
    case 1: return &diameter;
    case 2: return &holeTolerance;
    case 3: return &penetration;
    case 4: return &addedLength;
    default: return nullptr;
    }
}

const Ork_String* MacroBoltData::value(int index) const { return const_cast<MacroBoltData*>(this)->value(index); }

void MacroBoltData::getHoleColumns(AcArray<bool>& flags, Ork_StringArray& texts) const {
    flags = holeFlags;
    texts = holeTexts;
}

void MacroBoltData::setHoleColumns(const AcArray<bool>& flags, const Ork_StringArray& texts) {
    const int n = std::min(flags.length(), texts.length());
    holeFlags = AcArray<bool>();
    holeTexts = Ork_StringArray();
    for (int i = 0; i < n; ++i) {
        holeFlags.append(flags[i]);
        holeTexts.append(texts[i]);
    }
}

void MacroProfData::copyPlacementFrom(const MacroProfData& o) {
    section = o.section;
    material = o.material;
    ownedMemberName = o.ownedMemberName;
    section2 = o.section2;
    morphText1 = o.morphText1;
    morphText2 = o.morphText2;
    offsetType = o.offsetType;
    offsetMixed = o.offsetMixed;
    xOffset = o.xOffset;
    yOffset = o.yOffset;
    orientation = o.orientation;
    rotation = o.rotation;
    plane = o.plane;
    planeId = o.planeId;
    planeSet = o.planeSet;
    pointChosen = o.pointChosen;
    std::copy(std::begin(o.point), std::end(o.point), std::begin(point));
    triState = o.triState;
    onSegment = o.onSegment;
    segment = o.segment;
    groupReadOnly = o.groupReadOnly;
    morphed = o.morphed;
    multiObject = o.multiObject;
}

bool MacroProfData::samePlacement(const MacroProfData& o) const {
    return section == o.section && material == o.material && ownedMemberName == o.ownedMemberName &&
           section2 == o.section2 && morphText1 == o.morphText1 && morphText2 == o.morphText2 &&
           offsetType == o.offsetType && offsetMixed == o.offsetMixed && xOffset == o.xOffset &&
           yOffset == o.yOffset && orientation == o.orientation && rotation == o.rotation && plane == o.plane &&
           planeId == o.planeId && planeSet == o.planeSet && pointChosen == o.pointChosen &&
           std::equal(std::begin(point), std::end(point), std::begin(o.point)) && triState == o.triState &&
           onSegment == o.onSegment && segment == o.segment && groupReadOnly == o.groupReadOnly &&
           morphed == o.morphed && multiObject == o.multiObject;
}
