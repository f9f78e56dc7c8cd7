#include "nuvo/textHelpers.h"

#include "os/textCase.h"

#include <initializer_list>
#include <unordered_map>
#include <unordered_set>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// Index of the "." that starts the extension of the last path component, or npos.
std::size_t extensionDot(const Ork_String& path) {
    const std::size_t dot = path.find_last_of(u'.');
    if (dot == Ork_String::npos)
        return dot;
    const std::size_t sep = path.find_last_of(u"\\/");
    if (sep != Ork_String::npos && sep > dot)
        return Ork_String::npos;
    return dot;
}

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool isLetter(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return true;
    if (c >= 0xC0 && c <= 0x17F)
        return c != 0xD7 && c != 0xF7;
    // Letters of the alphabets that have case: a letter is one that case mapping changes.
    return c >= 0x370 && c <= 0x45F && (os::foldCase(c) != c || os::upperCase(c) != c);
}

} // namespace

bool splitString(const Ork_String& text, char16_t symbol, Ork_String& before, Ork_String& after) {
    const std::size_t pos = text.find(symbol);
    if (pos == Ork_String::npos)
        return false;
    before = Ork_String(text.substr(0, pos));
    after = Ork_String(text.substr(pos + 1));
    return true;
}

bool splitStringAtSymbol(const Ork_String& text, char16_t symbol, Ork_StringArray& parts, bool trim, int maxParts) {
    parts.removeAll();
    if (text.empty())
        return false;
    bool found = false;
    std::size_t start = 0;
    while (true) {
        const bool lastAllowed = maxParts > 0 && parts.length() == maxParts - 1;
        const std::size_t pos = lastAllowed ? Ork_String::npos : text.find(symbol, start);
        std::u16string_view part(text);
        part = part.substr(start, pos == Ork_String::npos ? Ork_String::npos : pos - start);
        if (trim) {
            const std::size_t first = part.find_first_not_of(u" \t");
            part = first == std::u16string_view::npos ? std::u16string_view()
                                                      : part.substr(first, part.find_last_not_of(u" \t") - first + 1);
        }
        parts.append(Ork_String(part.data(), part.size()));
        if (pos == Ork_String::npos)
            break;
        found = true;
        start = pos + 1;
    }
    return found || text.find(symbol) != Ork_String::npos;
}

Ork_String& stripSymbols(Ork_String& text, char16_t symbol, bool atEnds, bool inside) {
    if (inside) {
        std::erase(text, symbol);
        return text;
    }
    if (atEnds) {
        const std::size_t first = text.find_first_not_of(symbol);
        if (first == Ork_String::npos) {
            text.clear();
        } else {
            text.erase(text.find_last_not_of(symbol) + 1);
            text.erase(0, first);
        }
    }
    return text;
}

Ork_StringArray strToArr(const Ork_String& text, char16_t separator) {
    Ork_StringArray pieces;
    splitStringAtSymbol(text, separator, pieces, false);
    return pieces;
}

Ork_String arrToStr(const Ork_StringArray& pieces, char16_t separator) {
    return appStrs(pieces, Ork_String(separator));
}

Ork_Array<Ork_StringArray> arrToArrArr(const Ork_StringArray& lines, char16_t separator) {
    Ork_Array<Ork_StringArray> rows;
    for (const Ork_String& line : lines)
        rows.append(strToArr(line, separator));
    return rows;
}

Ork_String appStrs(const Ork_StringArray& texts, const Ork_String& glue) {
    Ork_String out;
    for (int i = 0; i < texts.length(); ++i) {
        if (i)
            out += glue;
        out += texts[i];
    }
    return out;
}

Ork_String changeExtension(const Ork_String& path, const Ork_String& extension) {
    Ork_String out = removeExtension(path);
    if (extension.empty())
        return out;
    if (extension[0] != u'.')
        out += u'.';
    out += extension;
    return out;
}

