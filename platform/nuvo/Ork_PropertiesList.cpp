#include "nuvo/Ork_PropertiesList.h"

#include "os/files.h"
#include "os/utf16.h"

#include <charconv>
#include <cmath>
#include <unordered_set>

namespace {

constexpr std::string_view kHeader = "Ork_PropertiesList 1";

bool isSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

void appendHex4(std::u16string& out, char16_t c) {
    static const char digits[] = "0123456789ABCDEF";
    out += u"\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += static_cast<char16_t>(digits[(c >> shift) & 0xF]);
}

std::string escape(const Ork_String& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\\') {
            out += u"\\\\";
        } else if (c == u'\t') {
            out += u"\\t";
        } else if (c == u'\n') {
            out += u"\\n";
        } else if (c == u'\r') {
            out += u"\\r";
        } else if (c < 0x20 || c == 0x7F) {
            appendHex4(out, c);
        } else if (isSurrogate(c)) {
            // A valid pair passes through UTF-8 unchanged; a lone half would be lost there.
            const bool highWithLow = c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
            if (highWithLow) {
                out += c;
                out += text[++i];
            } else {
                appendHex4(out, c);
            }
        } else {
            out += c;
        }
    }
    return os::toUtf8(out);
}

bool unescape(std::string_view utf8, Ork_String& out, std::string& error) {
    const std::u16string text = os::toUtf16(utf8);
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (i + 1 >= text.size()) {
            error = "a backslash ends the text";
            return false;
        }
        const char16_t e = text[++i];
        switch (e) {
        case u'\\': out += u'\\'; break;
        case u't': out += u'\t'; break;
        case u'n': out += u'\n'; break;
        case u'r': out += u'\r'; break;
        case u'u': {
            if (i + 4 >= text.size()) {
                error = "\\u needs four hexadecimal digits";
                return false;
            }
            char16_t value = 0;
            for (int k = 1; k <= 4; ++k) {
                const char16_t h = text[i + static_cast<std::size_t>(k)];
                int digit = -1;
                if (h >= u'0' && h <= u'9')
                    digit = h - u'0';
                else if (h >= u'A' && h <= u'F')
                    digit = h - u'A' + 10;
                else if (h >= u'a' && h <= u'f')
                    digit = h - u'a' + 10;
                if (digit < 0) {
                    error = "\\u needs four hexadecimal digits";
                    return false;
                }
                value = static_cast<char16_t>(value * 16 + digit);
            }
            out += value;
            i += 4;
            break;
        }
        default:
            error = "unknown escape \\" + os::toUtf8(std::u16string(1, e));
            return false;
        }
    }
    return true;
}

std::string formatDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

template <typename T>
bool parseWhole(std::string_view text, T& value) {
    if (text.empty())
        return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

} // namespace

int Ork_PropertiesList::indexOf(const Ork_String& key) const {
    const auto found = index_.find(key);
    return found == index_.end() ? -1 : static_cast<int>(found->second);
}

void Ork_PropertiesList::reindex() {
    index_.clear();
    index_.reserve(entries_.size());
    for (std::size_t i = 0; i < entries_.size(); ++i)
        index_.emplace(entries_[i].key, i);
}

void Ork_PropertiesList::put(const Ork_String& key, Value value) {
    const int i = indexOf(key);
    if (i >= 0) {
        entries_[static_cast<std::size_t>(i)].value = std::move(value);
    } else {
        entries_.push_back({key, std::move(value)});
        index_.emplace(key, entries_.size() - 1);
    }
}

void Ork_PropertiesList::set(const Ork_String& key, int value) { put(key, value); }
void Ork_PropertiesList::set(const Ork_String& key, double value) { put(key, value); }
void Ork_PropertiesList::set(const Ork_String& key, const Ork_String& value) { put(key, value); }

bool Ork_PropertiesList::get(const Ork_String& key, int& value) const {
    const int i = indexOf(key);
    if (i < 0)
        return false;
    const Value& v = entries_[static_cast<std::size_t>(i)].value;
    if (!std::holds_alternative<int>(v))
        return false;
    value = std::get<int>(v);
    return true;
}

