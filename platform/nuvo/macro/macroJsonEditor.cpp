#include "nuvo/macro/macroJsonEditor.h"

#include "nuvo/jsonFields.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <set>

namespace nuvo {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kModuleKeys[] = {"geometry", "variables", "dimensions", "equations"};
constexpr int kLastKind = 10;   // the drawing commands 0..10 make constraints
constexpr int kLastProperty = 3;

constexpr long long kIntMin = std::numeric_limits<int>::min(), kIntMax = std::numeric_limits<int>::max();

bool readConstraintEditor(JsonFields& c, const Json& j, const std::string& w, Ork_ConstraintEditor& e) {
    if (!c.object(j, w, {"id", "kind", "objects", "properties", "options", "option", "images", "groups", "cut"}) ||
        !c.whole(j, "id", e.id, w, 1, kIntMax) || !c.whole(j, "kind", e.kind, w, 0, kLastKind) ||
        !c.ints(j, "properties", e.properties, w, 0, kLastProperty) || !c.texts(j, "options", e.options, w) ||
        !c.whole(j, "option", e.selectedOption, w, -1, kIntMax) || !c.texts(j, "images", e.images, w) ||
        !c.ints(j, "groups", e.groupSelections, w, kIntMin, kIntMax) || !c.flag(j, "cut", e.hasCut, w))
        return false;
    Ork_StringArray objects;
    if (!c.texts(j, "objects", objects, w))
        return false;
    if (objects.length() > 2)
        return c.fail(w + ".objects", "a constraint ties at most two objects");
    e.object1 = objects.length() > 0 ? objects[0] : Ork_String();
    e.object2 = objects.length() > 1 ? objects[1] : Ork_String();
    if (e.selectedOption >= e.options.length())
        return c.fail(w + ".option", "there is no such option");
    return true;
}

bool readModuleEditor(JsonFields& c, const Json& j, const std::string& w, Ork_Module& m) {
    return c.array(j, "geometry", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_Geometry g;
                       if (!c.object(e, p, {"type", "object", "name", "flexibility", "flexValue",
                                            "constraintGeometry"}) ||
                           !c.text(e, "type", g.type, p) || !c.text(e, "object", g.object, p) ||
                           !c.text(e, "name", g.name, p) ||
                           !c.whole(e, "flexibility", g.flexibility, p, 0, Ork_Geometry::kFlexibilityCount - 1) ||
                           !c.whole(e, "flexValue", g.flexValue, p, kIntMin, kIntMax) ||
                           !c.whole(e, "constraintGeometry", g.constraintGeometry, p, kIntMin, kIntMax))
                           return false;
                       m.geometry.append(g);
                       return true;
                   }) &&
           c.array(j, "variables", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_Variable v;
                       if (!c.object(e, p, {"name", "value", "kind"}) || !c.text(e, "name", v.name, p) ||
                           !c.number(e, "value", v.value, p) ||
                           !c.whole(e, "kind", v.kind, p, std::numeric_limits<short>::min(),
                                    std::numeric_limits<short>::max()))
                           return false;
                       m.variables.append(v);
                       return true;
                   }) &&
           c.array(j, "dimensions", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_Dimension d;
                       if (!c.object(e, p, {"name", "value"}) || !c.text(e, "name", d.name, p) ||
                           !c.text(e, "value", d.value, p))
                           return false;
                       m.dimensions.append(d);
                       return true;
                   }) &&
           c.texts(j, "equations", m.equations, w);
}

