#include "os/RegistryHive.h"

#include "os/textCase.h"
#include "os/utf16.h"

#include <algorithm>
#include <set>

namespace os {
namespace {

constexpr std::string_view kFirstLine = "SS registry 1";

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Whether text[i] is half of a surrogate pair; lone halves cannot pass through UTF-8 and are escaped.
bool isPairedSurrogate(std::u16string_view text, size_t i) {
    if (isHighSurrogate(text[i])) return i + 1 < text.size() && isLowSurrogate(text[i + 1]);
    if (isLowSurrogate(text[i])) return i > 0 && isHighSurrogate(text[i - 1]);
    return false;
}

void appendHex(std::string& out, unsigned value, int digits) {
    static const char* hex = "0123456789abcdef";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += hex[(value >> shift) & 0xF];
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool readHex(std::string_view text, size_t pos, int digits, unsigned& value) {
    if (pos + digits > text.size()) return false;
    value = 0;
    for (int i = 0; i < digits; ++i) {
        const int d = hexDigit(text[pos + i]);
        if (d < 0) return false;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return true;
}

bool needsEscape(std::u16string_view text, size_t i) {
    const char16_t c = text[i];
    return c < 0x20 || c == 0x7F || ((isHighSurrogate(c) || isLowSurrogate(c)) && !isPairedSurrogate(text, i));
}

// Key names: printable text as it is, so a key line reads like the path; "%XX" or "%uXXXX" for the rest.
std::string escapeKeyName(std::u16string_view name) {
    std::string out;
    size_t runStart = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        if (!needsEscape(name, i) && name[i] != u'%') continue;
        out += toUtf8(name.substr(runStart, i - runStart));
        if (name[i] < 0x100) {
            out += '%';
            appendHex(out, name[i], 2);
        } else {
            out += "%u";
            appendHex(out, name[i], 4);
        }
        runStart = i + 1;
    }
    out += toUtf8(name.substr(runStart));
    return out;
}

std::string quote(std::u16string_view text) {
    std::string out = "\"";
    size_t runStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (!needsEscape(text, i) && c != u'"' && c != u'\\') continue;
        out += toUtf8(text.substr(runStart, i - runStart));
        switch (c) {
        case u'"':
            out += "\\\"";
            break;
        case u'\\':
            out += "\\\\";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        default:
            out += "\\u";
            appendHex(out, c, 4);
            break;
        }
        runStart = i + 1;
    }
    out += toUtf8(text.substr(runStart));
    out += '"';
    return out;
}

void writeValues(std::string& out, const RegistryHive::Node& node) {
    for (const auto& v : node.values) {
        out += v.name.empty() ? std::string("@") : quote(v.name);
        switch (v.type) {
        case RegType::String:
            out += "=string:" + quote(v.text);
            break;
        case RegType::Number:
            out += "=number:" + std::to_string(v.number);
            break;
        case RegType::Binary:
            out += "=binary:";
            for (size_t i = 0; i < v.bytes.size(); ++i) {
                if (i > 0) out += ' ';
                appendHex(out, static_cast<unsigned char>(v.bytes[i]), 2);
            }
            break;
        }
        out += '\n';
    }
}

// Depth is bounded by kMaxDepth, so recursion here is bounded too.
void writeKeys(std::string& out, const RegistryHive::Node& node, const std::string& path) {
    for (const auto& child : node.children) {
        const std::string childPath =
            path.empty() ? escapeKeyName(child.name) : path + "\\" + escapeKeyName(child.name);
        out += "[" + childPath + "]\n";
        writeValues(out, child);
        writeKeys(out, child, childPath);
    }
}

// ---- parsing ----

class LineParser {
public:
    explicit LineParser(std::string_view line) : line_(line) {}

    bool atEnd() const { return pos_ == line_.size(); }
    bool take(char c) {
        if (pos_ < line_.size() && line_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::string_view word() {
        const size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] >= 'a' && line_[pos_] <= 'z') ++pos_;
        return line_.substr(start, pos_ - start);
    }
    std::string_view rest() {
        auto r = line_.substr(pos_);
        pos_ = line_.size();
        return r;
    }

