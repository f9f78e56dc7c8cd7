#include "nuvo/macro/macroJson.h"

#include "nuvo/hostJson.h"
#include "nuvo/jsonFields.h"
#include "nuvo/macro/macroJsonEditor.h"
#include "os/files.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <set>

using Json = nlohmann::ordered_json;

namespace {

constexpr int kFormatVersion = 1;
// The format nests five levels deep; anything much deeper is not a macro file, and refusing it early keeps
// the parser's work bounded.
constexpr int kMaxDepth = 16;

// The macro file's own fields beside the common ones: object identifiers and names that must differ.
class Reader : public nuvo::JsonFields {
public:
    bool objectId(const Json& j, const char* key, AcDbObjectId& out, const std::string& where) {
        int v = 0;
        if (!whole(j, key, v, where, 0, std::numeric_limits<int>::max()))
            return false;
        if (j.contains(key))
            out = AcDbObjectId(v);
        return true;
    }

    bool unique(std::set<Ork_String>& seen, const Ork_String& name, const std::string& where, const char* what) {
        if (!seen.insert(name).second)
            return fail(where, std::string("a second ") + what + " named \"" + name.utf8() + "\"");
        return true;
    }
};

bool readConstraint(Reader& r, const Json& j, const std::string& w, Ork_Constraint& c) {
    return r.object(j, w, {"name", "value", "dialogFirst", "dialogSecond"}) && r.text(j, "name", c.name, w, true) &&
           r.number(j, "value", c.value, w) && r.flag(j, "dialogFirst", c.dialogFirst, w) &&
           r.flag(j, "dialogSecond", c.dialogSecond, w);
}

bool readCut(Reader& r, const Json& j, const std::string& w, Ork_CutConstraint& c) {
    if (!r.object(j, w, {"name", "type", "offsets"}) || !r.text(j, "name", c.name, w, true))
        return false;
    if (!j.contains("type"))
        return r.fail(w, "\"type\" is missing");
    if (!r.whole(j, "type", c.constraintType, w, 0, Ork_CutConstraint::kConstraintTypeCount - 1))
        return false;
    auto offsets = j.find("offsets");
    if (offsets == j.end())
        return true;
    const std::string place = w + ".offsets";
    if (!offsets->is_object())
        return r.fail(place, "an object is expected");
    for (auto it = offsets->begin(); it != offsets->end(); ++it) {
        const int type = Ork_CutConstraint::offsetTypeFromName(Ork_String::fromUtf8(it.key()));
        if (type < 0)
            return r.fail(place, "unknown offset \"" + it.key() + "\"");
        if (!Ork_CutConstraint::offers(c.constraintType, type))
            return r.fail(place + "." + it.key(),
                          "cut type " + std::to_string(c.constraintType) + " has no such offset");
        double value = 0;
        if (!r.number(*offsets, it.key().c_str(), value, place))
            return false;
        c.offsets[static_cast<std::size_t>(type)] = value;
    }
    return true;
}

bool readPattern(Reader& r, const Json& j, const std::string& w, Ork_BoltPattern& p) {
    int directions = 1;
    if (!r.object(j, w, {"name", "directions", "reverse1", "reverse2"}) || !r.text(j, "name", p.name, w, true) ||
        !r.whole(j, "directions", directions, w, 1, 2) || !r.flag(j, "reverse1", p.reverseStart1, w) ||
        !r.flag(j, "reverse2", p.reverseStart2, w))
        return false;
    p.typeCode = directions == 2 ? Ork_BoltPattern::kTwoDirections : Ork_BoltPattern::kOneDirection;
    if (directions == 1 && j.contains("reverse2"))
        return r.fail(w + ".reverse2", "a pattern in one direction has no second direction");
    return true;
}

bool readPlacement(Reader& r, const Json& j, const std::string& w, Ork_String& name, Ork_String& section,
                   Ork_String& material, Ork_String& owned, bool nameRequired = true) {
    return r.object(j, w, {"name", "section", "material", "ownedMember"}) &&
           r.text(j, "name", name, w, nameRequired) &&
           r.text(j, "section", section, w) && r.text(j, "material", material, w) &&
           r.text(j, "ownedMember", owned, w);
}

bool readModule(Reader& r, const Json& j, const std::string& w, Ork_Module& m) {
    if (!r.object(j, w, {"name", "group", "type", "constraints", "cuts", "patterns", "placements"}) ||
        !r.text(j, "name", m.name, w, true) || !r.text(j, "group", m.groupName, w) ||
        !r.whole(j, "type", m.typeCode, w, 0, std::numeric_limits<int>::max()))
        return false;
    if (j.contains("patterns") && !m.isBoltModule())
        return r.fail(w + ".patterns", "only a bolt module (type 232) has bolt patterns");
    if (j.contains("placements") && !m.isProfileModule())
        return r.fail(w + ".placements", "only a profile module (type 233) has profile placements");
    std::set<Ork_String> constraints, cuts, patterns, placements;
    return r.array(j, "constraints", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_Constraint c;
                       if (!readConstraint(r, e, p, c) || !r.unique(constraints, c.name, p, "constraint"))
                           return false;
                       m.constraints.append(c);
                       return true;
                   }) &&
           r.array(j, "cuts", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_CutConstraint c;
                       if (!readCut(r, e, p, c) || !r.unique(cuts, c.name, p, "cut"))
                           return false;
                       m.cuts.append(c);
                       return true;
                   }) &&
           r.array(j, "patterns", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_BoltPattern b;
                       if (!readPattern(r, e, p, b) || !r.unique(patterns, b.name, p, "pattern"))
                           return false;
                       m.patterns.append(b);
                       return true;
                   }) &&
           r.array(j, "placements", w, [&](const Json& e, const std::string& p) {
               // A placement may be unnamed; such a placement cannot be reached by name.
               Ork_ProfilePlacement pl;
               if (!readPlacement(r, e, p, pl.name, pl.section, pl.material, pl.ownedMemberName, false) ||
                   (!pl.name.isEmpty() && !r.unique(placements, pl.name, p, "placement")))
                   return false;
               m.placements.append(pl);
               return true;
           });
}

