#include "grid/documentText.h"

#include "os/files.h"

#include <optional>

#include <charconv>
#include <cmath>

namespace grid {
namespace {

bool isSurrogateHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isSurrogateLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void appendHex(std::u16string& out, unsigned value, int digits) {
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// ASCII only: anything else cannot be part of a number, and a narrowing copy must not alias a digit.
bool asciiCopy(std::u16string_view text, std::string& out) {
    if (text.empty() || text.size() > 64)
        return false;
    out.clear();
    for (char16_t c : text) {
        if (c > 0x7E)
            return false;
        out += char(c);
    }
    return true;
}

} // namespace

std::u16string quoteText(std::u16string_view text) {
    std::u16string out = u"\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        switch (c) {
        case u'\\': out += u"\\\\"; continue;
        case u'"': out += u"\\\""; continue;
        case u'\n': out += u"\\n"; continue;
        case u'\r': out += u"\\r"; continue;
        case u'\t': out += u"\\t"; continue;
        default: break;
        }
        bool escape = c < 0x20 || c == 0x7F;
        if (isSurrogateHigh(c)) {
            if (i + 1 < text.size() && isSurrogateLow(text[i + 1])) {
                out += c;
                out += text[++i];
                continue;
            }
            escape = true;
        } else if (isSurrogateLow(c)) {
            escape = true;
        }
        if (escape) {
            out += u"\\u";
            appendHex(out, c, 4);
        } else {
            out += c;
        }
    }
    out += u'"';
    return out;
}

std::u16string exactNumber(double n) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    return std::u16string(buffer, result.ptr);
}

std::u16string decimalText(long long n) {
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

std::u16string hexText(std::uint32_t n) {
    std::u16string out = u"0x";
    appendHex(out, n, 8);
    return out;
}

bool readInteger(std::u16string_view text, long long min, long long max, long long& out) {
    std::string ascii;
    if (!asciiCopy(text, ascii))
        return false;
    long long value = 0;
    auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size() || value < min || value > max)
        return false;
    out = value;
    return true;
}

bool readFiniteNumber(std::u16string_view text, double& out) {
    std::string ascii;
    if (!asciiCopy(text, ascii))
        return false;
    double value = 0;
    auto [end, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value))
        return false;
    out = value;
    return true;
}

bool readUnsigned32(std::u16string_view text, std::uint32_t& out) {
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) {
        if (text.size() > 10)
            return false;
        std::uint32_t value = 0;
        for (char16_t c : text.substr(2)) {
            const int d = hexDigit(c);
            if (d < 0)
                return false;
            value = value << 4 | std::uint32_t(d);
        }
        out = value;
        return true;
    }
    long long value = 0;
    if (!readInteger(text, 0, 0xFFFFFFFFLL, value))
        return false;
    out = std::uint32_t(value);
    return true;
}

bool splitLine(std::u16string_view line, std::vector<LineToken>& tokens, std::u16string& error) {
    // The tokens of the line before are reused, texts and all: a document is a few hundred thousand lines of
    // the same shape, and a fresh token per word was an allocation per word.
    std::size_t count = 0;
    std::size_t i = 0;
    auto blank = [&](std::size_t at) { return line[at] == u' ' || line[at] == u'\t'; };
    while (true) {
        while (i < line.size() && blank(i))
            ++i;
        if (i == line.size()) {
            tokens.resize(count);
            return true;
        }
        if (count == tokens.size())
            tokens.emplace_back();
        LineToken& token = tokens[count];
        token.key.clear();
        token.text.clear();
        token.quoted = false;
        std::size_t start = i;
        // A bare part runs to a blank, a quote or (the first time) an "=" that makes it a key.
        while (i < line.size() && !blank(i) && line[i] != u'"') {
            if (line[i] == u'=' && token.key.empty() && i > start) {
                token.key.assign(line.substr(start, i - start));
                start = i + 1;
            }
            ++i;
        }
        if (i < line.size() && line[i] == u'"') {
            if (i != start) {
                error = u"a quoted text must stand alone or follow \"key=\"";
                return false;
            }
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char16_t c = line[i++];
                if (c == u'"') {
                    closed = true;
                    break;
                }
                if (c != u'\\') {
                    token.text += c;
                    continue;
                }
                if (i == line.size())
                    break;
                const char16_t e = line[i++];
                switch (e) {
                case u'\\': token.text += u'\\'; break;
                case u'"': token.text += u'"'; break;
                case u'n': token.text += u'\n'; break;
                case u'r': token.text += u'\r'; break;
                case u't': token.text += u'\t'; break;
                case u'u': {
                    unsigned value = 0;
                    for (int k = 0; k < 4; ++k) {
                        const int d = i < line.size() ? hexDigit(line[i]) : -1;
                        if (d < 0) {
                            error = u"\\u needs four hexadecimal digits";
                            return false;
                        }
                        value = value << 4 | unsigned(d);
                        ++i;
                    }
                    token.text += char16_t(value);
                    break;
                }
                default: error = u"unknown escape in a quoted text"; return false;
                }
            }
            if (!closed) {
                error = u"a quoted text is not closed";
                return false;
            }
            if (i < line.size() && !blank(i)) {
                error = u"text follows a closing quote";
                return false;
            }
            token.quoted = true;
        } else {
            token.text.assign(line.substr(start, i - start));
            if (!token.key.empty() && token.text.empty()) {
                error = u"\"";
                error += token.key;
                error += u"=\" has no value";
                return false;
            }
        }
        ++count;
    }
}

bool fileError(std::u16string_view path, std::u16string_view why, std::u16string& error) {
    error = std::u16string(path);
    error += u": ";
    error += why;
    return false;
}

bool readSharedBytes(std::u16string_view path, std::uint64_t maxBytes, std::u16string_view kind,
                     std::shared_ptr<const std::string>& bytes, std::u16string& error) {
    bool tooLarge = false;
    bytes = os::readShared(path, maxBytes, tooLarge);
    if (bytes)
        return true;
    if (tooLarge)
        return fileError(path, u"the file is too large for a " + std::u16string(kind), error);
    return fileError(path, u"cannot be read", error);
}

bool readFileBytes(std::u16string_view path, std::uint64_t maxBytes, std::u16string_view kind, std::string& bytes,
                   std::u16string& error) {
    std::shared_ptr<const std::string> shared;
    if (!readSharedBytes(path, maxBytes, kind, shared, error))
        return false;
    bytes = *shared;
    return true;
}

bool writeFileBytes(std::u16string_view path, std::string_view bytes, std::u16string& error) {
    return os::writeBytes(path, bytes) || fileError(path, u"cannot be written", error);
}

} // namespace grid