bool readDefinition(JsonFields& c, const Json& j, const std::string& w, Ork_MacroDefinition& d) {
    if (!c.object(j, w, {"groups", "firstText", "secondText", "settings"}) || !c.text(j, "firstText", d.firstText, w) ||
        !c.text(j, "secondText", d.secondText, w))
        return false;
    AcArray<int> settings{d.settings[0], d.settings[1], d.settings[2]};
    if (!c.ints(j, "settings", settings, w, kIntMin, kIntMax))
        return false;
    if (settings.length() != Ork_MacroDefinition::kSettingCount)
        return c.fail(w + ".settings", "three settings are expected");
    d.settings = {settings[0], settings[1], settings[2]};
    return c.array(j, "groups", w, [&](const Json& e, const std::string& p) {
        Ork_MacroGroup g;
        if (!c.object(e, p, {"name", "text", "number"}) || !c.text(e, "name", g.name, p) ||
            !c.text(e, "text", g.text, p) || !c.whole(e, "number", g.number, p, kIntMin, kIntMax))
            return false;
        d.groups.append(g);
        return true;
    });
}

bool readNumbers(JsonFields& c, const Json& j, const char* key, AcArray<double>& out, const std::string& w) {
    AcArray<double> read;
    if (!c.array(j, key, w, [&](const Json& e, const std::string& p) {
            if (!e.is_number() || !std::isfinite(e.get<double>()))
                return c.fail(p, "a finite number is expected");
            read.append(e.get<double>());
            return true;
        }))
        return false;
    out = read;
    return true;
}

bool readFilters(JsonFields& c, const Json& j, const std::string& w, Ork_MacroFilters& f) {
    if (!c.object(j, w, {"firstEnabled", "secondEnabled", "axis", "section", "path", "size"}) ||
        !c.flag(j, "firstEnabled", f.firstEnabled, w) || !c.flag(j, "secondEnabled", f.secondEnabled, w))
        return false;
    return c.array(j, "axis", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_String name;
                       bool active = false;
                       int mode = 0;
                       double first = 0, second = 0;
                       if (!c.object(e, p, {"name", "active", "mode", "first", "second"}) ||
                           !c.text(e, "name", name, p) || !c.flag(e, "active", active, p) ||
                           !c.whole(e, "mode", mode, p, 0, 1) || !c.number(e, "first", first, p) ||
                           !c.number(e, "second", second, p))
                           return false;
                       f.axisNames.append(name);
                       f.axisActive.append(active);
                       f.axisModes.append(mode);
                       f.axisFirst.append(first);
                       f.axisSecond.append(second);
                       return true;
                   }) &&
           c.array(j, "section", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_String name;
                       bool active = false;
                       AcArray<double> ranges;
                       if (!c.object(e, p, {"name", "active", "ranges"}) || !c.text(e, "name", name, p) ||
                           !c.flag(e, "active", active, p) || !readNumbers(c, e, "ranges", ranges, p))
                           return false;
                       if (ranges.length() % 2 != 0)
                           return c.fail(p + ".ranges", "ranges come in pairs: from, to");
                       f.sectionNames.append(name);
                       f.sectionActive.append(active);
                       f.sectionRanges.append(ranges);
                       return true;
                   }) &&
           c.array(j, "path", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_String name;
                       bool active = false;
                       double first = 0, second = 0;
                       if (!c.object(e, p, {"name", "active", "first", "second"}) || !c.text(e, "name", name, p) ||
                           !c.flag(e, "active", active, p) || !c.number(e, "first", first, p) ||
                           !c.number(e, "second", second, p))
                           return false;
                       f.pathNames.append(name);
                       f.pathActive.append(active);
                       f.pathFirst.append(first);
                       f.pathSecond.append(second);
                       return true;
                   }) &&
           c.array(j, "size", w, [&](const Json& e, const std::string& p) {
               Ork_String name;
               bool active = false;
               AcArray<double> values{0.0, 0.0, 0.0, 0.0};
               if (!c.object(e, p, {"name", "active", "values"}) || !c.text(e, "name", name, p) ||
                   !c.flag(e, "active", active, p) || !readNumbers(c, e, "values", values, p))
                   return false;
               if (values.length() != Ork_MacroFilters::kSizeValues)
                   return c.fail(p + ".values", "four values are expected");
               f.sizeNames.append(name);
               f.sizeActive.append(active);
               f.sizeValues.append(values);
               return true;
           });
}

