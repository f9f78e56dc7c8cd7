#include "nuvo/dstv/DlgDstvPoints.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/dstv/dstvPointFile.h"
#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"
#include "os/Registry.h"
#include "os/files.h"

#include <cstdint>

namespace {

const char16_t kSettingsKey[] = u"Software\\Kelvadore\\DSTV Points";
const char16_t kStandardValue[] = u"Standard file";
const char16_t kInstalledStandard[] = u"Standard.dat";
// Point files are small; anything past this is no point file, and is not read into memory.
constexpr std::uint64_t kMaxFileBytes = 16 * 1024 * 1024;

// The general texts of the lists (the host's own numbers).
constexpr int kSideTexts[] = {10150, 10151, 10152, 10153};
constexpr int kStartDirectionTexts[] = {10154, 10155};

} // namespace

Ork_String DlgDstvPoints::getDstvPointsFolder() { return Ork_Settings::libDir() + u"DSTV Points\\"; }

bool DlgDstvPoints::getAllDstvPointsFiles(Ork_StringArray& names) {
    names.removeAll();
    for (const std::u16string& file : os::listFolder(getDstvPointsFolder(), u"*.dat"))
        names.append(removeExtension(Ork_String(file)));
    return !names.isEmpty();
}

Ork_String DlgDstvPoints::getStandardDstvPointsFile() {
    os::Registry::Key key;
    std::u16string name;
    if (os::Registry::openKey(os::Hive::CurrentUser, kSettingsKey, key) == os::RegStatus::Ok &&
        key.queryString(kStandardValue, name) == os::RegStatus::Ok)
        return Ork_String(std::move(name));
    // A fresh installation has the sample standard as its standard, as the host's setup writes it.
    if (os::fileExists(getDstvPointsFolder() + kInstalledStandard))
        return Ork_String(kInstalledStandard);
    return {};
}

bool DlgDstvPoints::setStandardDstvPointsFile(const Ork_String& fileName) {
    os::Registry::Key key;
    return os::Registry::createKey(os::Hive::CurrentUser, kSettingsKey, key) == os::RegStatus::Ok &&
           key.setString(kStandardValue, fileName) == os::RegStatus::Ok;
}

Ork_StringArray DlgDstvPoints::sideTexts() {
    Ork_StringArray texts;
    for (int n : kSideTexts)
        texts.append(string(n));
    return texts;
}

Ork_StringArray DlgDstvPoints::startDirectionTexts() {
    Ork_StringArray texts;
    for (int n : kStartDirectionTexts)
        texts.append(string(n));
    return texts;
}

bool DlgDstvPoints::readFromFile(const Ork_String& path) {
    std::string bytes;
    bool tooLarge = false;
    if (!os::readBytes(path, bytes, kMaxFileBytes, tooLarge)) {
        m_error = tooLarge ? u"the file is too large to be a point file" : u"the file cannot be read";
        return false;
    }
    return nuvo::parseDstvPoints(bytes, points, m_error);
}

bool DlgDstvPoints::writeToFile(const Ork_String& path) const { return os::writeBytes(path, nuvo::dstvPointsText(points)); }
