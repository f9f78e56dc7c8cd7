#include "nuvo/jsonFields.h"

#include <cmath>

namespace nuvo {

bool JsonFields::object(const Json& j, const std::string& where, std::initializer_list<const char*> keys) {
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

bool JsonFields::text(const Json& j, const char* key, Ork_String& out, const std::string& where, bool required) {
    auto it = j.find(key);
    if (it == j.end())
        return required ? fail(where, std::string("\"") + key + "\" is missing") : true;
    Ork_String read;
    if (!textValue(*it, read, at(where, key)))
        return false;
    if (required && read.isEmpty())
        return fail(at(where, key), "must not be empty");
    out = read;
    return true;
}

bool JsonFields::textValue(const Json& v, Ork_String& out, const std::string& place) {
    if (!v.is_string())
        return fail(place, "a text is expected");
    out = Ork_String::fromUtf8(v.get_ref<const std::string&>());
    return true;
}

bool JsonFields::number(const Json& j, const char* key, double& out, const std::string& where) {
    auto it = j.find(key);
    if (it == j.end())
        return true;
    if (!it->is_number())
        return fail(at(where, key), "a number is expected");
    const double v = it->get<double>();
    if (!std::isfinite(v))
        return fail(at(where, key), "the number is out of range");
    out = v;
    return true;
}

bool JsonFields::flag(const Json& j, const char* key, bool& out, const std::string& where) {
    auto it = j.find(key);
    if (it == j.end())
        return true;
    if (!it->is_boolean())
        return fail(at(where, key), "true or false is expected");
    out = it->get<bool>();
    return true;
}

bool JsonFields::wholeValue(const Json& v, long long& out, const std::string& place, long long lo, long long hi) {
    if (!v.is_number_integer())
        return fail(place, "a whole number is expected");
    const bool tooLarge = v.is_number_unsigned() && v.get<unsigned long long>() > static_cast<unsigned long long>(hi);
    const long long wide = tooLarge ? 0 : v.get<long long>();
    if (tooLarge || wide < lo || wide > hi)
        return fail(place, "must be " + std::to_string(lo) + " to " + std::to_string(hi));
    out = wide;
    return true;
}

bool JsonFields::texts(const Json& j, const char* key, Ork_StringArray& out, const std::string& where) {
    Ork_StringArray read;
    if (!array(j, key, where, [&](const Json& e, const std::string& p) {
            Ork_String t;
            if (!textValue(e, t, p))
                return false;
            read.append(t);
            return true;
        }))
        return false;
    if (j.contains(key))
        out = read;
    return true;
}

bool JsonFields::ints(const Json& j, const char* key, AcArray<int>& out, const std::string& where, long long lo,
                      long long hi) {
    AcArray<int> read;
    if (!array(j, key, where, [&](const Json& e, const std::string& p) {
            long long v = 0;
            if (!wholeValue(e, v, p, lo, hi))
                return false;
            read.append(static_cast<int>(v));
            return true;
        }))
        return false;
    if (j.contains(key))
        out = read;
    return true;
}

bool JsonFields::wholes(const Json& j, const char* key, int* out, int count, const std::string& where, long long lo,
                        long long hi) {
    auto it = j.find(key);
    if (it == j.end())
        return true;
    const std::string place = at(where, key);
    if (!it->is_array() || static_cast<int>(it->size()) != count)
        return fail(place, "an array of " + std::to_string(count) + " whole numbers is expected");
    for (int i = 0; i < count; ++i) {
        long long v = 0;
        if (!wholeValue((*it)[static_cast<std::size_t>(i)], v, place + "[" + std::to_string(i) + "]", lo, hi))
            return false;
        out[i] = static_cast<int>(v);
    }
    return true;
}

} // namespace nuvo