bool readSettings(JsonFields& c, const Json& j, const std::string& w, Ork_MacroDefinition& d) {
    if (!c.object(j, w, {"filters", "filterProperties", "standards"}))
        return false;
    if (auto f = j.find("filters"); f != j.end() && !readFilters(c, *f, w + ".filters", d.filters))
        return false;
    return c.array(j, "filterProperties", w,
                   [&](const Json& e, const std::string& p) {
                       Ork_String name, image;
                       Ork_StringArray values;
                       if (!c.object(e, p, {"name", "values", "image"}) || !c.text(e, "name", name, p) ||
                           !c.texts(e, "values", values, p) || !c.text(e, "image", image, p))
                           return false;
                       d.filterProperties.names.append(name);
                       d.filterProperties.values.append(values);
                       d.filterProperties.images.append(image);
                       return true;
                   }) &&
           c.array(j, "standards", w, [&](const Json& e, const std::string& p) {
               Ork_String sheet, key;
               if (!c.object(e, p, {"sheet", "key"}) || !c.text(e, "sheet", sheet, p) || !c.text(e, "key", key, p))
                   return false;
               d.sheetMappings.names.append(sheet);
               d.sheetMappings.keys.append(key);
               return true;
           });
}

Json numbersJson(const AcArray<double>& values) {
    Json out = Json::array();
    for (double v : values)
        out.push_back(v);
    return out;
}

template <typename T>
T at(const AcArray<T>& values, int i, T fallback = T()) {
    return i < values.length() ? values[i] : fallback;
}

// The settings dialog's parts of a definition, or nothing when it holds none.
std::optional<Json> settingsJson(const Ork_MacroDefinition& d) {
    const Ork_MacroFilters& f = d.filters;
    if (f == Ork_MacroFilters() && d.filterProperties == Ork_FilterProperties() &&
        d.sheetMappings == Ork_SheetMappings())
        return std::nullopt;
    Json axis = Json::array(), section = Json::array(), path = Json::array(), size = Json::array();
    for (int i = 0; i < f.axisNames.length(); ++i)
        axis.push_back({{"name", f.axisNames[i].utf8()}, {"active", at(f.axisActive, i)},
                        {"mode", at(f.axisModes, i) == 0 ? 0 : 1}, {"first", at(f.axisFirst, i)},
                        {"second", at(f.axisSecond, i)}});
    for (int i = 0; i < f.sectionNames.length(); ++i) {
        AcArray<double> ranges = i < f.sectionRanges.length() ? f.sectionRanges[i] : AcArray<double>{};
        if (ranges.length() % 2 != 0)
            ranges.removeAt(ranges.length() - 1);
        section.push_back({{"name", f.sectionNames[i].utf8()}, {"active", at(f.sectionActive, i)},
                           {"ranges", numbersJson(ranges)}});
    }
    for (int i = 0; i < f.pathNames.length(); ++i)
        path.push_back({{"name", f.pathNames[i].utf8()}, {"active", at(f.pathActive, i)},
                        {"first", at(f.pathFirst, i)}, {"second", at(f.pathSecond, i)}});
    for (int i = 0; i < f.sizeNames.length(); ++i) {
        AcArray<double> values = i < f.sizeValues.length() ? f.sizeValues[i] : AcArray<double>{};
        while (values.length() < Ork_MacroFilters::kSizeValues)
            values.append(0.0);
        while (values.length() > Ork_MacroFilters::kSizeValues)
            values.removeAt(values.length() - 1);
        size.push_back({{"name", f.sizeNames[i].utf8()}, {"active", at(f.sizeActive, i)},
                        {"values", numbersJson(values)}});
    }
    Json properties = Json::array();
    for (int i = 0; i < d.filterProperties.names.length(); ++i) {
        Json values = Json::array();
        if (const Ork_StringArray* list = d.filterProperties.values.get(i))
            for (const Ork_String& v : *list)
                values.push_back(v.utf8());
        properties.push_back({{"name", d.filterProperties.names[i].utf8()}, {"values", values},
                              {"image", i < d.filterProperties.images.length() ? d.filterProperties.images[i].utf8()
                                                                               : std::string()}});
    }
    Json standards = Json::array();
    for (int i = 0; i < d.sheetMappings.names.length(); ++i)
        standards.push_back({{"sheet", d.sheetMappings.names[i].utf8()},
                             {"key", i < d.sheetMappings.keys.length() ? d.sheetMappings.keys[i].utf8() : std::string()}});
    return Json{{"filters",
                 {{"firstEnabled", f.firstEnabled},
                  {"secondEnabled", f.secondEnabled},
                  {"axis", axis},
                  {"section", section},
                  {"path", path},
                  {"size", size}}},
                {"filterProperties", properties},
                {"standards", standards}};
}

