#include "nuvo/Ork_StringArray.h"

bool Ork_StringArray::find(const Ork_String& text, int& index, bool matchCase) const {
    const int i = indexOf(text, matchCase);
    if (i < 0)
        return false;
    index = i;
    return true;
}

int Ork_StringArray::indexOf(const Ork_String& text, bool matchCase) const {
    for (int i = 0; i < length(); ++i)
        if ((*this)[i].equal(text, !matchCase))
            return i;
    return -1;
}