bool Ork_PropertiesList::get(const Ork_String& key, double& value) const {
    const int i = indexOf(key);
    if (i < 0)
        return false;
    const Value& v = entries_[static_cast<std::size_t>(i)].value;
    if (std::holds_alternative<double>(v)) {
        value = std::get<double>(v);
        return true;
    }
    if (std::holds_alternative<int>(v)) {
        value = std::get<int>(v);
        return true;
    }
    return false;
}

bool Ork_PropertiesList::get(const Ork_String& key, Ork_String& value) const {
    const int i = indexOf(key);
    if (i < 0)
        return false;
    const Value& v = entries_[static_cast<std::size_t>(i)].value;
    if (!std::holds_alternative<Ork_String>(v))
        return false;
    value = std::get<Ork_String>(v);
    return true;
}

bool Ork_PropertiesList::remove(const Ork_String& key) {
    const int i = indexOf(key);
    if (i < 0)
        return false;
    entries_.erase(entries_.begin() + i);
    reindex();
    return true;
}

std::vector<Ork_String> Ork_PropertiesList::keys() const {
    std::vector<Ork_String> out;
    for (const Entry& e : entries_)
        out.push_back(e.key);
    return out;
}

std::string Ork_PropertiesList::toText() const {
    std::string out(kHeader);
    out += '\n';
    for (const Entry& e : entries_) {
        out += escape(e.key);
        if (std::holds_alternative<int>(e.value))
            out += "\ti\t" + std::to_string(std::get<int>(e.value));
        else if (std::holds_alternative<double>(e.value))
            out += "\td\t" + formatDouble(std::get<double>(e.value));
        else
            out += "\ts\t" + escape(std::get<Ork_String>(e.value));
        out += '\n';
    }
    return out;
}

bool Ork_PropertiesList::fromText(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<Entry> entries;
    std::unordered_set<std::u16string> seen;
    bool headerSeen = false;
    int lineNumber = 0;
    std::size_t start = 0;
    auto fail = [&](const std::string& why) {
        lastError_ = Ork_String::fromUtf8("line " + std::to_string(lineNumber) + ": " + why);
        return false;
    };
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!headerSeen) {
            if (line != kHeader)
                return fail("the file does not start with \"" + std::string(kHeader) + "\"");
            headerSeen = true;
            continue;
        }
        if (line.empty())
            continue;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string_view::npos)
            return fail("expected key, TAB, type, TAB, value");
        Entry entry;
        std::string error;
        if (!unescape(line.substr(0, tab1), entry.key, error))
            return fail("key: " + error);
        if (entry.key.empty())
            return fail("empty key");
        const std::string_view type = line.substr(tab1 + 1, tab2 - tab1 - 1);
        const std::string_view value = line.substr(tab2 + 1);
        if (type == "i") {
            int v = 0;
            if (!parseWhole(value, v))
                return fail("not an int: \"" + std::string(value.substr(0, 40)) + "\"");
            entry.value = v;
        } else if (type == "d") {
            double v = 0;
            if (!parseWhole(value, v))
                return fail("not a double: \"" + std::string(value.substr(0, 40)) + "\"");
            entry.value = v;
        } else if (type == "s") {
            Ork_String v;
            if (!unescape(value, v, error))
                return fail("string: " + error);
            entry.value = std::move(v);
        } else {
            return fail("unknown type \"" + std::string(type.substr(0, 40)) + "\" (expected i, d or s)");
        }
        if (!seen.insert(entry.key).second)
            return fail("the key \"" + entry.key.left(40).utf8() + "\" is given twice");
        entries.push_back(std::move(entry));
    }
    if (!headerSeen)
        return fail("the file is empty");
    entries_ = std::move(entries);
    reindex();
    lastError_.clear();
    return true;
}

bool Ork_PropertiesList::writeToFile(const Ork_String& path) const { return os::writeBytes(path, toText()); }

bool Ork_PropertiesList::readFromFile(const Ork_String& path) {
    std::string bytes;
    if (!os::readBytes(path, bytes)) {
        lastError_ = u"cannot read " + path;
        return false;
    }
    return fromText(bytes);
}