bool readPatternProps(Reader& r, const Json& j, const std::string& w, MacroPatternProps& p) {
    auto direction = [&](const char* key, MacroPatternDirection& d) {
        auto it = j.find(key);
        if (it == j.end())
            return true;
        const std::string place = Reader::at(w, key);
        return r.object(*it, place, {"offsetType", "triState", "text1", "text2", "on", "values"}) &&
               r.whole(*it, "offsetType", d.offsetType, place, -1, 2) &&
               r.whole(*it, "triState", d.triState, place, -1, 1) && r.text(*it, "text1", d.text1, place) &&
               r.text(*it, "text2", d.text2, place) && r.flag(*it, "on", d.on, place) &&
               r.texts(*it, "values", d.values, place);
    };
    return r.object(j, w, {"first", "second", "triState", "alternation"}) && direction("first", p.first) &&
           direction("second", p.second) && r.whole(j, "triState", p.triState1051, w, -1, 1) &&
           r.wholes(j, "alternation", p.alternation, 3, w, -1, 1);
}

bool readBolt(Reader& r, const Json& b, const std::string& p, MacroBoltData& bolt) {
    if (!r.object(b, p, {"assembly", "diameter", "holeOffset", "penetration", "addedLength", "flags", "extraCount",
                         "extraOption", "nutsWashers", "holes", "slots"}) ||
        !r.text(b, "assembly", bolt.assembly, p) || !r.text(b, "diameter", bolt.diameter, p) ||
        !r.text(b, "holeOffset", bolt.holeTolerance, p) || !r.text(b, "penetration", bolt.penetration, p) ||
        !r.text(b, "addedLength", bolt.addedLength, p) || !r.wholes(b, "flags", bolt.flags, 4, p, 0, 2) ||
        !r.whole(b, "extraCount", bolt.extraCount, p, 0, std::numeric_limits<int>::max()) ||
        !r.flag(b, "extraOption", bolt.extraOption, p) || !r.wholes(b, "nutsWashers", bolt.nutsWashers, 5, p, -1, 1))
        return false;
    return r.array(b, "holes", p,
                   [&](const Json& e, const std::string& q) {
                       bool on = false;
                       Ork_String text;
                       if (!r.object(e, q, {"on", "text"}) || !r.flag(e, "on", on, q) || !r.text(e, "text", text, q))
                           return false;
                       bolt.holeFlags.append(on);
                       bolt.holeTexts.append(text);
                       return true;
                   }) &&
           r.array(b, "slots", p, [&](const Json& e, const std::string& q) {
               MacroBoltSlot s;
               if (!r.object(e, q, {"active", "radius", "length", "angle", "fourth", "position"}) ||
                   !r.whole(e, "active", s.active, q, 0, 2) || !r.text(e, "radius", s.radius, q) ||
                   !r.text(e, "length", s.length, q) || !r.text(e, "angle", s.angle, q) ||
                   !r.text(e, "fourth", s.fourth, q) || !r.whole(e, "position", s.position, q, -1, 2))
                   return false;
               bolt.slots.push_back(s);
               return true;
           });
}

