#include "nuvo/macro/macroJson.h"

#include "nuvo/hostJson.h"
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

// Walks the document with the place of every value at hand, so each refusal says where it is.
class Reader {
public:
    std::string message;

    bool fail(const std::string& where, const std::string& what) {
        message = where.empty() ? what : where + ": " + what;
        return false;
    }

    bool object(const Json& j, const std::string& where, std::initializer_list<const char*> keys) {
        if (!j.is_object())
            return fail(where, "an object is expected");
        for (auto it = j.begin(); it != j.end(); ++it) {
            bool known = false;
            for (const char* k : keys)
                known = known || it.key() == k;
            if (!known)
                return fail(where, "unknown key \"" + it.key() + "\"");
        }
        return true;
    }

    // Each optional field: absent leaves the default.
    bool text(const Json& j, const char* key, Ork_String& out, const std::string& where, bool required = false) {
        auto it = j.find(key);
        if (it == j.end())
            return required ? fail(where, std::string("\"") + key + "\" is missing") : true;
        if (!it->is_string())
            return fail(at(where, key), "a text is expected");
        out = Ork_String::fromUtf8(it->get_ref<const std::string&>());
        if (required && out.isEmpty())
            return fail(at(where, key), "must not be empty");
        return true;
    }

    bool number(const Json& j, const char* key, double& out, const std::string& where) {
        auto it = j.find(key);
        if (it == j.end())
            return true;
        if (!it->is_number())
            return fail(at(where, key), "a number is expected");
        out = it->get<double>();
        if (!std::isfinite(out))
            return fail(at(where, key), "the number is out of range");
        return true;
    }

    bool integer(const Json& j, const char* key, int& out, const std::string& where, int lo, int hi) {
        auto it = j.find(key);
        if (it == j.end())
            return true;
        if (!it->is_number_integer())
            return fail(at(where, key), "a whole number is expected");
        // Positive numbers arrive unsigned, and may be too large for a signed reading.
        const bool tooLarge = it->is_number_unsigned() && it->get<unsigned long long>() > static_cast<unsigned>(hi);
        const long long wide = tooLarge ? 0 : it->get<long long>();
        if (tooLarge || wide < lo || wide > hi)
            return fail(at(where, key), "must be " + std::to_string(lo) + " to " + std::to_string(hi));
        out = static_cast<int>(wide);
        return true;
    }

    bool flag(const Json& j, const char* key, bool& out, const std::string& where) {
        auto it = j.find(key);
        if (it == j.end())
            return true;
        if (!it->is_boolean())
            return fail(at(where, key), "true or false is expected");
        out = it->get<bool>();
        return true;
    }

    // An optional array: `each` is called with every element and its place.
    template <typename F>
    bool array(const Json& j, const char* key, const std::string& where, F each) {
        auto it = j.find(key);
        if (it == j.end())
            return true;
        const std::string place = at(where, key);
        if (!it->is_array())
            return fail(place, "an array is expected");
        for (std::size_t i = 0; i < it->size(); ++i)
            if (!each((*it)[i], place + "[" + std::to_string(i) + "]"))
                return false;
        return true;
    }

    bool unique(std::set<Ork_String>& seen, const Ork_String& name, const std::string& where, const char* what) {
        if (!seen.insert(name).second)
            return fail(where, std::string("a second ") + what + " named \"" + name.utf8() + "\"");
        return true;
    }

