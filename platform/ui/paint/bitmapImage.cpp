#include "ui/paint/bitmapImage.h"

#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"
#include "ui/paint/fileBytes.h"

#include <memory>
#include <vector>

namespace ui {

namespace {
constexpr std::size_t kMaxBitmapBytes = 64u << 20;
}

bool loadBitmapImage(const std::filesystem::path& path, Image& image, std::u16string& error) {
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, kMaxBitmapBytes, bytes, error))
        return false;
    Canvas decoded;
    if (!readBmp(bytes, decoded, error))
        return false;
    Image loaded;
    loaded.size = Size{decoded.width(), decoded.height()};
    loaded.bytes = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    image = std::move(loaded);
    return true;
}

} // namespace ui
