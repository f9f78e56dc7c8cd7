#include "seclib/profTableLayout.h"

#include "nuvo/MacroLangs.h"

namespace {
const Ork_String kKorean = u"Korean";
}

int profTableLanguageCount(const Ork_StringArray& headers) {
    return headers.length() > kOptionalLanguageColumn && headers[kOptionalLanguageColumn] == kKorean
               ? kBaseLanguageCount + 1
               : kBaseLanguageCount;
}

Ork_StringArray profTableNewHeaders() {
    Ork_StringArray headers{u"SysName", u"I/O"};
    const Ork_StringArray languages = gMacroLangs.GetAllLanguages();
    const int optional = kOptionalLanguageColumn - kFirstLanguageColumn;
    int count = std::min(languages.length(), kBaseLanguageCount);
    if (languages.length() > optional && languages[optional] == kKorean)
        count = optional + 1;
    for (int i = 0; i < count; ++i)
        headers.append(languages[i]);
    return headers;
}
