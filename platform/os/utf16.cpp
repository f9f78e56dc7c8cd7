#include "os/utf16.h"

namespace os {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void appendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

} // namespace

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
                ++i;
            } else {
                c = kReplacement;   // a lone high surrogate
            }
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            c = kReplacement;       // a lone low surrogate
        }
        appendUtf8(out, c);
    }
    return out;
}

std::u16string toUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            out += static_cast<char16_t>(b0);
            ++i;
            continue;
        }
        int len = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; minimum = 0x80; }
        else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; minimum = 0x800; }
        else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; minimum = 0x10000; }
        else { out += char16_t(kReplacement); ++i; continue; }
        int taken = 1;
        bool ok = true;
        for (; taken < len; ++taken) {
            if (i + taken >= s.size()) { ok = false; break; }
            const auto b = static_cast<unsigned char>(s[i + taken]);
            if ((b & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (b & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are as invalid as a broken sequence.
        if (!ok || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += char16_t(kReplacement);
            i += ok ? len : taken;
            continue;
        }
        appendUtf16(out, cp);
        i += len;
    }
    return out;
}

std::string toLatin1(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text)
        out += c <= 0xFF ? static_cast<char>(c) : '?';
    return out;
}

std::u16string fromLatin1(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out += static_cast<char16_t>(static_cast<unsigned char>(c));
    return out;
}

} // namespace os
