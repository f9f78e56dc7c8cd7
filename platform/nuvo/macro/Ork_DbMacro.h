#pragma once
// A macro as a drawing database object. It owns the macro record and gives every bolt pattern, profile
// placement and base profile in it an object id, by which the host's accessors find them.
//
// A database object exists once: it cannot be copied. Ids are looked up among all database macros alive in
// the process, so an id stays valid exactly as long as the database macro that holds its object.
#include "cadhost/AcDbObjectId.h"
#include "nuvo/macro/Ork_Macro.h"

#include <memory>
#include <vector>

class Ork_DbMacro {
public:
    Ork_DbMacro();
    explicit Ork_DbMacro(const Ork_Macro& macro);
    ~Ork_DbMacro();
    Ork_DbMacro(const Ork_DbMacro&) = delete;
    Ork_DbMacro& operator=(const Ork_DbMacro&) = delete;

    // The macro, or null when the database object holds none.
    Ork_Macro* macroWrite() { return macro_.get(); }
    const Ork_Macro* macro() const { return macro_.get(); }
    // Replaces the macro with a copy of `macro` and gives its objects fresh ids.
    void setMacro(const Ork_Macro& macro);
    void clearMacro() { macro_.reset(); }
    // Gives a fresh id to every pattern, placement, base profile and geometry object that has none, and a
    // constraint id unique within the macro to every constraint that has none (after objects were added
    // through macroWrite()).
    void assignIds();

    // The database object's own id, fresh for every database macro.
    AcDbObjectId objectId() const { return id_; }
    // The live database macro with that id; null for the null id or one no live macro has.
    static Ork_DbMacro* findById(AcDbObjectId id);
    // Every live database macro, in the order they were made.
    static const std::vector<Ork_DbMacro*>& all();
    // The live geometry object with that id (with the module that holds it); null when none has it.
    static Ork_Geometry* findGeometryById(AcDbObjectId id, Ork_Module** module = nullptr);

    // The objects with that id among all live database macros; null when none has it.
    static Ork_BoltPattern* findPatternById(AcDbObjectId id);
    static Ork_ProfilePlacement* findPlacementById(AcDbObjectId id);
    static Ork_BaseProfile* findBaseProfileById(AcDbObjectId id);

private:
    std::unique_ptr<Ork_Macro> macro_;
    AcDbObjectId id_;
};
