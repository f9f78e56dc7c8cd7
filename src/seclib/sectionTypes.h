#pragma once
// The 24 section types a value table can have: each one's name (a host text) and the labels of its value
// columns (host texts, in column order). A table keeps its type as text in its descriptor: a known type as
// its number ("10"), anything else (a template file name, an unknown number) as it was written.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <array>
#include <initializer_list>
#include <span>

inline constexpr int kSectionTypeCount = 24;

struct SectionTypeInfo {
    int number;                   // 1 .. 24
    int nameText;                 // host text of its name
    std::span<const int> labels;  // host texts of its value column labels
};

// The type of that number; null outside 1..24.
const SectionTypeInfo* findSectionType(int number);
// The number of a type text: a decimal number 1..24 gives itself; any other text 0 (an unknown type).
int sectionTypeNumber(const Ork_String& typeText);
// As the editor shows a type text: "<" + the type's name + ">" for a known type, the text itself otherwise.
Ork_String sectionTypeShown(const Ork_String& typeText);
// The type text of what the editor shows: a known type's shown name gives its number, anything else itself.
Ork_String sectionTypeStored(const Ork_String& shown);
// The shown names of the 24 types, in number order.
Ork_StringArray sectionTypeShownNames();
// The value column labels of a known type; empty for an unknown one.
Ork_StringArray sectionTypeValueLabels(int number);
