#pragma once
// The section groups of the library record. Every group has an identifier that the section types refer to;
// it is given once, when the group is made, and neither moves nor removals change it or give it again.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

struct SectionGroup {
    int id = 0;
    Ork_String name;
    bool enabled = true;
    Ork_String imageName;
    Ork_StringArray names;   // one per host language (MacroLangs::GetAllLanguages order)
};

class SectionGroupArray {
public:
    int length() const { return groups_.length(); }
    bool isEmpty() const { return groups_.isEmpty(); }
    SectionGroup* get(int index) { return groups_.get(index); }
    const SectionGroup* get(int index) const { return groups_.get(index); }

    // Appends a group under a fresh identifier, with `name` in every language; returns its index.
    int appendNewGrp(const Ork_String& name = Ork_String());
    // Appends a group that keeps its identifier (a record read back); false for an identifier below 1 or in use.
    bool appendWithId(const SectionGroup& group);
    bool removeAt(int index);
    // Swaps two groups; false when either index is outside the array.
    bool swap(int first, int second);

    // The index of the group with the identifier, -1 when there is none.
    int indexOfId(int id) const;
    // The identifier the next new group gets; it only grows.
    int nextId() const { return nextId_; }
    void setNextId(int id);

    friend bool operator==(const SectionGroupArray& a, const SectionGroupArray& b);

private:
    Ork_Array<SectionGroup> groups_;
    int nextId_ = 1;
};

bool operator==(const SectionGroup& a, const SectionGroup& b);