// A profile group's merged placement, or (`member`) one profile of it with its object.
bool readProfile(Reader& r, const Json& e, const std::string& p, MacroProfData& d, bool member) {
    std::initializer_list<const char*> keys = {
        "name", "section", "material", "ownedMember", "section2", "morphText1", "morphText2", "offsetType",
        "offsetMixed", "xOffset", "yOffset", "orientation", "rotation", "plane", "planeObject", "pointChosen",
        "point", "triState", "onSegment", "segment", "groupReadOnly", "morphed", "multiObject", "object", "members"};
    if (!r.object(e, p, keys) || !r.text(e, "name", d.name, p, !member) || !r.text(e, "section", d.section, p) ||
        !r.text(e, "material", d.material, p) || !r.text(e, "ownedMember", d.ownedMemberName, p) ||
        !r.text(e, "section2", d.section2, p) || !r.text(e, "morphText1", d.morphText1, p) ||
        !r.text(e, "morphText2", d.morphText2, p) || !r.whole(e, "offsetType", d.offsetType, p, 0, 1000) ||
        !r.flag(e, "offsetMixed", d.offsetMixed, p) || !r.number(e, "xOffset", d.xOffset, p) ||
        !r.number(e, "yOffset", d.yOffset, p) || !r.whole(e, "orientation", d.orientation, p, 0, 1000) ||
        !r.text(e, "rotation", d.rotation, p) || !r.text(e, "plane", d.plane, p) ||
        !r.objectId(e, "planeObject", d.planeId, p) || !r.flag(e, "pointChosen", d.pointChosen, p) ||
        !r.whole(e, "triState", d.triState, p, -1, 1) || !r.flag(e, "onSegment", d.onSegment, p) ||
        !r.whole(e, "segment", d.segment, p, 0, std::numeric_limits<int>::max()) ||
        !r.flag(e, "groupReadOnly", d.groupReadOnly, p) || !r.flag(e, "morphed", d.morphed, p) ||
        !r.flag(e, "multiObject", d.multiObject, p) || !r.objectId(e, "object", d.objectId, p))
        return false;
    d.planeSet = !d.planeId.isNull();
    if (auto pt = e.find("point"); pt != e.end()) {
        const std::string place = p + ".point";
        if (!pt->is_array() || pt->size() != 3)
            return r.fail(place, "an array of 3 numbers is expected");
        for (std::size_t i = 0; i < 3; ++i) {
            if (!(*pt)[i].is_number() || !std::isfinite((*pt)[i].get<double>()))
                return r.fail(place + "[" + std::to_string(i) + "]", "a finite number is expected");
            d.point[i] = (*pt)[i].get<double>();
        }
    }
    if (member && e.contains("members"))
        return r.fail(p + ".members", "a profile of a group has no members of its own");
    return r.array(e, "members", p, [&](const Json& m, const std::string& q) {
        MacroProfData own;
        if (!readProfile(r, m, q, own, true))
            return false;
        own.name = d.name;
        d.members.push_back(own);
        return true;
    });
}

bool readArray(Reader& r, const Json& e, const std::string& p, MacroArrayData& a) {
    DynArrayData& d = a.data;
    if (!r.object(e, p, {"name", "kind", "dimNames", "kindText", "values", "flag1", "flag2", "entries"}) ||
        !r.text(e, "name", d.name, p, true) || !r.whole(e, "kind", d.kind, p, -1, 3) ||
        !r.texts(e, "dimNames", d.dimNames, p) || !r.text(e, "kindText", d.kindText, p) ||
        !r.texts(e, "values", d.values, p) || !r.whole(e, "flag1", d.flag1, p, -1, 1) ||
        !r.whole(e, "flag2", d.flag2, p, -1, 1))
        return false;
    if (d.dimNames.length() > 3)
        return r.fail(p + ".dimNames", "an array has at most 3 dimension names");
    if (d.values.length() > 6)
        return r.fail(p + ".values", "an array has at most 6 values");
    return r.array(e, "entries", p, [&](const Json& x, const std::string& q) {
        int kind = 0;
        bool flag = false;
        Ork_String text;
        if (!r.object(x, q, {"kind", "flag", "text"}) || !r.whole(x, "kind", kind, q, 0, 2) ||
            !r.flag(x, "flag", flag, q) || !r.text(x, "text", text, q))
            return false;
        d.entryKinds.append(kind);
        d.entryFlags.append(flag);
        d.entryTexts.append(text);
        return true;
    });
}

bool readSegment(Reader& r, const Json& e, const std::string& p, MacroProfSegmentedData& s) {
    if (!r.object(e, p, {"name", "description", "clearance", "breakAtEveryPoint", "points"}) ||
        !r.text(e, "name", s.name, p) || !r.text(e, "description", s.description, p) ||
        !r.number(e, "clearance", s.clearance, p) || !r.flag(e, "breakAtEveryPoint", s.breakAtEveryPoint, p))
        return false;
    return r.array(e, "points", p, [&](const Json& x, const std::string& q) {
        int number = 0;
        double value = 0;
        if (!r.object(x, q, {"number", "value"}) ||
            !r.whole(x, "number", number, q, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()) ||
            !r.number(x, "value", value, q))
            return false;
        s.pointNumbers.append(number);
        s.pointValues.append(value);
        return true;
    });
}

