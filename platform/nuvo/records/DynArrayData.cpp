#include "nuvo/records/DynArrayData.h"

#include <algorithm>

DynArrayData::DynArrayData() = default;
DynArrayData::DynArrayData(const DynArrayData& other) = default;
DynArrayData& DynArrayData::operator=(const DynArrayData& other) = default;
DynArrayData::~DynArrayData() = default;

void DynArrayData::getEntryColumns(AcArray<int>& kinds, AcArray<bool>& flags, Ork_StringArray& texts) const {
    kinds = entryKinds;
    flags = entryFlags;
    texts = entryTexts;
}

void DynArrayData::setEntryColumns(const AcArray<int>& kinds, const AcArray<bool>& flags,
                                   const Ork_StringArray& texts) {
    const int n = std::min({kinds.length(), flags.length(), texts.length()});
    entryKinds = AcArray<int>();
    entryFlags = AcArray<bool>();
    entryTexts = Ork_StringArray();
    for (int i = 0; i < n; ++i) {
        entryKinds.append(kinds[i]);
        entryFlags.append(flags[i]);
        entryTexts.append(texts[i]);
    }
}

bool operator==(const DynArrayData& a, const DynArrayData& b) {
    return a.kind == b.kind && a.name == b.name && a.dimNames == b.dimNames && a.kindText == b.kindText &&
           a.values == b.values && a.flag1 == b.flag1 && a.flag2 == b.flag2 && a.entryKinds == b.entryKinds &&
           a.entryFlags == b.entryFlags && a.entryTexts == b.entryTexts;
}
