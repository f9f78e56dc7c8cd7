#include "nuvo/macro/Ork_Module.h"

namespace {

template <typename T, typename Pred>
T* findIn(Ork_Array<T>& items, Pred pred) {
    for (T& item : items)
        if (pred(item))
            return &item;
    return nullptr;
}

} // namespace

Ork_Constraint* Ork_Module::findConstraint(const Ork_String& constraint) {
    return findIn(constraints, [&](const Ork_Constraint& c) { return c.name == constraint; });
}

Ork_CutConstraint* Ork_Module::findCut(const Ork_String& cut) {
    return findIn(cuts, [&](const Ork_CutConstraint& c) { return c.name == cut; });
}

Ork_BoltPattern* Ork_Module::findPattern(const Ork_String& pattern) {
    return findIn(patterns, [&](const Ork_BoltPattern& p) { return p.name == pattern; });
}

Ork_BoltPattern* Ork_Module::findPattern(AcDbObjectId id) {
    if (id.isNull())
        return nullptr;
    return findIn(patterns, [&](const Ork_BoltPattern& p) { return p.id == id; });
}

Ork_ProfilePlacement* Ork_Module::findPlacement(const Ork_String& placement) {
    return findIn(placements, [&](const Ork_ProfilePlacement& p) { return p.name == placement; });
}

Ork_ProfilePlacement* Ork_Module::findPlacement(AcDbObjectId id) {
    if (id.isNull())
        return nullptr;
    return findIn(placements, [&](const Ork_ProfilePlacement& p) { return p.id == id; });
}
