#pragma once
// The kinds of control a designed page holds, and what follows from the kind alone: the window class it is
// created in and the host texts the designer labels it with.
//
// A page read from a file may carry a type outside 0 to 30 (written by a newer designer, or damaged). It is
// kept as read, created as a plain static text, and never used to index a table here.
#include "nuvo/Ork_String.h"

#include <cstdint>

enum Ork_ControlType : std::int32_t {
    ctLabel = 0,
    ctGroupBox = 1,
    ctCellEdit = 2,
    ctCellCombo = 3,
    ctPatternCount1 = 4,
    ctPatternCount2 = 5,
    ctPatternButton = 6,
    ctBoltCombo = 7,
    ctBoltEdit1 = 8,
    ctBoltEdit2 = 9,
    ctBoltEdit3 = 10,
    ctBoltEdit4 = 11,
    ctBoltButton = 12,
    ctProfileCombo = 13,
    ctProfileButton = 14,
    ctOffsetTypeCombo = 15,
    ctProfileRotationCombo = 16,
    ctProfileMoreButton = 17,
    ctArrayEdit1 = 18,
    ctArrayEdit2 = 19,
    ctArrayEdit3 = 20,
    ctArrayEdit4 = 21,
    ctArrayEdit5 = 22,
    ctArrayEntryEdit = 23,
    ctArrayButton = 24,
    ctCalcButtonFactor = 25,
    ctCalcButtonCell = 26,
    ctChoiceCombo = 27,
    ctCutCombo = 28,
    ctCellCheck = 29,
    ctFlexButton = 30,
};

constexpr int kNrControlTypes = 31;

constexpr bool isKnownControlType(int type) { return type >= 0 && type < kNrControlTypes; }

enum class Ork_ControlClass { Static, Edit, ComboBox, Button };

// The window class a control of this type is created in; STATIC for a type outside the table.
Ork_ControlClass controlClassOf(int type);
// The class's window-class name ("STATIC", "EDIT", "COMBOBOX", "BUTTON").
const char16_t* controlClassName(Ork_ControlClass cls);
constexpr bool isMultiLineType(int type) { return type == ctPatternCount1 || type == ctPatternCount2; }
constexpr bool isEditableComboType(int type) { return type == ctCellCombo || type == ctProfileRotationCombo; }

// The name of the type in the designer's type list (types 4 and 5 add their count number); empty outside
// the table.
Ork_String controlTypeText(int type);
// The host text that labels the contents box for this type; 0 where it has none.
int contentsLabelTextId(int type);
// The label of the extra box (host texts joined by ";"); empty where the type has no extra box.
Ork_String extraLabelText(int type);
