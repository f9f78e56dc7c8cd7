#pragma once
// The small records a macro dialog tab holds: value cells, bolt pattern counts, the bolt record, profile
// groups, arrays, cuts, the block choice, flex / fix buttons and segmented profiles. Values are texts, as the
// dialog shows them.
//
// Each value record carries its dialog reference (`dlgRef...`): a positive number is the identifier of the
// designed control that shows the value, -r is row r of the tab's value grid, 0 means it is not shown. The
// references belong to the dialog that shows the tab; they are never stored in a file.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/records/DynArrayData.h"

#include <vector>

// How a cell's value is edited in the value grid.
enum MacroCellKind : int { mckEdit = 0, mckCombo = 1, mckCheck = 2 };
inline constexpr int kMacroCellKindCount = 3;

// One value of the tab.
struct MacroCellData {
    Ork_String name;
    Ork_String value;
    int kind = mckEdit;
    Ork_StringArray items;  // the choices of a combo cell
    bool readOnly = false;
    int dlgRef = 0;
};

// One direction of a bolt pattern as the pattern dialog edits it.
struct MacroPatternDirection {
    int offsetType = 0;  // -1 mixed
    int triState = 0;    // 0, 1, -1 mixed
    Ork_String text1;
    Ork_String text2;
    bool on = false;
    Ork_StringArray values;
};

// The properties of one bolt pattern behind its dialog button.
struct MacroPatternProps {
    static constexpr int kOneDirection = 1;  // the second direction, the 1051 flag and the alternation are read-only

    MacroPatternDirection first;
    MacroPatternDirection second;
    int triState1051 = 0;
    int alternation[3] = {0, 0, 0};
    int patternType = kOneDirection;

    // The number of values of direction 1 or 2; -1 for a direction the pattern does not have (the second of
    // a pattern in one direction, or any other number).
    int getCount(int direction) const;
};

// The bolt counts of one pattern, per direction; the second direction only for a two-directional pattern.
struct MacroPatternData {
    Ork_String name;
    Ork_String nrBolts1;
    Ork_String nrBolts2;
    bool twoDirections = false;
    bool hasDialog = false;  // the pattern offers its properties dialog (a button)
    MacroPatternProps props;
    int dlgRef1 = 0;
    int dlgRef2 = 0;
    int dlgRefButton = 0;

    // Whether the second count is one the pattern has (its properties give a count for direction 2).
    bool acceptsSecondCount() const { return props.getCount(2) != -1; }
};

// One slotted hole of the bolt record.
struct MacroBoltSlot {
    int active = 0;  // 0, 1, 2 mixed
    Ork_String radius;
    Ork_String length;
    Ork_String angle;
    Ork_String fourth;
    int position = 0;  // in the three-entry slot list; -1 mixed
};

// The bolt settings of a bolt module's tab. Its five values, in the order designed controls 7 to 11 show
// them: assembly, diameter, hole tolerance, penetration length, added length.
struct MacroBoltData {
    static constexpr int kValueCount = 5;

    Ork_String assembly;
    Ork_String diameter;
    Ork_String holeTolerance;
    Ork_String penetration;
    Ork_String addedLength;
    int flags[4] = {0, 0, 0, 0};          // three-state: 0, 1, 2 mixed
    int extraCount = 0;                   // > 0: the extra option applies
    bool extraOption = false;
    int nutsWashers[5] = {-1, -1, -1, -1, -1};  // 0, 1, or -1 when the item does not apply
    AcArray<bool> holeFlags;
    Ork_StringArray holeTexts;
    std::vector<MacroBoltSlot> slots;
    int dlgRefs[kValueCount] = {0, 0, 0, 0, 0};
    int dlgRefButton = 0;

    // Value 0 to 4 (assembly ... added length); null outside.
    Ork_String* value(int index);
    const Ork_String* value(int index) const;
    // The holes as two parallel columns; setting takes as many holes as the shorter column has.
    void getHoleColumns(AcArray<bool>& flags, Ork_StringArray& texts) const;
    void setHoleColumns(const AcArray<bool>& flags, const Ork_StringArray& texts);
};

// A profile placement as the macro dialog and the advanced profile dialog show it: of one profile object, or
// merged for a group (a text field the profiles do not share holds the mixed-values text, 695).
struct MacroProfData {
    Ork_String name;            // the group name
    Ork_String section;
    Ork_String material;
    Ork_String ownedMemberName;
    Ork_String section2;        // a morphed profile's second section
    Ork_String morphText1;
    Ork_String morphText2;
    int offsetType = 0;
    bool offsetMixed = false;
    double xOffset = 0;
    double yOffset = 0;
    int orientation = 0;
    Ork_String rotation;        // "0", "90", "180", "270", mixed, or a typed angle
    Ork_String plane;           // empty: the world system; mixed; "xp", "yp", "zp"
    AcDbObjectId planeId;
    bool planeSet = false;      // a plane object was chosen (the base plane shows its entry 0)
    bool pointChosen = false;
    double point[3] = {0, 0, 0};
    int triState = 0;
    bool onSegment = false;
    int segment = 0;
    bool groupReadOnly = false;
    bool morphed = false;
    bool multiObject = false;
    AcDbObjectId objectId;      // the profile object of a member record
    std::vector<MacroProfData> members;  // a group's own profiles, each with its own record
    int dlgRefSection = 0;      // designed type 13
    int dlgRefPick = 0;         // 14
    int dlgRefOffset = 0;       // 15
    int dlgRefRotation = 0;     // 16
    int dlgRefAdvanced = 0;     // 17

    // Copies the placement (everything but the group name, the object, the members and the references).
    void copyPlacementFrom(const MacroProfData& other);
    // Whether the placements are equal (as copyPlacementFrom copies them).
    bool samePlacement(const MacroProfData& other) const;
};

// One dynamic array of the tab with its references: values 0 to 4 (designed types 18 to 22), one entry
// (type 23, the entry chosen by the control) and the dialog button (type 24).
struct MacroArrayData {
    DynArrayData data;
    int dlgRefs[6] = {0, 0, 0, 0, 0, 0};
    int dlgRefEntry = 0;
    int entryIndex = -1;
    int dlgRefButton = 0;
};

// One cut of the macro: its state is an index 0 to 4.
struct MacroCutData {
    static constexpr int kStateCount = 5;

    Ork_String name;
    int state = 0;
    int dlgRef = 0;
};

// The tab's block choice: which block drawing the module uses.
struct MacroBlockData {
    Ork_String current;  // the block's name without folder or extension
    int dlgRef = 0;
};

// The flex / fix button of a distance: a fixed distance keeps the value it is given; a flexible one follows
// the geometry. Buttons of one group are shown together.
struct MacroFlexFixData {
    Ork_String constraint;
    bool fixed = false;
    Ork_String group;
};

// One segmented profile: a profile along a polyline, broken at numbered points.
struct MacroProfSegmentedData {
    Ork_String name;
    Ork_String description;
    double clearance = 0;
    bool breakAtEveryPoint = false;
    AcArray<int> pointNumbers;
    AcArray<double> pointValues;
};

inline bool operator==(const MacroProfSegmentedData& a, const MacroProfSegmentedData& b) {
    return a.name == b.name && a.description == b.description && a.clearance == b.clearance &&
           a.breakAtEveryPoint == b.breakAtEveryPoint && a.pointNumbers == b.pointNumbers &&
           a.pointValues == b.pointValues;
}