bool readTab(Reader& r, const Json& j, const std::string& w, MacroTabData& t) {
    if (!r.object(j, w, {"name", "cells", "patterns", "bolt", "profiles", "flexFix", "type", "caption", "design",
                         "workingObject", "arrays", "cuts", "block", "segments"}) ||
        !r.text(j, "name", t.name, w, true) || !r.whole(j, "type", t.type, w, 0, 1000) ||
        !r.text(j, "caption", t.caption, w) || !r.text(j, "design", t.designFile, w) ||
        !r.objectId(j, "workingObject", t.workingObject, w))
        return false;
    if (auto b = j.find("bolt"); b != j.end()) {
        MacroBoltData bolt;
        if (!readBolt(r, *b, w + ".bolt", bolt))
            return false;
        t.bolt = bolt;
    }
    if (auto b = j.find("block"); b != j.end()) {
        MacroBlockData block;
        const std::string p = w + ".block";
        if (!r.object(*b, p, {"current"}) || !r.text(*b, "current", block.current, p))
            return false;
        t.block = block;
    }
    std::set<Ork_String> cells, patterns, profiles, buttons, arrays, cuts;
    return r.array(j, "cells", w,
                   [&](const Json& e, const std::string& p) {
                       MacroCellData c;
                       if (!r.object(e, p, {"name", "value", "kind", "items", "readOnly"}) ||
                           !r.text(e, "name", c.name, p, true) || !r.text(e, "value", c.value, p) ||
                           !r.whole(e, "kind", c.kind, p, 0, kMacroCellKindCount - 1) ||
                           !r.texts(e, "items", c.items, p) || !r.flag(e, "readOnly", c.readOnly, p) ||
                           !r.unique(cells, c.name, p, "cell"))
                           return false;
                       t.cells.append(c);
                       return true;
                   }) &&
           r.array(j, "patterns", w,
                   [&](const Json& e, const std::string& p) {
                       MacroPatternData d;
                       int directions = 1;
                       if (!r.object(e, p, {"name", "directions", "type", "nrBolts1", "nrBolts2", "dialog", "props"}) ||
                           !r.text(e, "name", d.name, p, true) || !r.whole(e, "directions", directions, p, 1, 2) ||
                           !r.text(e, "nrBolts1", d.nrBolts1, p) || !r.text(e, "nrBolts2", d.nrBolts2, p) ||
                           !r.flag(e, "dialog", d.hasDialog, p) || !r.unique(patterns, d.name, p, "pattern"))
                           return false;
                       d.twoDirections = directions == 2;
                       if (!d.twoDirections && e.contains("nrBolts2"))
                           return r.fail(p + ".nrBolts2", "a pattern in one direction has no second direction");
                       if (auto props = e.find("props"); props != e.end() && !readPatternProps(r, *props, p + ".props", d.props))
                           return false;
                       // Without a type, as files had it before, the directions give it: 1 or 2.
                       d.props.patternType = directions;
                       if (!r.whole(e, "type", d.props.patternType, p, 0, 2))
                           return false;
                       if ((d.props.patternType == MacroPatternProps::kOneDirection) == d.twoDirections)
                           return r.fail(p + ".type", d.twoDirections ? "a pattern in two directions is of type 0 or 2"
                                                                      : "a pattern in one direction is of type 1");
                       t.patterns.append(d);
                       return true;
                   }) &&
           r.array(j, "profiles", w,
                   [&](const Json& e, const std::string& p) {
                       MacroProfData d;
                       if (!readProfile(r, e, p, d, false) || !r.unique(profiles, d.name, p, "profile group"))
                           return false;
                       t.profiles.append(d);
                       return true;
                   }) &&
           r.array(j, "flexFix", w,
                   [&](const Json& e, const std::string& p) {
                       MacroFlexFixData d;
                       if (!r.object(e, p, {"constraint", "fixed", "group"}) ||
                           !r.text(e, "constraint", d.constraint, p, true) || !r.flag(e, "fixed", d.fixed, p) ||
                           !r.text(e, "group", d.group, p) || !r.unique(buttons, d.constraint, p, "button"))
                           return false;
                       t.flexFix.append(d);
                       return true;
                   }) &&
           r.array(j, "arrays", w,
                   [&](const Json& e, const std::string& p) {
                       MacroArrayData a;
                       if (!readArray(r, e, p, a) || !r.unique(arrays, a.data.name, p, "array"))
                           return false;
                       t.arrays.append(a);
                       return true;
                   }) &&
           r.array(j, "cuts", w,
                   [&](const Json& e, const std::string& p) {
                       MacroCutData c;
                       if (!r.object(e, p, {"name", "state"}) || !r.text(e, "name", c.name, p, true) ||
                           !r.whole(e, "state", c.state, p, 0, MacroCutData::kStateCount - 1) ||
                           !r.unique(cuts, c.name, p, "cut"))
                           return false;
                       t.cuts.append(c);
                       return true;
                   }) &&
           r.array(j, "segments", w, [&](const Json& e, const std::string& p) {
               MacroProfSegmentedData s;
               if (!readSegment(r, e, p, s))
                   return false;
               t.segments.append(s);
               return true;
           });
}

