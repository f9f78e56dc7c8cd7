#include "nuvo/macro/Ork_MacroFilters.h"

namespace {

template <typename T>
bool sameElements(const Ork_Array<T>& a, const Ork_Array<T>& b) {
    if (a.length() != b.length())
        return false;
    for (int i = 0; i < a.length(); ++i)
        if (!(a[i] == b[i]))
            return false;
    return true;
}

} // namespace

bool operator==(const Ork_MacroFilters& a, const Ork_MacroFilters& b) {
    return a.firstEnabled == b.firstEnabled && a.secondEnabled == b.secondEnabled && a.axisNames == b.axisNames &&
           a.axisActive == b.axisActive && a.axisModes == b.axisModes && a.axisFirst == b.axisFirst &&
           a.axisSecond == b.axisSecond && a.sectionNames == b.sectionNames && a.sectionActive == b.sectionActive &&
           sameElements(a.sectionRanges, b.sectionRanges) && a.pathNames == b.pathNames &&
           a.pathActive == b.pathActive && a.pathFirst == b.pathFirst && a.pathSecond == b.pathSecond &&
           a.sizeNames == b.sizeNames && a.sizeActive == b.sizeActive && sameElements(a.sizeValues, b.sizeValues);
}

bool operator==(const Ork_FilterProperties& a, const Ork_FilterProperties& b) {
    return a.names == b.names && sameElements(a.values, b.values) && a.images == b.images;
}

bool operator==(const Ork_SheetMappings& a, const Ork_SheetMappings& b) {
    return a.names == b.names && a.keys == b.keys;
}
