#include "nuvo/sections/sectionPictures.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "os/paths.h"
#include "ui/paint/bitmapImage.h"

namespace {

Ork_String iconsFolder() { return Ork_Settings::asFolder(Ork_Settings::orkDir()) + u"icons\\"; }

Ork_String existing(const Ork_String& path) { return ObjectExportFileExists(path) ? path : Ork_String(); }

bool isTypeNumber(const Ork_String& text) {
    if (text.isEmpty() || text.size() > 2)
        return false;
    for (char16_t c : text)
        if (c < u'0' || c > u'9')
            return false;
    const int number = text.toInt();
    return number >= 1 && number <= 24;
}

} // namespace

Ork_String sectionPictureFile(const Ork_String& typeText) {
    const Ork_String text = typeText.trimmed();
    if (isTypeNumber(text))
        return existing(iconsFolder() + u"Section" + Ork_String(text.toInt()) + u".bmp");
    Ork_String name(os::fileNameOf(text));
    if (name.isEmpty() || name == u"." || name == u".." || text.find(u':') != Ork_String::npos)
        return Ork_String();
    const std::size_t dot = name.rfind(u'.');
    if (dot != Ork_String::npos && dot > 0)
        name = Ork_String(name.substr(0, dot));
    return existing(iconsFolder() + name + u".bmp");
}

Ork_String sectionFallbackPictureFile() { return existing(iconsFolder() + u"SectionNone.bmp"); }

bool loadSectionPicture(const Ork_String& typeText, bool withFallback, ui::Image& image) {
    Ork_String file = sectionPictureFile(typeText);
    if (file.isEmpty() && withFallback)
        file = sectionFallbackPictureFile();
    if (file.isEmpty())
        return false;
    const std::optional<std::filesystem::path> path = os::findExisting(file);
    std::u16string error;
    return path && ui::loadBitmapImage(*path, image, error);
}