// The dialog's view of the selection and the host: all optional.
bool readDialog(Reader& r, const Json& j, MacroData& d) {
    const std::string w = "dialog";
    if (!r.object(j, w, {"objects", "macroNames", "groupNames", "currentGroup", "currentTab", "filter1", "filter2",
                         "propListsAllowed", "tieProfileToObject", "eraseAfterProfAdv", "standards", "ownCoordSysAllowed"}) ||
        !r.texts(j, "macroNames", d.macroNames, w) || !r.texts(j, "groupNames", d.groupNames, w) ||
        !r.whole(j, "currentGroup", d.currentGroup, w, -1, std::numeric_limits<int>::max()) ||
        !r.text(j, "currentTab", d.currentTab, w) || !r.flag(j, "propListsAllowed", d.propListsAllowed, w) ||
        !r.flag(j, "tieProfileToObject", d.tieProfileToObject, w) ||
        !r.flag(j, "eraseAfterProfAdv", d.eraseAfterProfAdv, w) ||
        !r.flag(j, "ownCoordSysAllowed", d.ownCoordSysAllowed, w))
        return false;
    auto filter = [&](const char* key, MacroFilterChoice& f) {
        auto it = j.find(key);
        if (it == j.end())
            return true;
        const std::string p = Reader::at(w, key);
        if (!r.object(*it, p, {"items", "choice"}) || !r.texts(*it, "items", f.items, p) ||
            !r.whole(*it, "choice", f.choice, p, 0, std::numeric_limits<int>::max()))
            return false;
        if (!f.items.isEmpty() && f.choice >= f.items.length())
            return r.fail(p + ".choice", "must name one of the items");
        return true;
    };
    return filter("filter1", d.filter1) && filter("filter2", d.filter2) &&
           r.array(j, "objects", w,
                   [&](const Json& e, const std::string& p) {
                       long long id = 0;
                       if (!r.wholeValue(e, id, p, 1, std::numeric_limits<int>::max()))
                           return false;
                       d.objects.append(AcDbObjectId(static_cast<int>(id)));
                       return true;
                   }) &&
           r.array(j, "standards", w, [&](const Json& e, const std::string& p) {
               MacroStandardData s;
               if (!r.object(e, p, {"file", "target"}) || !r.text(e, "file", s.file, p, true) ||
                   !r.text(e, "target", s.target, p))
                   return false;
               d.standards.append(s);
               return true;
           });
}

bool readDocument(Reader& r, const Json& j, Ork_Macro& macro, MacroData& data) {
    int version = kFormatVersion;
    if (!r.object(j, "", {"version", "name", "modules", "generalVariables", "baseProfiles", "tabs", "dialog"}) ||
        !r.whole(j, "version", version, "", kFormatVersion, kFormatVersion) || !r.text(j, "name", macro.name, ""))
        return false;
    data.name = macro.name;
    if (auto dialog = j.find("dialog"); dialog != j.end() && !readDialog(r, *dialog, data))
        return false;
    std::set<Ork_String> modules, genVars, tabs;
    return r.array(j, "modules", "",
                   [&](const Json& e, const std::string& p) {
                       Ork_Module m;
                       if (!readModule(r, e, p, m) || !r.unique(modules, m.name, p, "module"))
                           return false;
                       macro.modules.append(m);
                       return true;
                   }) &&
           r.array(j, "generalVariables", "",
                   [&](const Json& e, const std::string& p) {
                       Ork_String name;
                       double value = 0;
                       if (!r.object(e, p, {"name", "value"}) || !r.text(e, "name", name, p, true) ||
                           !r.number(e, "value", value, p) || !r.unique(genVars, name, p, "general variable"))
                           return false;
                       macro.setGeneralVariable(name, value);
                       return true;
                   }) &&
           r.array(j, "baseProfiles", "",
                   [&](const Json& e, const std::string& p) {
                       Ork_BaseProfile b;
                       if (!r.object(e, p, {"section", "material"}) || !r.text(e, "section", b.section, p) ||
                           !r.text(e, "material", b.material, p))
                           return false;
                       macro.baseProfiles.append(b);
                       return true;
                   }) &&
           r.array(j, "tabs", "", [&](const Json& e, const std::string& p) {
               MacroTabData t;
               if (!readTab(r, e, p, t) || !r.unique(tabs, t.name, p, "tab"))
                   return false;
               data.tabs.append(t);
               return true;
           });
}

Json placementJson(const Ork_String& name, const Ork_String& section, const Ork_String& material,
                   const Ork_String& owned) {
    Json j;
    j["name"] = name.utf8();
    j["section"] = section.utf8();
    j["material"] = material.utf8();
    j["ownedMember"] = owned.utf8();
    return j;
}

