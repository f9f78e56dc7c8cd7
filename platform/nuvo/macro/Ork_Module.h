#pragma once
// One module of a macro on the database side: its constraints, cut constraints, and — by its type code — the
// bolt patterns of a bolt module (232) or the profile placements of a profile module (233).
//
// A module belongs to a module group named by `groupName`; a module with an empty group name forms a group
// of its own, named after the module.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "nuvo/macro/Ork_BoltPattern.h"
#include "nuvo/macro/Ork_Constraint.h"
#include "nuvo/macro/Ork_CutConstraint.h"
#include "nuvo/macro/Ork_Geometry.h"
#include "nuvo/macro/Ork_Variable.h"
#include "nuvo/macro/Ork_ProfilePlacement.h"

class Ork_Module {
public:
    static constexpr int kBoltModule = 232;
    static constexpr int kProfileModule = 233;

    Ork_String name;
    Ork_String groupName;
    int typeCode = 0;
    Ork_Array<Ork_Constraint> constraints;
    Ork_Array<Ork_CutConstraint> cuts;
    Ork_Array<Ork_BoltPattern> patterns;
    Ork_Array<Ork_ProfilePlacement> placements;
    // The definition editor's side of the module: its geometry, dimension variables and equations.
    Ork_Array<Ork_Geometry> geometry;
    Ork_Array<Ork_Variable> variables;
    Ork_Array<Ork_Dimension> dimensions;
    Ork_StringArray equations;

    virtual ~Ork_Module() = default;

    bool isBoltModule() const { return typeCode == kBoltModule; }
    bool isProfileModule() const { return typeCode == kProfileModule; }
    // The group name, or the module's own name when it has none: the name its dialog tab carries.
    const Ork_String& groupOrName() const { return groupName.isEmpty() ? name : groupName; }

    // Lookups by exact name (or id); null when absent.
    Ork_Constraint* findConstraint(const Ork_String& constraint);
    Ork_CutConstraint* findCut(const Ork_String& cut);
    Ork_BoltPattern* findPattern(const Ork_String& pattern);
    Ork_BoltPattern* findPattern(AcDbObjectId id);
    Ork_ProfilePlacement* findPlacement(const Ork_String& placement);
    Ork_ProfilePlacement* findPlacement(AcDbObjectId id);
};
