#pragma once
// The host's ordered array of texts.
//
// Its searches take `matchCase`: true compares exactly, false ignores case (see Ork_String for the rule
// and why this flag reads the other way round from Ork_String::equal's).
#include "cadhost/AcArray.h"
#include "nuvo/Ork_String.h"

#include <initializer_list>

class Ork_StringArray : public AcArray<Ork_String> {
public:
    Ork_StringArray() = default;
    Ork_StringArray(std::initializer_list<Ork_String> items) : AcArray<Ork_String>(items) {}

    // True and the index of the first entry equal to `text`; false (index untouched) when there is none.
    bool find(const Ork_String& text, int& index, bool matchCase = true) const;
    int indexOf(const Ork_String& text, bool matchCase = true) const;
    bool contains(const Ork_String& text, bool matchCase = true) const { return indexOf(text, matchCase) >= 0; }
};
