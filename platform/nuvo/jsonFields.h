#pragma once
// Reading the fields of the host's JSON files (macros, macro definitions, the library record) with the place of
// every value at hand, so each refusal says where it is ("tabs[0].bolt.flags: ...").
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <initializer_list>
#include <string>

namespace nuvo {

class JsonFields {
public:
    using Json = nlohmann::ordered_json;

    // The first refusal, "place: what" (just "what" at the top of the document).
    std::string message;

    static std::string at(const std::string& where, const char* key) {
        return where.empty() ? std::string(key) : where + "." + key;
    }

    bool fail(const std::string& where, const std::string& what) {
        message = where.empty() ? what : where + ": " + what;
        return false;
    }

    // An object whose keys are all among `keys`.
    bool object(const Json& j, const std::string& where, std::initializer_list<const char*> keys);

    // Each optional field: absent leaves `out` as it was. A required one must be there (and a required text
    // must not be empty).
    bool text(const Json& j, const char* key, Ork_String& out, const std::string& where, bool required = false);
    bool textValue(const Json& v, Ork_String& out, const std::string& place);
    bool number(const Json& j, const char* key, double& out, const std::string& where);
    bool flag(const Json& j, const char* key, bool& out, const std::string& where);

    // A whole number in lo..hi. Positive numbers arrive unsigned and may be too large for a signed reading.
    bool wholeValue(const Json& v, long long& out, const std::string& place, long long lo, long long hi);

    template <typename T>
    bool whole(const Json& j, const char* key, T& out, const std::string& where, long long lo, long long hi,
               bool required = false) {
        auto it = j.find(key);
        if (it == j.end())
            return required ? fail(where, std::string("\"") + key + "\" is missing") : true;
        long long v = 0;
        if (!wholeValue(*it, v, at(where, key), lo, hi))
            return false;
        out = static_cast<T>(v);
        return true;
    }

    // An optional array: `each` is called with every element and its place ("key[3]").
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

    // Arrays of texts or of whole numbers: when present they replace `out`, which a refusal leaves alone.
    bool texts(const Json& j, const char* key, Ork_StringArray& out, const std::string& where);
    bool ints(const Json& j, const char* key, AcArray<int>& out, const std::string& where, long long lo, long long hi);
    // Exactly `count` whole numbers, each in range.
    bool wholes(const Json& j, const char* key, int* out, int count, const std::string& where, long long lo,
                long long hi);
};

} // namespace nuvo
