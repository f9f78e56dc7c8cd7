#pragma once
// Strict reading of the records `ss dialog` hands to the module's entry points, and their writing in a stable
// order. A record is a JSON object; every key it may hold is read through a RecordReader, which refuses
// unknown keys, wrong types and missing required fields with the key's path ("rows[2][1]: a text expected").
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <string>
#include <vector>

namespace sscmd {

using Json = nlohmann::ordered_json;

class RecordReader {
public:
    // `object` must outlive the reader; `path` is where it sits in the file ("" for the top).
    RecordReader(const Json& object, std::string path);

    // Each reads one key when present (required ones report it missing); false after the first error.
    bool text(const char* key, Ork_String& out, bool required = false);
    bool texts(const char* key, Ork_StringArray& out, bool required = false);
    bool rows(const char* key, Ork_Array<Ork_StringArray>& out, bool required = false);
    bool flag(const char* key, bool& out, bool required = false);
    bool flags(const char* key, std::vector<bool>& out, bool required = false);
    bool number(const char* key, int& out, bool required = false);
    // A list of objects, each read by `each` with a reader of its own (which must read all its keys).
    bool objects(const char* key, const std::function<bool(RecordReader&)>& each, bool required = false);

    // Refuses the value of a key that was read (out of its range, say); false.
    bool refuse(const char* key, const std::string& what) { return fail(pathOf(key), what); }

    // True when nothing went wrong and the object held no key that was not read.
    bool finish();
    bool ok() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }

private:
    const Json* find(const char* key, bool required);
    bool fail(const std::string& where, const std::string& what);
    std::string pathOf(const std::string& key) const;

    const Json& m_object;
    std::string m_path;
    std::vector<std::string> m_read;
    std::string m_error;
};

// The top of a record file: a JSON object, or false with why (a syntax error with its line and column).
bool parseRecordText(const std::string& utf8, Json& out, std::string& error);

Json textJson(const Ork_String& text);
Json textsJson(const Ork_StringArray& texts);
Json rowsJson(const Ork_Array<Ork_StringArray>& rows);

} // namespace sscmd
