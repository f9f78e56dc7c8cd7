#include "standards/KvMapKind.h"

namespace {

using enum KvMapKind;
constexpr KvValueType kDouble = KvValueType::Double;
constexpr KvValueType kString = KvValueType::String;
constexpr KvValueType kInt = KvValueType::Int;

// Indexed by kind value, from 1.
constexpr KvMapKindInfo kMapKinds[] = {
    // kind                 keyword                   value type  get    set
    {Distance,              u"Distance",              kDouble,    true,  true},
    {GenVar,                u"GenVar",                kDouble,    true,  true},
    {CutOffset,             u"CutOffset",             kDouble,    true,  true},
    {CutPolyOffset,         u"CutPolyOffset",         kDouble,    true,  true},
    {CutLengthOffset,       u"CutLengthOffset",       kDouble,    true,  true},
    {CutCenterOffset,       u"CutCenterOffset",       kDouble,    true,  true},
    {CutInsideOffset,       u"CutInsideOffset",       kDouble,    true,  true},
    {CutOutsideOffset,      u"CutOutsideOffset",      kDouble,    true,  true},
    {CutChamferOffset1,     u"CutChamferOffset1",     kDouble,    true,  true},
    {CutChamferOffset2,     u"CutChamferOffset2",     kDouble,    true,  true},
    {CutRadius,             u"CutRadius",             kDouble,    true,  true},
    {PrPlName,              u"PrPlName",              kString,    true,  false},
    {PrPlMaterial,          u"PrPlMaterial",          kString,    true,  false},
    {OwnedMemberName,       u"OwnedMemberName",       kString,    true,  true},
    {MemberSectionSize,     u"MemberSectionSize",     kDouble,    true,  false},
    {PatternNrBolts1,       u"PatternNrBolts1",       kString,    true,  true},
    {PatternNrBolts2,       u"PatternNrBolts2",       kString,    true,  true},
    {PatternReverseStart1,  u"PatternReverseStart1",  kInt,       true,  true},
    {PatternReverseStart2,  u"PatternReverseStart2",  kInt,       true,  true},
    {BoltsDiameter,         u"BoltsDiameter",         kDouble,    true,  true},
    {BoltsHoleOffset,       u"BoltsHoleOffset",       kDouble,    true,  true},
};

// Keywords are tested as prefixes in this order (the pattern keywords before the profile ones), so a
// mapping string keeps the kind it was always read with.
constexpr KvMapKind kParseOrder[] = {
    Distance, GenVar, CutOffset, CutPolyOffset, CutLengthOffset, CutCenterOffset, CutInsideOffset,
    CutOutsideOffset, CutChamferOffset1, CutChamferOffset2, CutRadius, PatternNrBolts1, PatternNrBolts2,
    PatternReverseStart1, PatternReverseStart2, PrPlName, PrPlMaterial, OwnedMemberName, MemberSectionSize,
    BoltsDiameter, BoltsHoleOffset,
};

constexpr int kKindCount = static_cast<int>(sizeof(kMapKinds) / sizeof(kMapKinds[0]));
static_assert(kKindCount == 21 && sizeof(kParseOrder) / sizeof(kParseOrder[0]) == 21);

} // namespace

const KvMapKindInfo* mapKindInfo(KvMapKind kind) {
    const int value = static_cast<int>(kind);
    if (value < 1 || value > kKindCount)
        return nullptr;
    return &kMapKinds[value - 1];
}

bool mapKindValueType(KvMapKind kind, KvValueType& valueType) {
    const KvMapKindInfo* info = mapKindInfo(kind);
    if (!info)
        return false;
    valueType = info->valueType;
    return true;
}

bool mapKindFromKeywordPrefix(const Ork_String& text, KvMapKind& kind) {
    for (KvMapKind k : kParseOrder) {
        if (text.startsWith(mapKindInfo(k)->keyword)) {
            kind = k;
            return true;
        }
    }
    return false;
}
