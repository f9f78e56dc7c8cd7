#pragma once
// The section types of the library record, and the owned array that holds them (copies, never shared).
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

// The group a type belongs to is a group identifier (SectionGroupArray); -1 is no group.
inline constexpr int kNoSectionGroup = -1;

struct SectionType {
    bool enabled = true;
    Ork_String imageName;
    int groupId = kNoSectionGroup;
    Ork_String typeText;     // a type number 1..24 as decimal text, or a template file name
    Ork_StringArray names;   // one per host language
};

bool operator==(const SectionType& a, const SectionType& b);

class SectionTypeArray {
public:
    int length() const { return types_.length(); }
    bool isEmpty() const { return types_.isEmpty(); }
    SectionType* get(int index) { return types_.get(index); }
    const SectionType* get(int index) const { return types_.get(index); }

    int append(const SectionType& type) { return types_.append(type); }
    // Inserts before `index` (0..length); false outside that range.
    bool insertAt(int index, const SectionType& type);
    bool removeAt(int index);
    bool swap(int first, int second);

    friend bool operator==(const SectionTypeArray& a, const SectionTypeArray& b);

private:
    Ork_Array<SectionType> types_;
};
