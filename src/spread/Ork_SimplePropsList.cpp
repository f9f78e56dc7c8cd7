#include "spread/Ork_SimplePropsList.h"

#include "nuvo/crtNumbers.h"
#include "os/files.h"
#include "os/textCase.h"
#include "os/utf16.h"

namespace {

// Keys compare upper-cased character by character, so equal keys have equal lengths.
std::u16string foldedKey(const Ork_String& key) { return os::upperCase(key); }

// A separator inside a key or text would shift every following piece of the list when it is read back, so it
// cannot be written; it is left out instead.
Ork_String withoutSeparators(const Ork_String& text) {
    Ork_String out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (c != Ork_SimplePropsList::kSeparator)
            out.push_back(c);
    return out;
}

} // namespace

// ---- Value

Ork_SimplePropsList::Value Ork_SimplePropsList::Value::ofDouble(double v) {
    Value value;
    value.type = kDouble;
    value.doubleValue = v;
    return value;
}

Ork_SimplePropsList::Value Ork_SimplePropsList::Value::ofInt(int v) {
    Value value;
    value.type = kInt;
    value.intValue = v;
    return value;
}

Ork_SimplePropsList::Value Ork_SimplePropsList::Value::ofLong(long v) {
    Value value;
    value.type = kLong;
    value.longValue = v;
    return value;
}

Ork_SimplePropsList::Value Ork_SimplePropsList::Value::ofString(const Ork_String& v) {
    Value value;
    value.type = kString;
    value.text = v;
    return value;
}

Ork_SimplePropsList::Value Ork_SimplePropsList::Value::parse(int type, const Ork_String& text) {
    switch (type) {
    case kDouble: return ofDouble(_wtof(text.c_str()));
    case kInt: return ofInt(_wtoi(text.c_str()));
    case kLong: return ofLong(_wtol(text.c_str()));
    case kString: return ofString(text);
    default: return Value{};
    }
}

Ork_String Ork_SimplePropsList::Value::toText() const {
    switch (type) {
    case kDouble: return Ork_String(doubleValue, 2);
    case kInt: return Ork_String(intValue);
    case kLong: {
        Ork_String out;
        for (char c : std::to_string(longValue))
            out.push_back(static_cast<char16_t>(c));
        return out;
    }
    case kString: return text;
    default: return Ork_String();
    }
}

// ---- The list

Ork_SimplePropsList::Ork_SimplePropsList() = default;
Ork_SimplePropsList::Ork_SimplePropsList(const Ork_SimplePropsList& other) = default;
Ork_SimplePropsList& Ork_SimplePropsList::operator=(const Ork_SimplePropsList& other) = default;
Ork_SimplePropsList::~Ork_SimplePropsList() = default;

void Ork_SimplePropsList::parsePieces(const Ork_String& text) {
    // An empty piece is an empty part, not the end of the list: a sheet whose first setting (the header file)
    // is empty keeps every setting after it.
    Ork_String parts[3];
    int part = 0;
    size_t start = 0;
    for (size_t end = text.find(kSeparator); end != Ork_String::npos; end = text.find(kSeparator, start)) {
        parts[part] = Ork_String(text.substr(start, end - start));
        start = end + 1;
        if (++part == 3) {
            set(parts[0], Value::parse(_wtoi(parts[1].c_str()), parts[2]));
            part = 0;
        }
    }
}

bool Ork_SimplePropsList::fromText(const Ork_String& text) {
    removeAll();
    if (text.isEmpty())
        return false;
    parsePieces(text);
    return true;
}

void Ork_SimplePropsList::toText(Ork_String& text) const {
    text.clear();
    for (const Entry& entry : m_entries) {
        text += withoutSeparators(entry.key);
        text.push_back(kSeparator);
        text += Ork_String(entry.value.type);
        text.push_back(kSeparator);
        text += withoutSeparators(entry.value.toText());
        text.push_back(kSeparator);
    }
}

bool Ork_SimplePropsList::readFile(const Ork_String& path) {
    removeAll();
    std::string bytes;
    if (path.isEmpty() || !os::readBytes(path, bytes))
        return false;
    fromBytes(bytes);
    return true;
}

void Ork_SimplePropsList::fromBytes(std::string_view bytes) {
    removeAll();
    // One byte, one character: 0xA4 becomes the separator itself.
    parsePieces(Ork_String(os::fromLatin1(bytes)));
}

void Ork_SimplePropsList::removeAll() {
    m_entries.clear();
    m_index.clear();
}

bool Ork_SimplePropsList::has(const Ork_String& key, int& index) const {
    const auto found = m_index.find(foldedKey(key));
    if (found == m_index.end())
        return false;
    index = static_cast<int>(found->second);
    return true;
}

bool Ork_SimplePropsList::set(const Ork_String& key, const Value& value) {
    if (key.isEmpty())
        return false;
    Value stored = value;
    if (stored.type != kString)
        stored.text.clear();
    int index = 0;
    if (has(key, index))
        m_entries[static_cast<size_t>(index)].value = std::move(stored);
    else {
        m_index.emplace(foldedKey(key), m_entries.size());
        m_entries.push_back(Entry{key, std::move(stored)});
    }
    return true;
}

bool Ork_SimplePropsList::get(const Ork_String& key, Value& value) const {
    int index = 0;
    if (!has(key, index))
        return false;
    value = m_entries[static_cast<size_t>(index)].value;
    return true;
}

bool Ork_SimplePropsList::setInt(const Ork_String& key, int value) { return set(key, Value::ofInt(value)); }
bool Ork_SimplePropsList::setBool(const Ork_String& key, bool value) { return set(key, Value::ofInt(value ? 1 : 0)); }
bool Ork_SimplePropsList::setString(const Ork_String& key, const Ork_String& value) {
    return set(key, Value::ofString(value));
}

bool Ork_SimplePropsList::getInt(const Ork_String& key, int& value) const {
    value = 0;
    Value v;
    if (!get(key, v) || v.type != kInt)
        return false;
    value = v.intValue;
    return true;
}

bool Ork_SimplePropsList::getBool(const Ork_String& key, bool& value) const {
    value = false;
    int number = 0;
    if (!getInt(key, number))
        return false;
    value = number != 0;
    return true;
}

bool Ork_SimplePropsList::getString(const Ork_String& key, Ork_String& value) const {
    value.clear();
    Value v;
    if (!get(key, v) || v.type != kString)
        return false;
    value = v.text;
    return true;
}
