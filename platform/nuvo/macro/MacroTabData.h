#pragma once
// One tab of a macro dialog (the dialog side of one module group): the values it shows, the bolt patterns
// with their counts, the bolt record, the profile groups, arrays, cuts, the block choice, the flex / fix
// buttons of its distances and its segmented profiles, each with the reference of what shows it.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/macro/MacroTabRecords.h"

#include <optional>

// The change codes `differences` gives, the codes UpdateModule receives. A cell's code is its index (0 and
// up); the other records have negative codes: one code for the bolt record, the block choice, the flex / fix
// states and the segmented profiles each, -13 for any profile placement, and a code per pattern, pattern
// properties, array and cut (its index below 1000 added to the base: pattern 2 is -1002).
namespace macrochange {
inline constexpr int kBolt = -1;
inline constexpr int kBlock = -2;
inline constexpr int kFlexFix = -3;
inline constexpr int kSegments = -4;
inline constexpr int kProfile = -13;  // what the host has always received for a profile's placement
inline constexpr int kPatternBase = -1000;
inline constexpr int kPatternPropsBase = -2000;
inline constexpr int kArrayBase = -3000;
inline constexpr int kCutBase = -4000;
inline constexpr int kPerKind = 1000;  // records of one kind beyond this share the last code
} // namespace macrochange

class MacroTabData {
public:
    // Tab types: 0, 1 (with a bolt record) and 3 give a general page, 2 a profile page, others no page.
    enum : int { kGeneral = 0, kBoltTab = 1, kProfileTab = 2, kGeneralOther = 3 };

    Ork_String name;     // the module group the tab shows
    int type = kGeneral;
    Ork_String caption;  // the tab's text; the name when empty
    Ork_String designFile;  // the designed page, a full path in the design folder; empty: values in the grid
    AcDbObjectId workingObject;  // a drawing object the tab's dialogs made while they ran, or null
    Ork_Array<MacroCellData> cells;
    Ork_Array<MacroPatternData> patterns;
    std::optional<MacroBoltData> bolt;
    Ork_Array<MacroProfData> profiles;  // one per profile group: its merged properties and its members
    Ork_Array<MacroFlexFixData> flexFix;
    Ork_Array<MacroArrayData> arrays;
    Ork_Array<MacroCutData> cuts;
    std::optional<MacroBlockData> block;
    Ork_Array<MacroProfSegmentedData> segments;

    virtual ~MacroTabData() = default;

    Ork_String shownCaption() const { return caption.isEmpty() ? name : caption; }

    // The bolt record; null when the tab has none (it belongs to no bolt module).
    MacroBoltData* getBoltData() { return bolt ? &*bolt : nullptr; }
    const MacroBoltData* getBoltData() const { return bolt ? &*bolt : nullptr; }

    // ---- Look-ups by name; null when there is none
    MacroCellData* findCell(const Ork_String& cell);
    MacroCellData* findCellWithName(const Ork_String& cell) { return findCell(cell); }
    MacroPatternData* findPattern(const Ork_String& pattern);
    MacroPatternData* findPatternWithName(const Ork_String& pattern) { return findPattern(pattern); }
    MacroProfData* findProfDataWithGroup(const Ork_String& group);
    MacroArrayData* findArrayWithName(const Ork_String& array);
    MacroCutData* findCutWithName(const Ork_String& cut);

    // ---- Look-ups by the designed button that shows the record; null when none has that reference
    MacroArrayData* findArrayWithBtnId(int id);
    MacroPatternData* findPatternWithBtnId(int id);
    // A group whose section-pick (type 14) or advanced (type 17) button has that identifier.
    MacroProfData* findProfDataWithButtonId(int id);
    // The pattern or array whose grid row is `row` (1-based).
    MacroPatternData* findPatternWithRow(int row);
    MacroArrayData* findArrayWithRow(int row);

    // ---- Profile groups
    // The merged properties of a group; false (record untouched) when the tab has no such group.
    bool getMergedPropsOfGroup(const Ork_String& group, MacroProfData& props) const;
    // Stores a placement for the group and every profile of it (the group name, members and references stay);
    // a text the record holds as mixed leaves each profile's own. False when the tab has no such group.
    bool setMergedPropsOfGroup(const Ork_String& group, const MacroProfData& props);
    void getProfGroups(Ork_StringArray& groups) const;
    // The profile objects of a group, in order; false when there is no such group.
    bool getProfIdsOfGroup(const Ork_String& group, AcArray<AcDbObjectId>& ids) const;
    // The record of profile `index` of a group; false when either is missing.
    bool getProfDataIndx(const Ork_String& group, int index, MacroProfData& data) const;
    bool setProfDataIndx(const Ork_String& group, int index, const MacroProfData& data);
    // True when the tab has groups and every one of them is shown with its own advanced button (type 17).
    bool advBtnForEveryGroup() const;
    bool hasSegmentedProfs() const { return !segments.isEmpty(); }

    // ---- Flex / fix buttons
    // The button of a distance: `first` is true when the distance is fixed, `second` when it is flexible.
    // False (flags untouched) when the distance has no button.
    bool getFlexFixBtnStatus(const Ork_String& constraint, bool& first, bool& second) const;
    // One press: a flexible distance becomes fixed and a fixed one flexible. `byUser` tells a person's press
    // from one made by a program; both act alike. False when the distance has no button.
    bool flexFixBtnClicked(const Ork_String& constraint, bool byUser);
    // A button standing checked means flexible: sets the entry of `group` accordingly. True when the state
    // changed; false when it was already so or there is no such entry.
    bool flexFixBtnClicked(const Ork_String& group, const Ork_String& entry, bool checked);
    bool hasBtnFlexFix(const Ork_String& entry) const;
    // The entries of a group, in order; false when it has none.
    bool findFlexFixGroup(const Ork_String& group, Ork_Array<MacroFlexFixData>& entries) const;

    // ---- The dialog
    // Clears every dialog reference of the tab (before a page is built).
    void removeAllDlgReferences();
    // The change codes (see macrochange) of what differs from `before`: `changed` the values that changed,
    // `unchanged` those whose text changed but whose number stayed ("10" to "10.0"), so the host stores the
    // text and keeps the geometry. Both empty when nothing differs.
    void differences(const MacroTabData& before, AcArray<int>& changed, AcArray<int>& unchanged) const;
};