Ork_String removeExtension(const Ork_String& path) {
    const std::size_t dot = extensionDot(path);
    return dot == Ork_String::npos ? path : Ork_String(path.substr(0, dot));
}

Ork_String getExtension(const Ork_String& path) {
    const std::size_t dot = extensionDot(path);
    return dot == Ork_String::npos ? Ork_String() : Ork_String(path.substr(dot + 1));
}

Ork_String getPath(const Ork_String& path) {
    const std::size_t sep = path.find_last_of(u"\\/");
    return sep == Ork_String::npos ? Ork_String() : Ork_String(path.substr(0, sep + 1));
}

Ork_String getFileName(const Ork_String& path) {
    const std::size_t sep = path.find_last_of(u"\\/");
    return sep == Ork_String::npos ? path : Ork_String(path.substr(sep + 1));
}

bool isNumber(const Ork_String& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    while (i < n && isAsciiDigit(text[i]))
        ++i, digits = true;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(text[i]))
            ++i, digits = true;
    }
    if (!digits)
        return false;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        bool expDigits = false;
        while (i < n && isAsciiDigit(text[i]))
            ++i, expDigits = true;
        if (!expDigits)
            return false;
    }
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    return i == n;
}

bool hasOnlyLettersNumbers(const Ork_String& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return isAsciiDigit(c) || isLetter(c); });
}

bool startsWithNumber(const Ork_String& text) { return !text.empty() && isAsciiDigit(text[0]); }

bool hasInvalidFileNameChars(const Ork_String& text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) {
        return c < 32 || Ork_String(u"\\/:*?\"<>|").find(c) != Ork_String::npos;
    });
}

namespace {

// The text as duplicates are told apart: itself, or folded when case is ignored.
std::u16string duplicateKey(const Ork_String& text, bool ignoreCase) {
    return ignoreCase ? os::foldCase(text) : std::u16string(text);
}

} // namespace

// Hashing keeps both linear: a standards sheet checks thousands of variable names on every evaluation.
bool getDuplicates(const Ork_StringArray& texts, AcArray<int>& indexes, bool ignoreCase) {
    indexes.removeAll();
    std::unordered_set<std::u16string> seen;
    seen.reserve(static_cast<std::size_t>(texts.length()));
    for (int i = 0; i < texts.length(); ++i)
        if (!seen.insert(duplicateKey(texts[i], ignoreCase)).second)
            indexes.append(i);
    return !indexes.isEmpty();
}

bool hasDuplicates(const Ork_StringArray& texts, Ork_StringArray& duplicated, bool ignoreCase) {
    duplicated.removeAll();
    // Each duplicated text once, with the spelling of its first occurrence, in the order its first duplicate
    // comes.
    std::unordered_map<std::u16string, int> first;
    std::unordered_set<std::u16string> listed;
    for (int i = 0; i < texts.length(); ++i) {
        std::u16string key = duplicateKey(texts[i], ignoreCase);
        const auto [at, inserted] = first.try_emplace(key, i);
        if (!inserted && listed.insert(std::move(key)).second)
            duplicated.append(texts[at->second]);
    }
    return !duplicated.isEmpty();
}

Ork_String findNonExistingString(const Ork_StringArray& existing, const Ork_String& seed) {
    if (!existing.contains(seed))
        return seed;
    std::size_t stemEnd = seed.size();
    while (stemEnd > 0 && isAsciiDigit(seed[stemEnd - 1]))
        --stemEnd;
    const Ork_String stem(seed.substr(0, stemEnd));
    // The trailing number, capped so that counting on from it cannot overflow.
    long long number = 0;
    for (std::size_t i = stemEnd; i < seed.size(); ++i)
        number = std::min<long long>(number * 10 + (seed[i] - u'0'), 1000000000LL);
    // At most existing.length() + 1 candidates can be tried before one is free.
    for (long long candidate = number + 1;; ++candidate) {
        Ork_String name = stem;
        for (char c : std::to_string(candidate))
            name += static_cast<char16_t>(c);
        if (!existing.contains(name))
            return name;
    }
}