    bool quoted(std::u16string& out, std::string& error) {
        if (!take('"')) {
            error = "expected '\"'";
            return false;
        }
        out.clear();
        size_t runStart = pos_;
        while (pos_ < line_.size()) {
            const char c = line_[pos_];
            if (c == '"') {
                out += toUtf16(line_.substr(runStart, pos_ - runStart));
                ++pos_;
                return true;
            }
            if (c != '\\') {
                ++pos_;
                continue;
            }
            out += toUtf16(line_.substr(runStart, pos_ - runStart));
            if (pos_ + 1 >= line_.size()) break;
            const char e = line_[pos_ + 1];
            pos_ += 2;
            switch (e) {
            case '"':
                out += u'"';
                break;
            case '\\':
                out += u'\\';
                break;
            case 'n':
                out += u'\n';
                break;
            case 'r':
                out += u'\r';
                break;
            case 't':
                out += u'\t';
                break;
            case 'u': {
                unsigned v = 0;
                if (!readHex(line_, pos_, 4, v)) {
                    error = "\\u needs four hexadecimal digits";
                    return false;
                }
                out += static_cast<char16_t>(v);
                pos_ += 4;
                break;
            }
            default:
                error = std::string("unknown escape \\") + e;
                return false;
            }
            runStart = pos_;
        }
        error = "text not closed by '\"'";
        return false;
    }

private:
    std::string_view line_;
    size_t pos_ = 0;
};

bool parseNumber(std::string_view text, std::uint32_t& number) {
    if (text.empty() || text.size() > 10) return false;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<unsigned>(c - '0');
    }
    if (v > 0xFFFFFFFFull) return false;
    number = static_cast<std::uint32_t>(v);
    return true;
}

bool parseBinary(std::string_view text, std::string& bytes) {
    bytes.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        if (!bytes.empty() && text[pos++] != ' ') return false;
        unsigned v = 0;
        if (!readHex(text, pos, 2, v)) return false;
        bytes += static_cast<char>(v);
        pos += 2;
    }
    return true;
}

bool decodeKeyName(std::string_view raw, std::u16string& name, std::string& error) {
    const std::u16string text = toUtf16(raw);
    name.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            name += text[i];
            continue;
        }
        const bool wide = i + 1 < text.size() && text[i + 1] == u'u';
        const size_t digits = wide ? 4 : 2;
        const size_t first = i + (wide ? 2 : 1);
        unsigned v = 0;
        for (size_t k = 0; k < digits; ++k) {
            const char16_t c = first + k < text.size() ? text[first + k] : u'\0';
            const int d = c < 0x80 ? hexDigit(static_cast<char>(c)) : -1;
            if (d < 0) {
                error = "'%' in a key name needs two hexadecimal digits (or u and four)";
                return false;
            }
            v = v * 16 + static_cast<unsigned>(d);
        }
        name += static_cast<char16_t>(v);
        i = first + digits - 1;
    }
    if (name.empty()) {
        error = "empty key name";
        return false;
    }
    if (name.size() > RegistryHive::kMaxKeyName) {
        error = "key name longer than 255 characters";
        return false;
    }
    if (name.find(u'\\') != std::u16string::npos) {
        error = "key name containing '\\'";
        return false;
    }
    return true;
}

std::u16string foldedPath(const std::vector<std::u16string>& names) {
    std::u16string out;
    for (const auto& n : names) {
        out += foldCase(n);
        out += u'\\';
    }
    return out;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

} // namespace

RegValue* RegistryHive::Node::findValue(std::u16string_view valueName) {
    for (auto& v : values)
        if (equalsNoCase(v.name, valueName)) return &v;
    return nullptr;
}

RegistryHive::Node* RegistryHive::Node::findChild(std::u16string_view childName) {
    auto it = std::lower_bound(children.begin(), children.end(), childName,
                               [](const Node& n, std::u16string_view k) { return compareNoCase(n.name, k) < 0; });
    return (it != children.end() && equalsNoCase(it->name, childName)) ? &*it : nullptr;
}

RegistryHive::Node& RegistryHive::Node::addChild(std::u16string_view childName) {
    if (Node* existing = findChild(childName)) return *existing;
    auto it = std::lower_bound(children.begin(), children.end(), childName,
                               [](const Node& n, std::u16string_view k) { return lessNoCase(n.name, k); });
    Node node;
    node.name = std::u16string(childName);
    return *children.insert(it, std::move(node));
}

