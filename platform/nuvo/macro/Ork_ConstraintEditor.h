#pragma once
// What the macro definition editor shows and edits of one constraint beyond its name and value: the command
// that made it (its kind), the two objects it ties, which of the editor's fields apply to it, its option list,
// its image buttons and their exclusive-group selections, and whether it carries a cut that can be edited.
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

struct Ork_ConstraintEditor {
    // The editor's fields a constraint may offer (its `properties` list them).
    enum Property { kValue = 0, kName = 1, kOptions = 2, kFlags = 3 };
    // The marker in an image list that closes an exclusive group of image buttons.
    static constexpr const char16_t* kRadioBreak = u"%radioBreak%";

    int id = 0;                      // unique within the macro; 0 until the database macro gives one
    int kind = 0;                    // the drawing command that made it, 0..10
    Ork_String object1, object2;     // the geometry it ties
    AcArray<int> properties{Property::kValue, Property::kName, Property::kFlags};
    Ork_StringArray options;
    int selectedOption = -1;
    Ork_StringArray images;          // bitmap paths and kRadioBreak markers
    AcArray<int> groupSelections;    // 1-based button of each exclusive group
    bool hasCut = false;

    bool offers(int property) const { return properties.find(property) >= 0; }
};
