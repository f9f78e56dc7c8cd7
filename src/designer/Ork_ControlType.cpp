#include "designer/Ork_ControlType.h"

#include "nuvo/hostTexts.h"

#include <array>
#include <initializer_list>

namespace {

// The type-list text of every type in value order; types 4 and 5 share 803 and add their number.
constexpr std::array<int, kNrControlTypes> kTypeTexts = {
    799, 800, 801, 802, 803, 803, 804, 805, 806, 807, 808, 809, 810, 811, 812, 813,
    814, 815, 816, 817, 818, 819, 820, 821, 822, 823, 1315, 1341, 1404, 1405, 1428,
};

constexpr std::array<int, kNrControlTypes> kContentsLabels = {
    827, 827, 828, 828, 829, 829, 829, 0,   0,   0,   0,   0,   0,    830, 830, 830,
    830, 830, 831, 831, 831, 831, 831, 831, 831, 827, 827, 0,  1406, 827, 1429,
};

Ork_String joinTexts(std::initializer_list<int> numbers) {
    Ork_String out;
    for (int n : numbers) {
        if (!out.isEmpty())
            out += u';';
        out += dialString(n);
    }
    return out;
}

} // namespace

Ork_ControlClass controlClassOf(int type) {
    switch (type) {
    case ctCellEdit: case ctPatternCount1: case ctPatternCount2:
    case ctBoltEdit1: case ctBoltEdit2: case ctBoltEdit3: case ctBoltEdit4:
    case ctArrayEdit1: case ctArrayEdit2: case ctArrayEdit3: case ctArrayEdit4: case ctArrayEdit5:
    case ctArrayEntryEdit:
        return Ork_ControlClass::Edit;
    case ctCellCombo: case ctBoltCombo: case ctProfileCombo: case ctOffsetTypeCombo: case ctProfileRotationCombo:
    case ctChoiceCombo: case ctCutCombo:
        return Ork_ControlClass::ComboBox;
    case ctGroupBox: case ctPatternButton: case ctBoltButton: case ctProfileButton: case ctProfileMoreButton:
    case ctArrayButton: case ctCalcButtonFactor: case ctCalcButtonCell: case ctCellCheck: case ctFlexButton:
        return Ork_ControlClass::Button;
    default:
        return Ork_ControlClass::Static;
    }
}

const char16_t* controlClassName(Ork_ControlClass cls) {
    switch (cls) {
    case Ork_ControlClass::Edit: return u"EDIT";
    case Ork_ControlClass::ComboBox: return u"COMBOBOX";
    case Ork_ControlClass::Button: return u"BUTTON";
    case Ork_ControlClass::Static: break;
    }
    return u"STATIC";
}

Ork_String controlTypeText(int type) {
    if (!isKnownControlType(type))
        return {};
    if (isMultiLineType(type))
        return dialString(803) + u' ' + (type == ctPatternCount1 ? u"1" : u"2") + u": " + string(2220);
    return dialString(kTypeTexts[static_cast<std::size_t>(type)]);
}

int contentsLabelTextId(int type) {
    return isKnownControlType(type) ? kContentsLabels[static_cast<std::size_t>(type)] : 0;
}

Ork_String extraLabelText(int type) {
    switch (type) {
    case ctLabel: case ctGroupBox: return dialString(1403);
    case ctCellCombo: return dialString(833);
    case ctArrayEntryEdit: return dialString(834);
    case ctChoiceCombo: return dialString(1342);
    case ctCellCheck: return dialString(828);
    case ctCalcButtonFactor: return joinTexts({1316, 1317, 1318, 1319});
    case ctCalcButtonCell: return joinTexts({1316, 1317, 1320, 1319});
    case ctFlexButton: return joinTexts({705, 1430, 1431});
    default: return {};
    }
}
