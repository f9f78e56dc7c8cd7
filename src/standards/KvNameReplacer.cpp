#include "standards/KvNameReplacer.h"

#include <algorithm>

void KvNameReplacer::add(const Ork_String& name, const Ork_String& replacement) {
    if (name.isEmpty())
        return;
    // After every name at least as long: the first of equal names stays in front and is the one found.
    const auto at = std::upper_bound(m_entries.begin(), m_entries.end(), name.size(),
                                     [](std::size_t size, const Entry& e) { return size > e.name.size(); });
    m_entries.insert(at, Entry{name, replacement});
}

std::size_t KvNameReplacer::match(std::u16string_view text, std::size_t at, const Ork_String*& replacement) const {
    if (at >= text.size() || (at > 0 && isWordChar(text[at - 1])))
        return 0;
    const std::u16string_view rest = text.substr(at);
    for (const Entry& e : m_entries) {
        const std::u16string_view name(e.name);
        if (name.size() > rest.size() || name[0] != rest[0] || !rest.starts_with(name))
            continue;
        if (name.size() < rest.size() && isWordChar(rest[name.size()]))
            continue;
        replacement = &e.replacement;
        return name.size();
    }
    return 0;
}

bool KvNameReplacer::replace(std::u16string_view text, Ork_String& out) const {
    out.clear();
    out.reserve(text.size());
    bool replaced = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const Ork_String* replacement = nullptr;
        if (const std::size_t length = match(text, i, replacement)) {
            out += *replacement;
            i += length;
            replaced = true;
            continue;
        }
        // No name starts inside a word: every later character of it has a word character before it.
        std::size_t end = i + 1;
        if (isWordChar(text[i]))
            while (end < text.size() && isWordChar(text[end]))
                ++end;
        out.append(text.substr(i, end - i));
        i = end;
    }
    return replaced;
}
