#pragma once
// Names in a statement or cell text replaced by their values or coordinates, in one pass from the left:
// - a name counts only where it stands alone: the characters before and after it (if any) are no ASCII letter,
//   digit or "_", so W is not found in Width or W_1;
// - where names overlap, the longest one that stands alone at a place wins, whatever the order in which the
//   names were added: "gen.Width" is replaced whole, never as "gen." and a replaced "Width";
// - a replacement once put in is never searched again, so a coordinate ("B12") is never taken for a name.
// Of names added twice the first pair counts.
#include "nuvo/Ork_String.h"

#include <cstddef>
#include <string_view>
#include <vector>

class KvNameReplacer {
public:
    static bool isWordChar(char16_t c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'_';
    }

    // An empty name is never found and is not added.
    void add(const Ork_String& name, const Ork_String& replacement);
    void clear() { m_entries.clear(); }
    bool isEmpty() const { return m_entries.empty(); }

    // The length of the longest name that stands alone at `at` of `text`, with its replacement; 0 when none.
    std::size_t match(std::u16string_view text, std::size_t at, const Ork_String*& replacement) const;
    // `text` with every name replaced, into `out`; true when anything was replaced.
    bool replace(std::u16string_view text, Ork_String& out) const;

private:
    struct Entry {
        Ork_String name;
        Ork_String replacement;
    };
    std::vector<Entry> m_entries;   // longest name first; names of one length in the order added
};
