#include "nuvo/records/SectionType.h"

#include <utility>

bool operator==(const SectionType& a, const SectionType& b) {
    return a.enabled == b.enabled && a.imageName == b.imageName && a.groupId == b.groupId &&
           a.typeText == b.typeText && a.names == b.names;
}

bool operator==(const SectionTypeArray& a, const SectionTypeArray& b) {
    if (a.length() != b.length())
        return false;
    for (int i = 0; i < a.length(); ++i)
        if (!(*a.get(i) == *b.get(i)))
            return false;
    return true;
}

bool SectionTypeArray::insertAt(int index, const SectionType& type) {
    if (index < 0 || index > types_.length())
        return false;
    return types_.insertAt(index, type);
}

bool SectionTypeArray::removeAt(int index) {
    if (!types_.get(index))
        return false;
    return types_.removeAt(index);
}

bool SectionTypeArray::swap(int first, int second) {
    SectionType* a = types_.get(first);
    SectionType* b = types_.get(second);
    if (!a || !b)
        return false;
    std::swap(*a, *b);
    return true;
}
