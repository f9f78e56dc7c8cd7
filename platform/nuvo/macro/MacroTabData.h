#pragma once
// One tab of a macro dialog (the dialog side of one module group): the values it shows, the bolt patterns
// with their counts, the bolt record, the profile groups and the flex / fix buttons of its distances.
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/macro/MacroTabRecords.h"

#include <optional>

class MacroTabData {
public:
    Ork_String name;
    Ork_Array<MacroCellData> cells;
    Ork_Array<MacroPatternData> patterns;
    std::optional<MacroBoltData> bolt;
    Ork_Array<MacroProfData> profiles;
    Ork_Array<MacroFlexFixData> flexFix;

    virtual ~MacroTabData() = default;

    // The bolt record; null when the tab has none (it belongs to no bolt module).
    MacroBoltData* getBoltData() { return bolt ? &*bolt : nullptr; }
    const MacroBoltData* getBoltData() const { return bolt ? &*bolt : nullptr; }

    MacroCellData* findCell(const Ork_String& cell);
    MacroPatternData* findPattern(const Ork_String& pattern);

    // The merged properties of a profile group; false (record untouched) when the tab has no such group.
    bool getMergedPropsOfGroup(const Ork_String& group, MacroProfData& props) const;
    // Stores them back (the group name stays); false when the tab has no such group.
    bool setMergedPropsOfGroup(const Ork_String& group, const MacroProfData& props);

    // The button of a distance: `first` is true when the distance is fixed, `second` when it is flexible.
    // False (flags untouched) when the distance has no button.
    bool getFlexFixBtnStatus(const Ork_String& constraint, bool& first, bool& second) const;
    // One press: a flexible distance becomes fixed and a fixed one flexible. `byUser` tells a person's press
    // from one made by a program; both act alike. False when the distance has no button.
    bool flexFixBtnClicked(const Ork_String& constraint, bool byUser);
};
