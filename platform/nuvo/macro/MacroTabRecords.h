#pragma once
// The small records a macro dialog tab holds: value cells, bolt pattern counts, the bolt record, profile
// groups and flex / fix buttons. All values are texts, as the dialog shows them.
#include "nuvo/Ork_String.h"

// One value of the tab's value grid.
struct MacroCellData {
    Ork_String name;
    Ork_String value;
};

// The bolt counts of one pattern, per direction; the second direction only for a two-directional pattern.
struct MacroPatternData {
    Ork_String name;
    Ork_String nrBolts1;
    Ork_String nrBolts2;
    bool twoDirections = false;
};

// The bolt settings of a bolt module's tab.
struct MacroBoltData {
    Ork_String diameter;
    Ork_String holeOffset;
};

// The merged properties of a profile group: what its profiles share, shown as one.
struct MacroProfData {
    Ork_String name;
    Ork_String section;
    Ork_String material;
    Ork_String ownedMemberName;
};

// The flex / fix button of a distance: a fixed distance keeps the value it is given; a flexible one follows
// the geometry.
struct MacroFlexFixData {
    Ork_String constraint;
    bool fixed = false;
};
