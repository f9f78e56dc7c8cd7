#include "nuvo/hostTexts.h"

#include "nuvo/MacroLangs.h"

#include <charconv>
#include <unordered_map>

namespace nuvo {
extern const char* const kEnglishTexts;   // texts/en.txt, built in (generated source)
}

namespace {

std::unordered_map<int, Ork_String>& table() {
    static std::unordered_map<int, Ork_String> texts;
    static bool loaded = false;
    if (!loaded) {
        loaded = true;
        nuvo::loadHostTexts(nuvo::kEnglishTexts);
    }
    return texts;
}

Ork_String unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == 'n' || next == 't' || next == '\\') {
                out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return Ork_String::fromUtf8(out);
}

Ork_String lookup(int number) {
    const auto& texts = table();
    const auto it = texts.find(number);
    if (it != texts.end())
        return it->second;
    Ork_String missing(u"#");
    missing.append(number);
    return missing;
}

} // namespace

namespace nuvo {

int loadHostTexts(std::string_view utf8Table) {
    auto& texts = table();
    int count = 0;
    std::size_t start = 0;
    while (start < utf8Table.size()) {
        std::size_t end = utf8Table.find('\n', start);
        if (end == std::string_view::npos)
            end = utf8Table.size();
        std::string_view line = utf8Table.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        int number = 0;
        const auto result = std::from_chars(line.data(), line.data() + line.size(), number);
        if (result.ec != std::errc() || result.ptr == line.data() + line.size() || *result.ptr != '\t')
            continue;
        texts[number] = unescape(line.substr(static_cast<std::size_t>(result.ptr - line.data()) + 1));
        ++count;
    }
    return count;
}

void resetHostTexts() {
    auto& texts = table();
    texts.clear();
    loadHostTexts(kEnglishTexts);
}

} // namespace nuvo

Ork_String dialString(int number) { return lookup(number); }

Ork_String string(int number) { return lookup(number); }

Ork_StringArray dialStringAllLangs(int number) {
    const Ork_String english = lookup(number);
    Ork_StringArray texts;
    for (const Ork_String& language : gMacroLangs.GetAllLanguages())
        texts.append(gMacroLangs.GetString(language, english));
    return texts;
}