Json moduleJson(const Ork_Module& m) {
    Json j;
    j["name"] = m.name.utf8();
    if (!m.groupName.isEmpty())
        j["group"] = m.groupName.utf8();
    j["type"] = m.typeCode;
    Json constraints = Json::array();
    for (const Ork_Constraint& c : m.constraints)
        constraints.push_back(
            {{"name", c.name.utf8()}, {"value", c.value}, {"dialogFirst", c.dialogFirst}, {"dialogSecond", c.dialogSecond}});
    j["constraints"] = constraints;
    Json cuts = Json::array();
    for (const Ork_CutConstraint& c : m.cuts) {
        Json offsets = Json::object();
        AcArray<int> types;
        Ork_CutConstraint::offeredOffsetTypes(c.constraintType, types);
        for (int t : types)
            offsets[Ork_String(Ork_CutConstraint::offsetTypeName(t)).utf8()] = c.offsets[static_cast<std::size_t>(t)];
        cuts.push_back({{"name", c.name.utf8()}, {"type", c.constraintType}, {"offsets", offsets}});
    }
    j["cuts"] = cuts;
    if (m.isBoltModule()) {
        Json patterns = Json::array();
        for (const Ork_BoltPattern& p : m.patterns) {
            Json pj = {{"name", p.name.utf8()}, {"directions", p.isTwoDirectional() ? 2 : 1}, {"reverse1", p.reverseStart1}};
            if (p.isTwoDirectional())
                pj["reverse2"] = p.reverseStart2;
            patterns.push_back(pj);
        }
        j["patterns"] = patterns;
    }
    if (m.isProfileModule()) {
        Json placements = Json::array();
        for (const Ork_ProfilePlacement& p : m.placements)
            placements.push_back(placementJson(p.name, p.section, p.material, p.ownedMemberName));
        j["placements"] = placements;
    }
    return j;
}

Json textsJson(const Ork_StringArray& texts) {
    Json out = Json::array();
    for (const Ork_String& t : texts)
        out.push_back(t.utf8());
    return out;
}

template <std::size_t N>
Json wholesJson(const int (&values)[N]) {
    Json out = Json::array();
    for (int v : values)
        out.push_back(v);
    return out;
}

// Only what differs from a record's defaults is written, so a file without the dialog's keys writes back
// as it was read.
Json profileJson(const MacroProfData& p, bool member) {
    const MacroProfData none;
    Json j;
    if (!member)
        j["name"] = p.name.utf8();
    j["section"] = p.section.utf8();
    j["material"] = p.material.utf8();
    j["ownedMember"] = p.ownedMemberName.utf8();
    auto text = [&](const char* key, const Ork_String& v) {
        if (!v.isEmpty())
            j[key] = v.utf8();
    };
    text("section2", p.section2);
    text("morphText1", p.morphText1);
    text("morphText2", p.morphText2);
    if (p.offsetType != none.offsetType)
        j["offsetType"] = p.offsetType;
    if (p.offsetMixed)
        j["offsetMixed"] = true;
    if (p.xOffset != 0)
        j["xOffset"] = p.xOffset;
    if (p.yOffset != 0)
        j["yOffset"] = p.yOffset;
    if (p.orientation != 0)
        j["orientation"] = p.orientation;
    text("rotation", p.rotation);
    text("plane", p.plane);
    if (!p.planeId.isNull())
        j["planeObject"] = p.planeId.asOldId();
    if (p.pointChosen)
        j["pointChosen"] = true;
    if (p.point[0] != 0 || p.point[1] != 0 || p.point[2] != 0)
        j["point"] = {p.point[0], p.point[1], p.point[2]};
    if (p.triState != 0)
        j["triState"] = p.triState;
    if (p.onSegment)
        j["onSegment"] = true;
    if (p.segment != 0)
        j["segment"] = p.segment;
    if (p.groupReadOnly)
        j["groupReadOnly"] = true;
    if (p.morphed)
        j["morphed"] = true;
    if (p.multiObject)
        j["multiObject"] = true;
    if (!p.objectId.isNull())
        j["object"] = p.objectId.asOldId();
    if (!member && !p.members.empty()) {
        Json members = Json::array();
        for (const MacroProfData& m : p.members)
            members.push_back(profileJson(m, true));
        j["members"] = members;
    }
    return j;
}

Json patternPropsJson(const MacroPatternProps& p) {
    auto direction = [](const MacroPatternDirection& d) {
        return Json{{"offsetType", d.offsetType}, {"triState", d.triState}, {"text1", d.text1.utf8()},
                    {"text2", d.text2.utf8()}, {"on", d.on}, {"values", textsJson(d.values)}};
    };
    return {{"first", direction(p.first)}, {"second", direction(p.second)}, {"triState", p.triState1051},
            {"alternation", wholesJson(p.alternation)}};
}

bool defaultPatternProps(const MacroPatternProps& p) {
    const MacroPatternProps none;
    return patternPropsJson(p) == patternPropsJson(none);
}

