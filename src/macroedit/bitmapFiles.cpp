#include "macroedit/bitmapFiles.h"

#include "os/files.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <memory>
#include <span>

namespace macroedit {
namespace {

// Button pictures are small; a larger file is no button bitmap.
constexpr std::uint64_t kMaxBitmapBytes = 4u << 20;

} // namespace

bool loadBitmapFile(const Ork_String& path, ui::Image& image) {
    std::string bytes;
    bool tooLarge = false;
    if (path.isEmpty() || !os::readBytes(path, bytes, kMaxBitmapBytes, tooLarge) || tooLarge)
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

ui::Image whiteBitmap(int width, int height) {
    ui::Canvas blank(width, height, ui::colors::white);
    ui::Image image;
    image.bytes = std::make_shared<const std::vector<std::uint8_t>>(ui::encodeBmp(blank));
    image.size = {width, height};
    return image;
}

} // namespace macroedit
