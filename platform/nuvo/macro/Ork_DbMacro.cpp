#include "nuvo/macro/Ork_DbMacro.h"

#include "cadhost/Drawing.h"

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

namespace {

// The database macros alive in the process: the host's object table. One thread, as the host has.
std::vector<Ork_DbMacro*>& liveMacros() {
    static std::vector<Ork_DbMacro*> live;
    return live;
}

void giveId(AcDbObjectId& id) {
    if (id.isNull())
        id = cadhost::newObjectId();
}

} // namespace

Ork_DbMacro::Ork_DbMacro() : id_(cadhost::newObjectId()) { liveMacros().push_back(this); }

Ork_DbMacro::Ork_DbMacro(const Ork_Macro& macro) : Ork_DbMacro() { setMacro(macro); }

Ork_DbMacro::~Ork_DbMacro() {
    auto& live = liveMacros();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

void Ork_DbMacro::setMacro(const Ork_Macro& macro) {
    auto copy = std::make_unique<Ork_Macro>(macro);
    // A copy is a new database object: it must not answer to the ids of the original.
    for (Ork_Module& m : copy->modules) {
        for (Ork_BoltPattern& p : m.patterns)
            p.id.setNull();
        for (Ork_ProfilePlacement& p : m.placements)
            p.id.setNull();
        for (Ork_Geometry& g : m.geometry)
            g.id.setNull();
    }
    for (Ork_BaseProfile& b : copy->baseProfiles)
        b.id.setNull();
    macro_ = std::move(copy);
    assignIds();
}

void Ork_DbMacro::assignIds() {
    if (!macro_)
        return;
    // Constraint ids already given stay; a new one is above every id in use, and a repeated id (two
    // constraints of a file naming the same) is replaced, so each id selects one row.
    std::set<int> used;
    int highest = 0;
    for (Ork_Module& m : macro_->modules)
        for (Ork_Constraint& c : m.constraints) {
            if (c.editor.id > 0 && !used.insert(c.editor.id).second)
                c.editor.id = 0;
            highest = std::max(highest, c.editor.id);
        }
    for (Ork_Module& m : macro_->modules) {
        for (Ork_BoltPattern& p : m.patterns)
            giveId(p.id);
        for (Ork_ProfilePlacement& p : m.placements)
            giveId(p.id);
        for (Ork_Geometry& g : m.geometry)
            giveId(g.id);
        for (Ork_Constraint& c : m.constraints)
            if (c.editor.id <= 0 && highest < std::numeric_limits<int>::max())
                c.editor.id = ++highest;
    }
    for (Ork_BaseProfile& b : macro_->baseProfiles)
        giveId(b.id);
}

Ork_BoltPattern* Ork_DbMacro::findPatternById(AcDbObjectId id) {
    if (id.isNull())
        return nullptr;
    for (Ork_DbMacro* db : liveMacros()) {
        if (!db->macro_)
            continue;
        for (Ork_Module& m : db->macro_->modules)
            if (Ork_BoltPattern* p = m.findPattern(id))
                return p;
    }
    return nullptr;
}

Ork_ProfilePlacement* Ork_DbMacro::findPlacementById(AcDbObjectId id) {
    if (id.isNull())
        return nullptr;
    for (Ork_DbMacro* db : liveMacros()) {
        if (!db->macro_)
            continue;
        for (Ork_Module& m : db->macro_->modules)
            if (Ork_ProfilePlacement* p = m.findPlacement(id))
                return p;
    }
    return nullptr;
}

Ork_BaseProfile* Ork_DbMacro::findBaseProfileById(AcDbObjectId id) {
    if (id.isNull())
        return nullptr;
    for (Ork_DbMacro* db : liveMacros()) {
        if (!db->macro_)
            continue;
        for (Ork_BaseProfile& b : db->macro_->baseProfiles)
            if (b.id == id)
                return &b;
    }
    return nullptr;
}

Ork_DbMacro* Ork_DbMacro::findById(AcDbObjectId id) {
    if (id.isNull())
        return nullptr;
    for (Ork_DbMacro* db : liveMacros())
        if (db->id_ == id)
            return db;
    return nullptr;
}

const std::vector<Ork_DbMacro*>& Ork_DbMacro::all() { return liveMacros(); }

Ork_Geometry* Ork_DbMacro::findGeometryById(AcDbObjectId id, Ork_Module** module) {
    if (id.isNull())
        return nullptr;
    for (Ork_DbMacro* db : liveMacros()) {
        if (!db->macro_)
            continue;
        for (Ork_Module& m : db->macro_->modules)
            for (Ork_Geometry& g : m.geometry)
                if (g.id == id) {
                    if (module)
                        *module = &m;
                    return &g;
                }
    }
    return nullptr;
}