bool RegistryHive::Node::removeChild(std::u16string_view childName) {
    Node* child = findChild(childName);
    if (!child) return false;
    children.erase(children.begin() + (child - children.data()));
    return true;
}

bool RegistryHive::splitKeyPath(std::u16string_view path, std::vector<std::u16string>& names) {
    names.clear();
    while (!path.empty() && path.front() == u'\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == u'\\') path.remove_suffix(1);
    if (path.empty()) return true;
    size_t start = 0;
    while (true) {
        const size_t end = std::min(path.find(u'\\', start), path.size());
        const size_t length = end - start;
        if (length == 0 || length > kMaxKeyName || names.size() >= kMaxDepth) return false;
        names.emplace_back(path.substr(start, length));
        if (end == path.size()) return true;
        start = end + 1;
    }
}

RegistryHive::Node* RegistryHive::find(const std::vector<std::u16string>& names) {
    Node* node = &root_;
    for (const auto& n : names) {
        node = node->findChild(n);
        if (!node) return nullptr;
    }
    return node;
}

bool RegistryHive::parse(std::string_view text, std::string& error) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Node root;
    Node* current = nullptr;
    std::set<std::u16string> declared;
    bool sawFirstLine = false;
    size_t lineNo = 0;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNo;
        auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(lineNo) + ": " + why;
            return false;
        };
        if (line.empty() || line.front() == '#') continue;
        if (!sawFirstLine) {
            if (line != kFirstLine) return fail("expected \"" + std::string(kFirstLine) + "\"");
            sawFirstLine = true;
            continue;
        }

        if (line.front() == '[') {
            if (line.size() < 2 || line.back() != ']') return fail("key line not closed by ']'");
            const std::string_view inner = line.substr(1, line.size() - 2);
            std::vector<std::u16string> names;
            size_t pos = 0;
            while (!inner.empty() && pos <= inner.size()) {
                const size_t stop = std::min(inner.find('\\', pos), inner.size());
                std::u16string name;
                std::string why;
                if (!decodeKeyName(inner.substr(pos, stop - pos), name, why)) return fail(why);
                if (names.size() >= kMaxDepth) return fail("keys nested deeper than 512 levels");
                names.push_back(std::move(name));
                pos = stop + 1;
            }
            if (!declared.insert(foldedPath(names)).second) return fail("key listed twice");
            current = &root;
            for (const auto& n : names) current = &current->addChild(n);
            continue;
        }

        if (line.front() != '@' && line.front() != '"') return fail("expected a [key] or a value line");
        if (!current) return fail("value before the first [key] line");
        LineParser p(line);
        RegValue value;
        std::string why;
        if (!p.take('@')) {
            if (!p.quoted(value.name, why)) return fail(why);
            if (value.name.empty()) return fail("empty value name (the default value is written @)");
        }
        if (!p.take('=')) return fail("expected '=' after the value name");
        const std::string_view type = p.word();
        if (!p.take(':')) return fail("expected a type and ':' after '='");
        if (type == "string") {
            if (!p.quoted(value.text, why)) return fail(why);
            if (!p.atEnd()) return fail("text after the closing '\"'");
        } else if (type == "number") {
            value.type = RegType::Number;
            if (!parseNumber(p.rest(), value.number)) return fail("number must be 0 to 4294967295");
        } else if (type == "binary") {
            value.type = RegType::Binary;
            if (!parseBinary(p.rest(), value.bytes)) return fail("binary data must be hex pairs separated by spaces");
        } else {
            return fail("unknown value type \"" + std::string(type) + "\"");
        }
        if (current->findValue(value.name)) return fail("value listed twice in its key");
        current->values.push_back(std::move(value));
    }
    if (!sawFirstLine) {
        error = "line " + std::to_string(lineNo + 1) + ": expected \"" + std::string(kFirstLine) + "\"";
        return false;
    }
    root_ = std::move(root);
    return true;
}

std::string RegistryHive::serialize(std::string_view hiveName) const {
    std::string out(kFirstLine);
    out += "\n# ";
    out += hiveName;
    out += ": a [key] line per key (full path), then its values; @ is the default value.\n";
    if (!root_.values.empty()) {
        out += "[]\n";
        writeValues(out, root_);
    }
    writeKeys(out, root_, "");
    return out;
}

} // namespace os
