#include "seclib/profTablePath.h"

#include "nuvo/Ork_Settings.h"

namespace {

bool isForbiddenInName(char16_t c) {
    return c < 0x20 || c == 0x7F || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' ||
           c == u'*';
}

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

} // namespace

bool isProfTableName(const Ork_String& fileName) {
    if (fileName.empty())
        return false;
    // A drive ("C:") is caught by ":", an absolute path by its empty first step, a UNC path likewise.
    std::u16string step;
    auto stepIsSound = [&step] { return !step.empty() && step != u"." && step != u".."; };
    for (char16_t c : fileName) {
        if (isForbiddenInName(c))
            return false;
        if (isSeparator(c)) {
            if (!stepIsSound())
                return false;
            step.clear();
        } else {
            step += c;
        }
    }
    return stepIsSound();
}

bool profTablePath(const Ork_String& fileName, Ork_String& path) {
    if (!isProfTableName(fileName))
        return false;
    path = Ork_Settings::libDir() + u"prof\\" + fileName;
    if (!fileName.endsWith(u".pr", true))
        path += u".pr";
    return true;
}