Json boltJson(const MacroBoltData& b) {
    const MacroBoltData none;
    Json j;
    if (!b.assembly.isEmpty())
        j["assembly"] = b.assembly.utf8();
    j["diameter"] = b.diameter.utf8();
    j["holeOffset"] = b.holeTolerance.utf8();
    if (!b.penetration.isEmpty())
        j["penetration"] = b.penetration.utf8();
    if (!b.addedLength.isEmpty())
        j["addedLength"] = b.addedLength.utf8();
    if (wholesJson(b.flags) != wholesJson(none.flags))
        j["flags"] = wholesJson(b.flags);
    if (b.extraCount != 0)
        j["extraCount"] = b.extraCount;
    if (b.extraOption)
        j["extraOption"] = true;
    if (wholesJson(b.nutsWashers) != wholesJson(none.nutsWashers))
        j["nutsWashers"] = wholesJson(b.nutsWashers);
    if (!b.holeTexts.isEmpty()) {
        Json holes = Json::array();
        for (int i = 0; i < b.holeTexts.length(); ++i)
            holes.push_back({{"on", static_cast<bool>(b.holeFlags[i])}, {"text", b.holeTexts[i].utf8()}});
        j["holes"] = holes;
    }
    if (!b.slots.empty()) {
        Json slots = Json::array();
        for (const MacroBoltSlot& s : b.slots)
            slots.push_back({{"active", s.active}, {"radius", s.radius.utf8()}, {"length", s.length.utf8()},
                             {"angle", s.angle.utf8()}, {"fourth", s.fourth.utf8()}, {"position", s.position}});
        j["slots"] = slots;
    }
    return j;
}

Json arrayJson(const DynArrayData& d) {
    Json j = {{"name", d.name.utf8()}, {"kind", d.kind}};
    if (!d.dimNames.isEmpty())
        j["dimNames"] = textsJson(d.dimNames);
    if (!d.kindText.isEmpty())
        j["kindText"] = d.kindText.utf8();
    if (!d.values.isEmpty())
        j["values"] = textsJson(d.values);
    if (d.flag1 != 0)
        j["flag1"] = d.flag1;
    if (d.flag2 != 0)
        j["flag2"] = d.flag2;
    if (d.entryCount() > 0) {
        Json entries = Json::array();
        for (int i = 0; i < d.entryCount(); ++i)
            entries.push_back({{"kind", d.entryKinds[i]}, {"flag", static_cast<bool>(d.entryFlags[i])},
                               {"text", d.entryTexts[i].utf8()}});
        j["entries"] = entries;
    }
    return j;
}

Json tabJson(const MacroTabData& t) {
    Json j;
    j["name"] = t.name.utf8();
    if (t.type != MacroTabData::kGeneral)
        j["type"] = t.type;
    if (!t.caption.isEmpty())
        j["caption"] = t.caption.utf8();
    if (!t.designFile.isEmpty())
        j["design"] = t.designFile.utf8();
    if (!t.workingObject.isNull())
        j["workingObject"] = t.workingObject.asOldId();
    Json cells = Json::array();
    for (const MacroCellData& c : t.cells) {
        Json cj = {{"name", c.name.utf8()}, {"value", c.value.utf8()}};
        if (c.kind != mckEdit)
            cj["kind"] = c.kind;
        if (!c.items.isEmpty())
            cj["items"] = textsJson(c.items);
        if (c.readOnly)
            cj["readOnly"] = true;
        cells.push_back(cj);
    }
    j["cells"] = cells;
    Json patterns = Json::array();
    for (const MacroPatternData& p : t.patterns) {
        Json pj = {{"name", p.name.utf8()}, {"directions", p.twoDirections ? 2 : 1}, {"nrBolts1", p.nrBolts1.utf8()}};
        // The directions give types 1 and 2; only type 0 is written, so that files without the key read as
        // before and whatever is written reads back.
        if (p.twoDirections && p.props.patternType == 0)
            pj["type"] = 0;
        if (p.twoDirections)
            pj["nrBolts2"] = p.nrBolts2.utf8();
        if (p.hasDialog)
            pj["dialog"] = true;
        if (!defaultPatternProps(p.props))
            pj["props"] = patternPropsJson(p.props);
        patterns.push_back(pj);
    }
    j["patterns"] = patterns;
    if (const MacroBoltData* b = t.getBoltData())
        j["bolt"] = boltJson(*b);
    Json profiles = Json::array();
    for (const MacroProfData& p : t.profiles)
        profiles.push_back(profileJson(p, false));
    j["profiles"] = profiles;
    Json buttons = Json::array();
    for (const MacroFlexFixData& b : t.flexFix) {
        Json bj = {{"constraint", b.constraint.utf8()}, {"fixed", b.fixed}};
        if (!b.group.isEmpty())
            bj["group"] = b.group.utf8();
        buttons.push_back(bj);
    }
    j["flexFix"] = buttons;
    if (!t.arrays.isEmpty()) {
        Json arrays = Json::array();
        for (const MacroArrayData& a : t.arrays)
            arrays.push_back(arrayJson(a.data));
        j["arrays"] = arrays;
    }
    if (!t.cuts.isEmpty()) {
        Json cuts = Json::array();
        for (const MacroCutData& c : t.cuts)
            cuts.push_back({{"name", c.name.utf8()}, {"state", c.state}});
        j["cuts"] = cuts;
    }
    if (t.block)
        j["block"] = {{"current", t.block->current.utf8()}};
    if (!t.segments.isEmpty()) {
        Json segments = Json::array();
        for (const MacroProfSegmentedData& s : t.segments) {
            Json points = Json::array();
            for (int i = 0; i < s.pointNumbers.length(); ++i)
                points.push_back({{"number", s.pointNumbers[i]}, {"value", s.pointValues[i]}});
            segments.push_back({{"name", s.name.utf8()}, {"description", s.description.utf8()},
                                {"clearance", s.clearance}, {"breakAtEveryPoint", s.breakAtEveryPoint},
                                {"points", points}});
        }
        j["segments"] = segments;
    }
    return j;
}

