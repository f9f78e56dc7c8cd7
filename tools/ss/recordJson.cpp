#include "recordJson.h"

#include <algorithm>

namespace sscmd {

RecordReader::RecordReader(const Json& object, std::string path) : m_object(object), m_path(std::move(path)) {
    if (!m_object.is_object())
        fail(m_path.empty() ? "the record" : m_path, "an object expected");
}

std::string RecordReader::pathOf(const std::string& key) const { return m_path.empty() ? key : m_path + "." + key; }

bool RecordReader::fail(const std::string& where, const std::string& what) {
    if (m_error.empty())
        m_error = where + ": " + what;
    return false;
}

const Json* RecordReader::find(const char* key, bool required) {
    if (!ok())
        return nullptr;
    m_read.emplace_back(key);
    const auto it = m_object.find(key);
    if (it == m_object.end()) {
        if (required)
            fail(pathOf(key), "missing");
        return nullptr;
    }
    return &*it;
}

namespace {

bool readText(const Json& value, Ork_String& out) {
    if (!value.is_string())
        return false;
    out = Ork_String::fromUtf8(value.get<std::string>());
    return true;
}

} // namespace

bool RecordReader::text(const char* key, Ork_String& out, bool required) {
    const Json* value = find(key, required);
    if (!value)
        return ok();
    return readText(*value, out) || fail(pathOf(key), "a text expected");
}

bool RecordReader::texts(const char* key, Ork_StringArray& out, bool required) {
    const Json* value = find(key, required);
    if (!value)
        return ok();
    if (!value->is_array())
        return fail(pathOf(key), "a list of texts expected");
    Ork_StringArray result;
    for (std::size_t i = 0; i < value->size(); ++i) {
        Ork_String text;
        if (!readText((*value)[i], text))
            return fail(pathOf(key) + "[" + std::to_string(i) + "]", "a text expected");
        result.append(text);
    }
    out = result;
    return true;
}

bool RecordReader::rows(const char* key, Ork_Array<Ork_StringArray>& out, bool required) {
    const Json* value = find(key, required);
    if (!value)
        return ok();
    if (!value->is_array())
        return fail(pathOf(key), "a list of rows expected");
    Ork_Array<Ork_StringArray> result;
    for (std::size_t r = 0; r < value->size(); ++r) {
        const Json& row = (*value)[r];
        const std::string rowPath = pathOf(key) + "[" + std::to_string(r) + "]";
        if (!row.is_array())
            return fail(rowPath, "a list of texts expected");
        Ork_StringArray cells;
        for (std::size_t c = 0; c < row.size(); ++c) {
            Ork_String text;
            if (!readText(row[c], text))
                return fail(rowPath + "[" + std::to_string(c) + "]", "a text expected");
            cells.append(text);
        }
        result.append(cells);
    }
    out = result;
    return true;
}

bool RecordReader::flag(const char* key, bool& out, bool required) {
    const Json* value = find(key, required);
    if (!value)
        return ok();
    if (!value->is_boolean())
        return fail(pathOf(key), "true or false expected");
    out = value->get<bool>();
    return true;
}

bool RecordReader::flags(const char* key, std::vector<bool>& out, bool required) {
    const Json* value = find(key, required);
    if (!value)
        return ok();
    if (!value->is_array())
        return fail(pathOf(key), "a list of true or false expected");
    std::vector<bool> result;
    for (std::size_t i = 0; i < value->size(); ++i) {
        if (!(*value)[i].is_boolean())
            return fail(pathOf(key) + "[" + std::to_string(i) + "]", "true or false expected");
        result.push_back((*value)[i].get<bool>());
    }
    out = result;
    return true;
}

bool RecordReader::number(const char* key, int& out, bool required) {
    const Json* value = find(key, required);
    if (!value)
        return ok();
    if (!value->is_number_integer())
        return fail(pathOf(key), "a whole number expected");
    const auto n = value->get<long long>();
    if (n < -2147483647LL - 1 || n > 2147483647LL)
        return fail(pathOf(key), "a whole number out of range");
    out = static_cast<int>(n);
    return true;
}

bool RecordReader::objects(const char* key, const std::function<bool(RecordReader&)>& each, bool required) {
    const Json* value = find(key, required);
    if (!value)
        return ok();
    if (!value->is_array())
        return fail(pathOf(key), "a list of objects expected");
    for (std::size_t i = 0; i < value->size(); ++i) {
        const std::string path = pathOf(key) + "[" + std::to_string(i) + "]";
        if (!(*value)[i].is_object())
            return fail(path, "an object expected");
        RecordReader item((*value)[i], path);
        if (!each(item) || !item.finish()) {
            m_error = item.error().empty() ? path + ": not readable" : item.error();
            return false;
        }
    }
    return true;
}

bool RecordReader::finish() {
    if (!ok())
        return false;
    for (auto it = m_object.begin(); it != m_object.end(); ++it)
        if (std::find(m_read.begin(), m_read.end(), it.key()) == m_read.end())
            return fail(pathOf(it.key()), "unknown key");
    return true;
}

bool parseRecordText(const std::string& utf8, Json& out, std::string& error) {
    Json parsed = Json::parse(utf8, nullptr, false);
    if (parsed.is_discarded()) {
        // The parser without exceptions says only that it failed; find the place by parsing again with a
        // reporting handler, so the user learns where.
        struct Where : nlohmann::json_sax<Json> {
            std::size_t position = 0;
            bool null() override { return true; }
            bool boolean(bool) override { return true; }
            bool number_integer(number_integer_t) override { return true; }
            bool number_unsigned(number_unsigned_t) override { return true; }
            bool number_float(number_float_t, const string_t&) override { return true; }
            bool string(string_t&) override { return true; }
            bool binary(binary_t&) override { return true; }
            bool start_object(std::size_t) override { return true; }
            bool key(string_t&) override { return true; }
            bool end_object() override { return true; }
            bool start_array(std::size_t) override { return true; }
            bool end_array() override { return true; }
            bool parse_error(std::size_t pos, const std::string&, const nlohmann::detail::exception&) override {
                position = pos;
                return false;
            }
        } where;
        Json::sax_parse(utf8, &where, nlohmann::detail::input_format_t::json, false);
        const std::size_t upTo = std::min(where.position, utf8.size());
        const std::size_t line = 1 + std::count(utf8.begin(), utf8.begin() + static_cast<long>(upTo), '\n');
        error = "not valid JSON (line " + std::to_string(line) + ")";
        return false;
    }
    if (!parsed.is_object()) {
        error = "the record: an object expected";
        return false;
    }
    out = std::move(parsed);
    return true;
}

Json textJson(const Ork_String& text) { return text.utf8(); }

Json textsJson(const Ork_StringArray& texts) {
    Json list = Json::array();
    for (int i = 0; i < texts.length(); ++i)
        list.push_back(texts[i].utf8());
    return list;
}

Json rowsJson(const Ork_Array<Ork_StringArray>& rows) {
    Json list = Json::array();
    for (int i = 0; i < rows.length(); ++i)
        list.push_back(textsJson(rows[i]));
    return list;
}

} // namespace sscmd
