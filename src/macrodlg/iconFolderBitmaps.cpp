#include "macrodlg/iconFolderBitmaps.h"

#include "nuvo/Ork_Settings.h"
#include "os/files.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <memory>
#include <span>

namespace macrodlg {
namespace {

// Control pictures are small; a larger file is no picture of ours.
constexpr std::uint64_t kMaxBitmapBytes = 4u << 20;

bool plainFileName(const Ork_String& name) {
    const std::u16string& s = name;
    return !s.empty() && s.find_first_of(u"\\/:") == std::u16string::npos && s != u"." && s != u"..";
}

} // namespace

bool loadIconBitmap(const Ork_String& fileName, ui::Image& image) {
    if (!plainFileName(fileName))
        return false;
    const Ork_String path = Ork_Settings::asFolder(Ork_Settings::orkDir()) + u"icons\\" + fileName;
    std::string bytes;
    bool tooLarge = false;
    if (!os::readBytes(path, bytes, kMaxBitmapBytes, tooLarge) || tooLarge)
        return false;
    ui::Canvas decoded;
    std::u16string error;
    if (!ui::readBmp(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), decoded, error))
        return false;
    ui::Image loaded;
    loaded.bytes = std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end());
    loaded.size = {decoded.width(), decoded.height()};
    image = loaded;
    return true;
}

} // namespace macrodlg