bool findFirstNumbers(const Ork_String& text, int& start, Ork_String& digits) {
    std::size_t i = 0;
    while (i < text.size() && !isAsciiDigit(text[i]))
        ++i;
    if (i == text.size())
        return false;
    std::size_t end = i;
    while (end < text.size() && isAsciiDigit(text[end]))
        ++end;
    start = static_cast<int>(i);
    digits = Ork_String(text.substr(i, end - i));
    return true;
}

bool getSubstrBefore(const Ork_String& text, char16_t symbol, Ork_String& before, bool last) {
    const std::size_t pos = last ? text.rfind(symbol) : text.find(symbol);
    if (pos == Ork_String::npos)
        return false;
    before = Ork_String(text.substr(0, pos));
    return true;
}

bool getSubstrAfter(const Ork_String& text, char16_t symbol, Ork_String& after, bool last) {
    const std::size_t pos = last ? text.rfind(symbol) : text.find(symbol);
    if (pos == Ork_String::npos)
        return false;
    after = Ork_String(text.substr(pos + 1));
    return true;
}

bool hasASubstr(const Ork_String& text, const Ork_String& part, bool ignoreCase) {
    return text.contains(part, ignoreCase);
}

Ork_String getAlfabet(int n) {
    Ork_String letters;
    while (n > 0) {
        const int digit = (n - 1) % 26;
        letters.insert(letters.begin(), static_cast<char16_t>(u'A' + digit));
        n = (n - 1) / 26;
    }
    return letters;
}

Ork_String removeLineComment(const Ork_String& line) {
    const std::size_t pos = line.find(u"//");
    return pos == Ork_String::npos ? line : Ork_String(line.substr(0, pos));
}

Ork_String removeComments(const Ork_String& text) {
    Ork_String out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find(u"/*", i);
        if (open == Ork_String::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        const std::size_t close = text.find(u"*/", open + 2);
        if (close == Ork_String::npos)
            break;
        i = close + 2;
    }
    return out;
}

void removeComments(Ork_StringArray& lines) {
    bool inBlock = false;
    for (int n = 0; n < lines.length(); ++n) {
        const Ork_String& line = lines[n];
        Ork_String out;
        std::size_t i = 0;
        while (i < line.size()) {
            if (inBlock) {
                const std::size_t close = line.find(u"*/", i);
                if (close == Ork_String::npos) {
                    i = line.size();
                } else {
                    inBlock = false;
                    i = close + 2;
                }
                continue;
            }
            const std::size_t open = line.find(u"/*", i);
            const std::size_t slashes = line.find(u"//", i);
            if (slashes != Ork_String::npos && (open == Ork_String::npos || slashes < open)) {
                out += line.substr(i, slashes - i);
                break;
            }
            if (open == Ork_String::npos) {
                out += line.substr(i);
                break;
            }
            out += line.substr(i, open - i);
            inBlock = true;
            i = open + 2;
        }
        lines[n] = out;
    }
}

void sortArray(Ork_StringArray& texts, bool ignoreCase) {
    std::vector<Ork_String> items(texts.begin(), texts.end());
    std::stable_sort(items.begin(), items.end(), [ignoreCase](const Ork_String& a, const Ork_String& b) {
        if (ignoreCase) {
            const Ork_String fa = a.toLower();
            const Ork_String fb = b.toLower();
            if (fa != fb)
                return fa < fb;
        }
        return a < b;
    });
    texts.removeAll();
    for (Ork_String& s : items)
        texts.append(std::move(s));
}

Ork_StringArray stringArr(const Ork_String& first, const Ork_String& second, const Ork_String& third,
                          const Ork_String& fourth, const Ork_String& fifth) {
    Ork_StringArray list;
    for (const Ork_String* text : {&first, &second, &third, &fourth, &fifth})
        if (!text->isEmpty())
            list.append(*text);
    return list;
}