bool isPlain(const Ork_ConstraintEditor& e) {
    const Ork_ConstraintEditor plain;
    return e.kind == plain.kind && e.object1.isEmpty() && e.object2.isEmpty() && e.properties == plain.properties &&
           e.options.isEmpty() && e.selectedOption == plain.selectedOption && e.images.isEmpty() &&
           e.groupSelections.isEmpty() && !e.hasCut;
}

std::string place(const char* list, std::size_t i) { return std::string(list) + "[" + std::to_string(i) + "]"; }

} // namespace

void takeEditorJson(Json& doc, Json& parts) {
    parts = Json::object();
    if (!doc.is_object())
        return;
    for (const char* key : {"editor", "settings"})
        if (auto it = doc.find(key); it != doc.end()) {
            parts[key] = std::move(*it);
            doc.erase(it);
        }
    auto modules = doc.find("modules");
    if (modules == doc.end() || !modules->is_array())
        return;
    Json taken = Json::array();
    for (std::size_t i = 0; i < modules->size(); ++i) {
        Json& m = (*modules)[i];
        if (!m.is_object())
            continue;
        Json part = {{"index", i}};
        for (const char* key : kModuleKeys)
            if (auto it = m.find(key); it != m.end()) {
                part[key] = std::move(*it);
                m.erase(it);
            }
        if (auto cs = m.find("constraints"); cs != m.end() && cs->is_array()) {
            Json editors = Json::array();
            for (std::size_t k = 0; k < cs->size(); ++k) {
                Json& constraint = (*cs)[k];
                if (!constraint.is_object())
                    continue;
                if (auto e = constraint.find("editor"); e != constraint.end()) {
                    editors.push_back({{"index", k}, {"editor", std::move(*e)}});
                    constraint.erase(e);
                }
            }
            if (!editors.empty())
                part["constraints"] = std::move(editors);
        }
        if (part.size() > 1)
            taken.push_back(std::move(part));
    }
    if (!taken.empty())
        parts["modules"] = std::move(taken);
}

static bool readEditorParts(JsonFields& c, const Json& parts, Ork_Macro& macro) {
    if (auto e = parts.find("editor"); e != parts.end() && !readDefinition(c, *e, "editor", macro.definition))
        return false;
    if (auto e = parts.find("settings"); e != parts.end() && !readSettings(c, *e, "settings", macro.definition))
        return false;
    auto modules = parts.find("modules");
    if (modules == parts.end())
        return true;
    for (const Json& part : *modules) {
        const std::size_t i = part["index"].get<std::size_t>();
        Ork_Module* m = macro.modules.get(static_cast<int>(i));
        if (!m)
            continue;
        const std::string w = place("modules", i);
        if (!readModuleEditor(c, part, w, *m))
            return false;
        if (auto cs = part.find("constraints"); cs != part.end())
            for (const Json& ce : *cs) {
                const std::size_t k = ce["index"].get<std::size_t>();
                Ork_Constraint* constraint = m->constraints.get(static_cast<int>(k));
                if (constraint && !readConstraintEditor(c, ce["editor"], w + "." + place("constraints", k) + ".editor",
                                                        constraint->editor))
                    return false;
            }
    }
    return true;
}

