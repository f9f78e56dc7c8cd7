#include "nuvo/records/libraryRecordJson.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/hostJson.h"
#include "nuvo/jsonFields.h"
#include "os/files.h"

#include <nlohmann/json.hpp>

#include <climits>

using Json = nlohmann::ordered_json;

namespace {

constexpr int kFormatVersion = 1;
// The record nests three levels deep (document, group, names); deeper input is no record, and refusing it
// before parsing keeps the parser's work bounded.
constexpr int kMaxDepth = 8;

using nuvo::JsonFields;

// The library record's own field: names per language.
class Reader : public JsonFields {
public:
    // Names per language: an object keyed by the host's languages; a language left out has no name.
    bool names(const Json& j, Ork_StringArray& out, const std::string& where) {
        const Ork_StringArray languages = gMacroLangs.GetAllLanguages();
        out.removeAll();
        out.setLogicalLength(languages.length());
        auto it = j.find("names");
        if (it == j.end())
            return true;
        const std::string place = at(where, "names");
        if (!it->is_object())
            return fail(place, "an object is expected");
        for (auto n = it->begin(); n != it->end(); ++n) {
            const int index = languages.indexOf(Ork_String::fromUtf8(n.key()));
            if (index < 0)
                return fail(place, "unknown language \"" + n.key() + "\"");
            if (!n->is_string())
                return fail(place + "." + n.key(), "a text is expected");
            out[index] = Ork_String::fromUtf8(n->get_ref<const std::string&>());
        }
        return true;
    }
};

bool readGroup(Reader& r, const Json& j, const std::string& w, SectionGroupArray& groups) {
    SectionGroup g;
    if (!r.object(j, w, {"id", "name", "enabled", "image", "names"}) ||
        !r.whole(j, "id", g.id, w, 1, INT_MAX, true) || !r.text(j, "name", g.name, w) ||
        !r.flag(j, "enabled", g.enabled, w) || !r.text(j, "image", g.imageName, w) || !r.names(j, g.names, w))
        return false;
    if (!groups.appendWithId(g))
        return r.fail(JsonFields::at(w, "id"), "a second group with identifier " + std::to_string(g.id));
    return true;
}

bool readType(Reader& r, const Json& j, const std::string& w, SectionTypeArray& types) {
    SectionType t;
    if (!r.object(j, w, {"enabled", "image", "group", "type", "names"}) || !r.flag(j, "enabled", t.enabled, w) ||
        !r.text(j, "image", t.imageName, w) || !r.whole(j, "group", t.groupId, w, kNoSectionGroup, INT_MAX) ||
        !r.text(j, "type", t.typeText, w) || !r.names(j, t.names, w))
        return false;
    if (t.groupId == 0)
        return r.fail(JsonFields::at(w, "group"), "group identifiers start at 1 (-1 is no group)");
    types.append(t);
    return true;
}

bool readDocument(Reader& r, const Json& doc, DlgEditLibData& data) {
    if (!r.object(doc, "", {"version", "nextGroupId", "groups", "types", "images"}))
        return false;
    int version = 0;
    if (!r.whole(doc, "version", version, "", kFormatVersion, kFormatVersion, true))
        return false;
    int nextId = 1;
    if (!r.whole(doc, "nextGroupId", nextId, "", 1, INT_MAX))
        return false;
    if (!r.array(doc, "groups", "", [&](const Json& j, const std::string& w) { return readGroup(r, j, w, data.groups); }) ||
        !r.array(doc, "types", "", [&](const Json& j, const std::string& w) { return readType(r, j, w, data.types); }))
        return false;
    // Identifiers of removed groups are never given again, also after the record was saved and read back.
    data.groups.setNextId(nextId);
    return r.array(doc, "images", "", [&](const Json& j, const std::string& w) {
        if (!j.is_string())
            return r.fail(w, "a text is expected");
        data.imageNames.append(Ork_String::fromUtf8(j.get_ref<const std::string&>()));
        return true;
    });
}

Json namesJson(const Ork_StringArray& names) {
    const Ork_StringArray languages = gMacroLangs.GetAllLanguages();
    Json j = Json::object();
    for (int i = 0; i < languages.length(); ++i)
        j[languages[i].utf8()] = i < names.length() ? names[i].utf8() : std::string();
    return j;
}

} // namespace

Ork_String libraryRecordPath() { return Ork_Settings::libDir() + u"prof\\library.json"; }

bool readLibraryRecordText(std::string_view utf8, DlgEditLibData& data, Ork_String& error) {
    if (utf8.size() > kMaxLibraryRecordBytes) {
        error = u"the library record is larger than 4 MiB";
        return false;
    }
    Json doc;
    if (!parseHostJson(utf8, kMaxDepth, "a library record", doc, error))
        return false;
    Reader reader;
    DlgEditLibData read;
    bool ok = false;
    try {
        ok = readDocument(reader, doc, read);
    } catch (const Json::exception& e) {
        reader.message = e.what();
    }
    if (!ok) {
        error = Ork_String::fromUtf8(reader.message);
        return false;
    }
    read.availableFiles = data.availableFiles;   // found from the folder, never from the file
    data = read;
    return true;
}

bool readLibraryRecord(const Ork_String& path, DlgEditLibData& data, Ork_String& error) {
    std::string bytes;
    bool tooLarge = false;
    if (!os::readBytes(path, bytes, kMaxLibraryRecordBytes, tooLarge)) {
        error = path + (tooLarge ? u": the library record is larger than 4 MiB" : u": the file cannot be read");
        return false;
    }
    Ork_String why;
    if (!readLibraryRecordText(bytes, data, why)) {
        error = path + u": " + why;
        return false;
    }
    return true;
}

std::string libraryRecordText(const DlgEditLibData& data) {
    Json j;
    j["version"] = kFormatVersion;
    j["nextGroupId"] = data.groups.nextId();
    Json groups = Json::array();
    for (int i = 0; i < data.groups.length(); ++i) {
        const SectionGroup& g = *data.groups.get(i);
        groups.push_back({{"id", g.id}, {"name", g.name.utf8()}, {"enabled", g.enabled},
                          {"image", g.imageName.utf8()}, {"names", namesJson(g.names)}});
    }
    j["groups"] = groups;
    Json types = Json::array();
    for (int i = 0; i < data.types.length(); ++i) {
        const SectionType& t = *data.types.get(i);
        types.push_back({{"enabled", t.enabled}, {"image", t.imageName.utf8()}, {"group", t.groupId},
                         {"type", t.typeText.utf8()}, {"names", namesJson(t.names)}});
    }
    j["types"] = types;
    Json images = Json::array();
    for (const Ork_String& image : data.imageNames)
        images.push_back(image.utf8());
    j["images"] = images;
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool writeLibraryRecord(const Ork_String& path, const DlgEditLibData& data, Ork_String& error) {
    if (!os::writeBytes(path, libraryRecordText(data))) {
        error = path + u": the library record cannot be written";
        return false;
    }
    return true;
}
