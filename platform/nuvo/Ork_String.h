#pragma once
// The host's text class: UTF-16 text, as every text inside the module travels.
//
// It is a std::u16string with the host's operations added, so standard algorithms and string views work
// on it directly. Conversions to UTF-8 happen only at the edges (files, console): utf8() / fromUtf8().
//
// Case rule, shared by every comparing operation of the host library: a flag named `ignoreCase` compares
// case-insensitively when true and exactly (code unit by code unit) when false, and false is the default.
// The searches of Ork_StringArray take the opposite flag, `matchCase` (true = exact). The module's calls —
// variable lookup `equal(name, false)`, target lookup `find(target, index, true)`, duplicate detection
// `getDuplicates(..., false)` — therefore all compare exactly, like its name replacement.
// Case-insensitive comparison, toUpper and toLower follow the system's one case rule (os/textCase.h): ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic letters.
#include <string>
#include <string_view>

class Ork_String : public std::u16string {
public:
    Ork_String() = default;
    Ork_String(const char16_t* text) : std::u16string(text ? text : u"") {}
    Ork_String(const char16_t* text, size_type count) : std::u16string(text, count) {}
    Ork_String(const std::u16string& text) : std::u16string(text) {}
    Ork_String(std::u16string&& text) : std::u16string(std::move(text)) {}
    explicit Ork_String(std::u16string_view text) : std::u16string(text) {}
    explicit Ork_String(char16_t c) : std::u16string(1, c) {}

    // Fixed notation with "." and exactly `decimals` decimals (0 to 100; outside that range clamped),
    // rounded half away from zero on the shortest decimal form of the value, so 2.675 gives "2.68" with 2
    // decimals although its binary value lies just below. Independent of the locale. A result that rounds
    // to zero is written without a minus sign. Not-a-number gives "nan", infinities "inf" and "-inf".
    Ork_String(double value, int decimals);
    // Decimal integer.
    explicit Ork_String(int value);

    static Ork_String fromUtf8(std::string_view utf8);
    std::string utf8() const;

    bool isEmpty() const { return empty(); }
    int len() const { return static_cast<int>(size()); }

    bool equal(const Ork_String& other, bool ignoreCase = false) const;
    bool startsWith(const Ork_String& prefix, bool ignoreCase = false) const;
    bool endsWith(const Ork_String& suffix, bool ignoreCase = false) const;
    // Index of the first occurrence of `text` at or after `start`, or -1. An empty `text` is found at
    // `start` when that lies within the string.
    int indexOf(const Ork_String& text, int start = 0, bool ignoreCase = false) const;
    bool contains(const Ork_String& text, bool ignoreCase = false) const { return indexOf(text, 0, ignoreCase) >= 0; }
    // Replaces every occurrence, left to right, resuming after each inserted text; returns the count. An
    // empty pattern replaces nothing.
    int replaceAll(const Ork_String& pattern, const Ork_String& replacement, bool ignoreCase = false);

    // Substrings that never throw: out-of-range positions and counts are clipped.
    Ork_String left(int count) const;
    Ork_String right(int count) const;
    Ork_String mid(int start, int count = -1) const;

    Ork_String toUpper() const;
    Ork_String toLower() const;
    // Leading and trailing blanks and tabs removed.
    Ork_String trimmed() const;

    // The leading number, as the C runtime's _wtoi / _wtof read it (0 where there is none).
    int toInt() const;
    double toDouble() const;

    using std::u16string::append;
    Ork_String& append(int value);
    Ork_String& append(double value, int decimals);

    // Joining keeps the host's type, so the result still has the host's operations.
    friend Ork_String operator+(const Ork_String& a, const Ork_String& b) {
        Ork_String out(a);
        out.std::u16string::append(b);
        return out;
    }
    friend Ork_String operator+(const Ork_String& a, const char16_t* b) { return a + Ork_String(b); }
    friend Ork_String operator+(const char16_t* a, const Ork_String& b) { return Ork_String(a) + b; }
    friend Ork_String operator+(const Ork_String& a, char16_t b) { return a + Ork_String(b); }
    friend Ork_String operator+(char16_t a, const Ork_String& b) { return Ork_String(a) + b; }
};