bool readEditorJson(const Json& parts, Ork_Macro& macro, std::string& message) {
    JsonFields c;
    if (readEditorParts(c, parts, macro))
        return true;
    message = c.message;
    return false;
}

void addEditorJson(const Ork_Macro& macro, Json& doc) {
    auto modules = doc.find("modules");
    for (int i = 0; modules != doc.end() && i < macro.modules.length() && i < static_cast<int>(modules->size()); ++i) {
        const Ork_Module& m = macro.modules[i];
        Json& mj = (*modules)[static_cast<std::size_t>(i)];
        Json& cj = mj["constraints"];
        for (int k = 0; k < m.constraints.length() && k < static_cast<int>(cj.size()); ++k) {
            const Ork_ConstraintEditor& e = m.constraints[k].editor;
            // A constraint that carries nothing for the editor is written as before: its id is the one a
            // reading gives it again.
            if (isPlain(e))
                continue;
            Json ej;
            if (e.id > 0)
                ej["id"] = e.id;
            ej["kind"] = e.kind;
            Json objects = Json::array();
            if (!e.object1.isEmpty() || !e.object2.isEmpty())
                objects = {e.object1.utf8(), e.object2.utf8()};
            ej["objects"] = objects;
            Json properties = Json::array();
            for (int p : e.properties)
                properties.push_back(p);
            ej["properties"] = properties;
            Json options = Json::array();
            for (const Ork_String& o : e.options)
                options.push_back(o.utf8());
            ej["options"] = options;
            ej["option"] = e.selectedOption;
            Json images = Json::array();
            for (const Ork_String& image : e.images)
                images.push_back(image.utf8());
            ej["images"] = images;
            Json groups = Json::array();
            for (int g : e.groupSelections)
                groups.push_back(g);
            ej["groups"] = groups;
            ej["cut"] = e.hasCut;
            cj[static_cast<std::size_t>(k)]["editor"] = ej;
        }
        if (m.geometry.isEmpty() && m.variables.isEmpty() && m.dimensions.isEmpty() && m.equations.isEmpty())
            continue;
        Json geometry = Json::array();
        for (const Ork_Geometry& g : m.geometry)
            geometry.push_back({{"type", g.type.utf8()}, {"object", g.object.utf8()}, {"name", g.name.utf8()},
                                {"flexibility", g.flexibility}, {"flexValue", g.flexValue},
                                {"constraintGeometry", g.constraintGeometry}});
        mj["geometry"] = geometry;
        Json variables = Json::array();
        for (const Ork_Variable& v : m.variables)
            variables.push_back({{"name", v.name.utf8()}, {"value", v.value}, {"kind", v.kind}});
        mj["variables"] = variables;
        Json dimensions = Json::array();
        for (const Ork_Dimension& d : m.dimensions)
            dimensions.push_back({{"name", d.name.utf8()}, {"value", d.value.utf8()}});
        mj["dimensions"] = dimensions;
        Json equations = Json::array();
        for (const Ork_String& e : m.equations)
            equations.push_back(e.utf8());
        mj["equations"] = equations;
    }
    const Ork_MacroDefinition& def = macro.definition;
    if (auto settings = settingsJson(def))
        doc["settings"] = std::move(*settings);
    if (def.groups.isEmpty() && def.firstText.isEmpty() && def.secondText.isEmpty() &&
        def.settings == Ork_MacroDefinition().settings)
        return;
    Json groups = Json::array();
    for (const Ork_MacroGroup& g : macro.definition.groups)
        groups.push_back({{"name", g.name.utf8()}, {"text", g.text.utf8()}, {"number", g.number}});
    doc["editor"] = {{"groups", groups},
                     {"firstText", macro.definition.firstText.utf8()},
                     {"secondText", macro.definition.secondText.utf8()},
                     {"settings", {macro.definition.settings[0], macro.definition.settings[1], macro.definition.settings[2]}}};
}

} // namespace nuvo
