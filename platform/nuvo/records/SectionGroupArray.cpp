#include "nuvo/records/SectionGroupArray.h"

#include "nuvo/MacroLangs.h"

#include <climits>
#include <memory>

bool operator==(const SectionGroup& a, const SectionGroup& b) {
    return a.id == b.id && a.name == b.name && a.enabled == b.enabled && a.imageName == b.imageName &&
           a.names == b.names;
}

bool operator==(const SectionGroupArray& a, const SectionGroupArray& b) {
    if (a.nextId_ != b.nextId_ || a.length() != b.length())
        return false;
    for (int i = 0; i < a.length(); ++i)
        if (!(*a.get(i) == *b.get(i)))
            return false;
    return true;
}

int SectionGroupArray::appendNewGrp(const Ork_String& name) {
    SectionGroup group;
    group.id = nextId_;
    nextId_ = nextId_ < INT_MAX ? nextId_ + 1 : nextId_;
    group.name = name;
    for (int i = 0; i < gMacroLangs.GetNrLanguages(); ++i)
        group.names.append(name);
    return groups_.append(group);
}

bool SectionGroupArray::appendWithId(const SectionGroup& group) {
    if (group.id < 1 || indexOfId(group.id) >= 0)
        return false;
    groups_.append(group);
    if (group.id >= nextId_)
        nextId_ = group.id < INT_MAX ? group.id + 1 : group.id;
    return true;
}

bool SectionGroupArray::removeAt(int index) {
    if (!groups_.get(index))
        return false;
    return groups_.removeAt(index);
}

bool SectionGroupArray::swap(int first, int second) {
    SectionGroup* a = groups_.get(first);
    SectionGroup* b = groups_.get(second);
    if (!a || !b)
        return false;
    std::swap(*a, *b);
    return true;
}

int SectionGroupArray::indexOfId(int id) const {
    for (int i = 0; i < groups_.length(); ++i)
        if (groups_[i].id == id)
            return i;
    return -1;
}

void SectionGroupArray::setNextId(int id) {
    if (id > nextId_)
        nextId_ = id;
}
