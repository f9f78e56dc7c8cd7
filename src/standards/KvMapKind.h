#pragma once
// What a map reaches in a macro, with the keyword that names it in mapping strings, the value type a
// variable needs to be mapped to it, and the directions that work.
#include "nuvo/Ork_String.h"
#include "standards/KvValueType.h"

#include <cstdint>

enum class KvMapKind : std::int32_t {
    None = 0,
    Distance = 1,
    GenVar = 2,
    CutOffset = 3,
    CutPolyOffset = 4,
    CutLengthOffset = 5,
    CutCenterOffset = 6,
    CutInsideOffset = 7,
    CutOutsideOffset = 8,
    CutChamferOffset1 = 9,
    CutChamferOffset2 = 10,
    CutRadius = 11,
    PrPlName = 12,
    PrPlMaterial = 13,
    OwnedMemberName = 14,
    MemberSectionSize = 15,
    PatternNrBolts1 = 16,
    PatternNrBolts2 = 17,
    PatternReverseStart1 = 18,
    PatternReverseStart2 = 19,
    BoltsDiameter = 20,
    BoltsHoleOffset = 21,
};

struct KvMapKindInfo {
    KvMapKind kind;
    const char16_t* keyword;
    KvValueType valueType;
    bool get;
    bool set;
};

// The row of a kind; null for None and for values outside the table.
const KvMapKindInfo* mapKindInfo(KvMapKind kind);
// The value type of a kind; false for a kind without one (None, unknown values).
bool mapKindValueType(KvMapKind kind, KvValueType& valueType);
// The kind whose keyword begins `text`, the keywords tried in the order mapping strings are read with;
// false when none does.
bool mapKindFromKeywordPrefix(const Ork_String& text, KvMapKind& kind);

// The cut kinds stand one to one for the host's cut offset types 0 to 8: kind = type + 3.
inline bool isCutKind(KvMapKind kind) { return kind >= KvMapKind::CutOffset && kind <= KvMapKind::CutRadius; }
inline int cutOffsetTypeOf(KvMapKind kind) { return static_cast<int>(kind) - 3; }
inline KvMapKind cutKindOf(int offsetType) { return static_cast<KvMapKind>(offsetType + 3); }
inline bool isPatternKind(KvMapKind kind) {
    return kind >= KvMapKind::PatternNrBolts1 && kind <= KvMapKind::PatternReverseStart2;
}
