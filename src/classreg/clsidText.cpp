#include "classreg/clsidText.h"

#include "nuvo/textHelpers.h"

bool guidText(const GUID& id, Ork_String& text) {
    std::u16string converted;
    if (StringFromCLSID(id, converted) != S_OK) {
        text.clear();
        return false;
    }
    text = Ork_String(std::move(converted));
    return true;
}

bool guidInitialiser(const Ork_String& registryForm, Ork_String& initialiser) {
    Ork_String bare = registryForm;
    bare.replaceAll(u"{", u"");
    bare.replaceAll(u"}", u"");
    const Ork_StringArray groups = strToArr(bare, u'-');
    if (groups.length() != 5 || groups[3].len() < 4 || groups[4].len() < 12)
        return false;
    // The last eight bytes are written one by one: two from the fourth group, six from the fifth.
    const Ork_String bytes = groups[3].left(4) + groups[4].left(12);
    initialiser = u"{0x" + groups[0] + u",0x" + groups[1] + u",0x" + groups[2] + u",{0x";
    for (int i = 0; i < 8; ++i) {
        if (i > 0)
            initialiser += u",0x";
        initialiser += bytes.mid(2 * i, 2);
    }
    return true;
}
