#include "nuvo/records/DynArrayData.h"

#include "cadhost/HostLog.h"

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

void DynArrayData::getValidDimNames(const AcArray<AcDbObjectId>& objectIds, const Ork_String& text, int arrayKind,
                                    bool first, bool second, bool third, Ork_StringArray& names) const {
    const char16_t* selector = first ? u"first" : second ? u"second" : third ? u"third" : u"none";
    cadhost::HostLog::record(u"getValidDimNames", {Ork_String(objectIds.length()), text, Ork_String(arrayKind), selector});
    names = Ork_StringArray();
    if (first)
        names = Ork_StringArray{u"Length", u"Width", u"Height"};
    else if (second)
        names = Ork_StringArray{u"Count", u"Spacing", u"Distance"};
    else if (third)
        names = arrayKind == 3 ? Ork_StringArray{u"Angle", u"Radius"} : Ork_StringArray{u"Depth", u"Offset"};
}

bool DynArrayData::setEntryAction(int entry, int action) {
    cadhost::HostLog::record(u"setEntryAction", {Ork_String(entry), Ork_String(action)});
    const int count = std::min({entryKinds.length(), entryFlags.length(), entryTexts.length()});
    if (action != 1 || entry < 1 || entry > count)
        return false;
    entryKinds[entry - 1] = 1;
    return true;
}

bool operator==(const DynArrayData& a, const DynArrayData& b) {
    return a.kind == b.kind && a.name == b.name && a.dimNames == b.dimNames && a.kindText == b.kindText &&
           a.values == b.values && a.flag1 == b.flag1 && a.flag2 == b.flag2 && a.entryKinds == b.entryKinds &&
           a.entryFlags == b.entryFlags && a.entryTexts == b.entryTexts;
}