Json dialogJson(const MacroData& d) {
    const MacroData none;
    Json j = Json::object();
    if (!d.objects.isEmpty()) {
        Json ids = Json::array();
        for (int i = 0; i < d.objects.length(); ++i)
            ids.push_back(d.objects[i].asOldId());
        j["objects"] = ids;
    }
    if (!d.macroNames.isEmpty())
        j["macroNames"] = textsJson(d.macroNames);
    if (!d.groupNames.isEmpty())
        j["groupNames"] = textsJson(d.groupNames);
    if (d.currentGroup != none.currentGroup)
        j["currentGroup"] = d.currentGroup;
    if (!d.currentTab.isEmpty())
        j["currentTab"] = d.currentTab.utf8();
    auto filter = [&](const char* key, const MacroFilterChoice& f) {
        if (!f.items.isEmpty() || f.choice != 0)
            j[key] = {{"items", textsJson(f.items)}, {"choice", f.choice}};
    };
    filter("filter1", d.filter1);
    filter("filter2", d.filter2);
    if (d.propListsAllowed != none.propListsAllowed)
        j["propListsAllowed"] = d.propListsAllowed;
    if (d.tieProfileToObject)
        j["tieProfileToObject"] = true;
    if (d.eraseAfterProfAdv)
        j["eraseAfterProfAdv"] = true;
    if (!d.ownCoordSysAllowed)
        j["ownCoordSysAllowed"] = false;
    if (!d.standards.isEmpty()) {
        Json standards = Json::array();
        for (const MacroStandardData& s : d.standards)
            standards.push_back({{"file", s.file.utf8()}, {"target", s.target.utf8()}});
        j["standards"] = standards;
    }
    return j;
}

} // namespace

bool readMacroJsonText(std::string_view utf8, Ork_DbMacro& dbMacro, MacroData& macroData, Ork_String& error) {
    if (utf8.size() > kMaxMacroFileBytes) {
        error = u"the macro file is larger than 16 MiB";
        return false;
    }
    Json doc;
    if (!parseHostJson(utf8, kMaxDepth, "a macro file", doc, error))
        return false;
    Json editorParts;
    nuvo::takeEditorJson(doc, editorParts);
    Reader reader;
    Ork_Macro macro;
    MacroData data;
    bool ok = false;
    try {
        ok = readDocument(reader, doc, macro, data) && nuvo::readEditorJson(editorParts, macro, reader.message);
    } catch (const Json::exception& e) {
        reader.message = e.what();
    }
    if (!ok) {
        error = Ork_String::fromUtf8(reader.message);
        return false;
    }
    dbMacro.setMacro(macro);
    macroData = data;
    return true;
}

bool readMacroJson(const Ork_String& path, Ork_DbMacro& dbMacro, MacroData& macroData, Ork_String& error) {
    auto size = os::fileSize(path);
    if (size && *size > kMaxMacroFileBytes) {
        error = path + u": the macro file is larger than 16 MiB";
        return false;
    }
    std::string bytes;
    if (!os::readBytes(path, bytes)) {
        error = path + u": the file cannot be read";
        return false;
    }
    Ork_String why;
    if (!readMacroJsonText(bytes, dbMacro, macroData, why)) {
        error = path + u": " + why;
        return false;
    }
    return true;
}

std::string macroJsonText(const Ork_Macro& macro, const MacroData& macroData) {
    Json j;
    j["version"] = kFormatVersion;
    j["name"] = macro.name.utf8();
    Json modules = Json::array();
    for (const Ork_Module& m : macro.modules)
        modules.push_back(moduleJson(m));
    j["modules"] = modules;
    Ork_StringArray names;
    AcArray<double> values;
    macro.getGeneralVariables(names, values);
    Json genVars = Json::array();
    for (int i = 0; i < names.length(); ++i)
        genVars.push_back({{"name", names[i].utf8()}, {"value", values[i]}});
    j["generalVariables"] = genVars;
    Json bases = Json::array();
    for (const Ork_BaseProfile& b : macro.baseProfiles)
        bases.push_back({{"section", b.section.utf8()}, {"material", b.material.utf8()}});
    j["baseProfiles"] = bases;
    Json tabs = Json::array();
    for (const MacroTabData& t : macroData.tabs)
        tabs.push_back(tabJson(t));
    j["tabs"] = tabs;
    if (Json dialog = dialogJson(macroData); !dialog.empty())
        j["dialog"] = dialog;
    nuvo::addEditorJson(macro, j);
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool writeMacroJson(const Ork_String& path, const Ork_Macro& macro, const MacroData& macroData,
                    Ork_String& error) {
    if (!os::writeBytes(path, macroJsonText(macro, macroData))) {
        error = path + u": the file cannot be written";
        return false;
    }
    return true;
}
