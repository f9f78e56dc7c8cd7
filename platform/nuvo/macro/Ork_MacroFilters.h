#pragma once
// The filters of a macro definition: which members the macro may be attached to, in four kinds of entries
// whose names the host gives (one per base profile, say); the macro settings dialog switches entries on and
// off and edits their numbers. Also the filter properties (accepted values and a picture per property) and
// the standards spreadsheets mapped to the macro. What the entries mean is the host's filter evaluation.
//
// Each kind keeps parallel per-entry arrays, as the host hands them to the dialog; a reader never trusts their
// lengths to agree.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_StringArray.h"

struct Ork_MacroFilters {
    bool firstEnabled = false;    // the axis-angle and section-angle filters
    bool secondEnabled = false;   // the path-distance and section-size filters

    // On the angle of the member axis: a mode (0 or 1) and two values per entry.
    Ork_StringArray axisNames;
    AcArray<bool> axisActive;
    AcArray<int> axisModes;
    AcArray<double> axisFirst;
    AcArray<double> axisSecond;

    // On the angle of the section: ranges as pairs (from, to, from, to ...) per entry.
    Ork_StringArray sectionNames;
    AcArray<bool> sectionActive;
    Ork_Array<AcArray<double>> sectionRanges;

    // On the path distance: two values per entry.
    Ork_StringArray pathNames;
    AcArray<bool> pathActive;
    AcArray<double> pathFirst;
    AcArray<double> pathSecond;

    // On the section size: four values per entry.
    static constexpr int kSizeValues = 4;
    Ork_StringArray sizeNames;
    AcArray<bool> sizeActive;
    Ork_Array<AcArray<double>> sizeValues;
};
bool operator==(const Ork_MacroFilters& a, const Ork_MacroFilters& b);

// Lists of accepted values per filter property, with the picture (a design's name) each shows.
struct Ork_FilterProperties {
    Ork_StringArray names;
    Ork_Array<Ork_StringArray> values;
    Ork_StringArray images;
};
bool operator==(const Ork_FilterProperties& a, const Ork_FilterProperties& b);

// The standards spreadsheets that belong to the macro: a name relative to the standards folder (without
// ".kvs") and a key: "Module." + a module name, the key of the sheet's entire-macro mapping in its mapping
// file, or empty (entire macro, nothing stored yet).
struct Ork_SheetMappings {
    Ork_StringArray names;
    Ork_StringArray keys;
};
bool operator==(const Ork_SheetMappings& a, const Ork_SheetMappings& b);