    static std::string at(const std::string& where, const char* key) {
        return where.empty() ? std::string(key) : where + "." + key;
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
    if (!r.integer(j, "type", c.constraintType, w, 0, Ork_CutConstraint::kConstraintTypeCount - 1))
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
        !r.integer(j, "directions", directions, w, 1, 2) || !r.flag(j, "reverse1", p.reverseStart1, w) ||
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
        !r.integer(j, "type", m.typeCode, w, 0, std::numeric_limits<int>::max()))
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

bool readTab(Reader& r, const Json& j, const std::string& w, MacroTabData& t) {
    if (!r.object(j, w, {"name", "cells", "patterns", "bolt", "profiles", "flexFix"}) ||
        !r.text(j, "name", t.name, w, true))
        return false;
    if (auto b = j.find("bolt"); b != j.end()) {
        MacroBoltData bolt;
        const std::string p = w + ".bolt";
        if (!r.object(*b, p, {"diameter", "holeOffset"}) || !r.text(*b, "diameter", bolt.diameter, p) ||
            !r.text(*b, "holeOffset", bolt.holeOffset, p))
            return false;
        t.bolt = bolt;
    }
    std::set<Ork_String> cells, patterns, profiles, buttons;
    return r.array(j, "cells", w,
                   [&](const Json& e, const std::string& p) {
                       MacroCellData c;
                       if (!r.object(e, p, {"name", "value"}) || !r.text(e, "name", c.name, p, true) ||
                           !r.text(e, "value", c.value, p) || !r.unique(cells, c.name, p, "cell"))
                           return false;
                       t.cells.append(c);
                       return true;
                   }) &&
           r.array(j, "patterns", w,
                   [&](const Json& e, const std::string& p) {
                       MacroPatternData d;
                       int directions = 1;
                       if (!r.object(e, p, {"name", "directions", "nrBolts1", "nrBolts2"}) ||
                           !r.text(e, "name", d.name, p, true) || !r.integer(e, "directions", directions, p, 1, 2) ||
                           !r.text(e, "nrBolts1", d.nrBolts1, p) || !r.text(e, "nrBolts2", d.nrBolts2, p) ||
                           !r.unique(patterns, d.name, p, "pattern"))
                           return false;
                       d.twoDirections = directions == 2;
                       if (!d.twoDirections && e.contains("nrBolts2"))
                           return r.fail(p + ".nrBolts2", "a pattern in one direction has no second direction");
                       t.patterns.append(d);
                       return true;
                   }) &&
           r.array(j, "profiles", w,
                   [&](const Json& e, const std::string& p) {
                       MacroProfData d;
                       if (!readPlacement(r, e, p, d.name, d.section, d.material, d.ownedMemberName) ||
                           !r.unique(profiles, d.name, p, "profile group"))
                           return false;
                       t.profiles.append(d);
                       return true;
                   }) &&
           r.array(j, "flexFix", w, [&](const Json& e, const std::string& p) {
               MacroFlexFixData d;
               if (!r.object(e, p, {"constraint", "fixed"}) || !r.text(e, "constraint", d.constraint, p, true) ||
                   !r.flag(e, "fixed", d.fixed, p) || !r.unique(buttons, d.constraint, p, "button"))
                   return false;
               t.flexFix.append(d);
               return true;
           });
}

bool readDocument(Reader& r, const Json& j, Ork_Macro& macro, MacroData& data) {
    int version = kFormatVersion;
    if (!r.object(j, "", {"version", "name", "modules", "generalVariables", "baseProfiles", "tabs"}) ||
        !r.integer(j, "version", version, "", kFormatVersion, kFormatVersion) || !r.text(j, "name", macro.name, ""))
        return false;
    data.name = macro.name;
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

Json tabJson(const MacroTabData& t) {
    Json j;
    j["name"] = t.name.utf8();
    Json cells = Json::array();
    for (const MacroCellData& c : t.cells)
        cells.push_back({{"name", c.name.utf8()}, {"value", c.value.utf8()}});
    j["cells"] = cells;
    Json patterns = Json::array();
    for (const MacroPatternData& p : t.patterns) {
        Json pj = {{"name", p.name.utf8()}, {"directions", p.twoDirections ? 2 : 1}, {"nrBolts1", p.nrBolts1.utf8()}};
        if (p.twoDirections)
            pj["nrBolts2"] = p.nrBolts2.utf8();
        patterns.push_back(pj);
    }
    j["patterns"] = patterns;
    if (const MacroBoltData* b = t.getBoltData())
        j["bolt"] = {{"diameter", b->diameter.utf8()}, {"holeOffset", b->holeOffset.utf8()}};
    Json profiles = Json::array();
    for (const MacroProfData& p : t.profiles)
        profiles.push_back(placementJson(p.name, p.section, p.material, p.ownedMemberName));
    j["profiles"] = profiles;
    Json buttons = Json::array();
    for (const MacroFlexFixData& b : t.flexFix)
        buttons.push_back({{"constraint", b.constraint.utf8()}, {"fixed", b.fixed}});
    j["flexFix"] = buttons;
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
