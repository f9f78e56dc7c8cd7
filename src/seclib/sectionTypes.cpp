#include "seclib/sectionTypes.h"

#include "nuvo/hostTexts.h"

namespace {

// Host texts of the value column labels.
constexpr int kH = 1684, kB = 1685, kTw = 1686, kTf = 1687, kR = 1688, kT = 1689, kR1 = 1690, kR2 = 1691,
              kD = 1692, kC = 1693, kA = 1694, kK = 1695, kH1 = 1696, kH2 = 1697;

constexpr int kIBeam[] = {kH, kB, kTw, kTf, kR};
constexpr int kChannel[] = {kH, kB, kTw, kTf, kR};
constexpr int kTee[] = {kH, kB, kTw, kTf, kR};
constexpr int kZed[] = {kH, kB, kT, kR};
constexpr int kLipped[] = {kH, kB, kC, kT};
constexpr int kRoundTube[] = {kD, kT};
constexpr int kSquareTube[] = {kH, kT, kR};
constexpr int kRectangularTube[] = {kH, kB, kT, kR};
constexpr int kRoundBar[] = {kD};
// Angles: the fourth value (r1) is 0 or greater than the third (t); the simple editor checks it.
constexpr int kAngle[] = {kH, kB, kT, kR1, kR2};
constexpr int kFlat[] = {kB, kT};
constexpr int kSquareBar[] = {kB};
constexpr int kRail[] = {kH, kB, kK, kTw};
constexpr int kWelded[] = {kH, kB, kTw, kTf, kA};
constexpr int kColdAngle[] = {kH, kB, kT, kR};
constexpr int kElliptical[] = {kH, kB, kT};
constexpr int kBulb[] = {kB, kT, kC};
constexpr int kCastellated[] = {kH, kB, kTw, kTf};
constexpr int kTapered[] = {kH1, kH2, kB, kTw, kTf};

// Types 1 to 17 are named by host texts 719 to 735, types 18 to 24 by 1677 to 1683.
const SectionTypeInfo kSectionTypes[kSectionTypeCount] = {
    // number  name   value labels
    {1,  719,  kIBeam},          // I section
    {2,  720,  kChannel},        // U channel
    {3,  721,  kTee},            // T section
    {4,  722,  kZed},            // Z section
    {5,  723,  kLipped},         // C section
    {6,  724,  kRoundTube},      // round tube
    {7,  725,  kSquareTube},     // square tube
    {8,  726,  kRectangularTube},// rectangular tube
    {9,  727,  kRoundBar},       // round bar
    {10, 728,  kAngle},          // angle
    {11, 729,  kFlat},           // flat bar
    {12, 730,  kSquareBar},      // square bar
    {13, 731,  kLipped},         // sigma section
    {14, 732,  kLipped},         // omega section
    {15, 733,  kRail},           // rail
    {16, 734,  kWelded},         // welded I section
    {17, 735,  kLipped},         // hat section
    {18, 1677, kColdAngle},      // cold-formed angle
    {19, 1678, kLipped},         // cold-formed Z
    {20, 1679, kIBeam},          // half I section
    {21, 1680, kElliptical},     // elliptical tube
    {22, 1681, kBulb},           // bulb flat
    {23, 1682, kCastellated},    // castellated beam
    {24, 1683, kTapered},        // tapered I section
};

Ork_String shownName(const SectionTypeInfo& type) { return u"<" + dialString(type.nameText) + u">"; }

} // namespace

const SectionTypeInfo* findSectionType(int number) {
    return number >= 1 && number <= kSectionTypeCount ? &kSectionTypes[number - 1] : nullptr;
}

int sectionTypeNumber(const Ork_String& typeText) {
    if (typeText.isEmpty() || typeText.size() > 2)
        return 0;
    int number = 0;
    for (char16_t c : typeText) {
        if (c < u'0' || c > u'9')
            return 0;
        number = number * 10 + (c - u'0');
    }
    return findSectionType(number) ? number : 0;
}

Ork_String sectionTypeShown(const Ork_String& typeText) {
    const SectionTypeInfo* type = findSectionType(sectionTypeNumber(typeText));
    return type ? shownName(*type) : typeText;
}

Ork_String sectionTypeStored(const Ork_String& shown) {
    for (const SectionTypeInfo& type : kSectionTypes)
        if (shownName(type) == shown)
            return Ork_String(type.number);
    return shown;
}

Ork_StringArray sectionTypeShownNames() {
    Ork_StringArray names;
    for (const SectionTypeInfo& type : kSectionTypes)
        names.append(shownName(type));
    return names;
}

Ork_StringArray sectionTypeValueLabels(int number) {
    Ork_StringArray labels;
    if (const SectionTypeInfo* type = findSectionType(number))
        for (int text : type->labels)
            labels.append(dialString(text));
    return labels;
}
