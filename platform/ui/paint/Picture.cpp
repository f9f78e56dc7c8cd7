#include "ui/paint/Picture.h"

#include "ui/paint/bmpFile.h"
#include "ui/paint/masks.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace ui {

namespace {

std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8);
}
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}
void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

bool fail(std::u16string& error, std::u16string message) {
    error = std::move(message);
    return false;
}

} // namespace

bool Picture::decode(const Image& image, std::u16string& error, int iconSize) {
    *this = Picture();
    if (!image.bytes || image.bytes->empty()) return fail(error, u"The picture has no data");
    const std::span<const std::uint8_t> bytes(*image.bytes);
    if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0)
        return readIco(bytes, iconSize, error);
    return readBmp(bytes, image_, error);
}

bool Picture::readIco(std::span<const std::uint8_t> bytes, int size, std::u16string& error) {
    *this = Picture();
    if (bytes.size() < 6 || le16(bytes, 0) != 0 || le16(bytes, 2) != 1) return fail(error, u"The file is not an icon");
    const std::size_t count = le16(bytes, 4);
    if (count == 0 || bytes.size() < 6 + 16 * count) return fail(error, u"The icon is truncated inside its directory");

    // The entry whose size is closest to the one wanted; the larger one on a tie. A width byte of 0 means 256.
    std::size_t best = 0;
    int bestDistance = -1, bestSide = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const int side = bytes[6 + 16 * i] == 0 ? 256 : bytes[6 + 16 * i];
        const int distance = std::abs(side - size);
        if (bestDistance < 0 || distance < bestDistance || (distance == bestDistance && side > bestSide)) {
            best = i;
            bestDistance = distance;
            bestSide = side;
        }
    }
    const std::size_t entry = 6 + 16 * best;
    const std::size_t length = le32(bytes, entry + 8), offset = le32(bytes, entry + 12);
    if (offset > bytes.size() || bytes.size() - offset < length || length < 40)
        return fail(error, u"The icon's picture lies outside the file");
    const std::span<const std::uint8_t> dib = bytes.subspan(offset, length);
    if (dib[0] == 0x89 && dib[1] == 'P') return fail(error, u"Icons holding a PNG picture are not supported");
    const std::size_t headerSize = le32(dib, 0);
    if (headerSize < 40 || headerSize > dib.size()) return fail(error, u"The icon's picture has a bad header");

    // The picture is a bitmap without its file header, twice as high as the icon: colours, then the AND mask.
    // Giving it a file header and the icon's own height lets the bitmap reader check and decode the colours.
    const long long doubled = static_cast<std::int32_t>(le32(dib, 8));
    const int bitCount = int(le16(dib, 14));
    if (doubled <= 0 || doubled % 2 != 0) return fail(error, u"The icon's picture has a bad height");
    const long long height = doubled / 2;
    std::size_t paletteBytes = 0;
    if (bitCount >= 1 && bitCount <= 8) {
        const std::uint32_t used = le32(dib, 32);
        paletteBytes = 4 * ((used == 0 || used > (1u << bitCount)) ? (std::size_t(1) << bitCount) : used);
    }
    std::vector<std::uint8_t> file(14, 0);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, std::uint32_t(14 + dib.size()));
    put32(file, 10, std::uint32_t(std::min<std::size_t>(14 + headerSize + paletteBytes, 0xFFFFFFFFu)));
    file.insert(file.end(), dib.begin(), dib.end());
    put32(file, 14 + 8, std::uint32_t(height));
    if (!readBmp(file, image_, error)) return false;

    const int w = image_.width(), h = image_.height();
    const std::size_t colorStride = (std::size_t(w) * std::size_t(bitCount) + 31) / 32 * 4;
    const std::size_t maskStride = (std::size_t(w) + 31) / 32 * 4;
    const std::size_t maskAt = headerSize + paletteBytes + colorStride * std::size_t(h);

    mask_ = Canvas(w, h, colors::black);
    bool anyAlpha = false;
    if (bitCount == 32) {
        // An alpha channel, when the icon has one, says what is transparent better than the AND mask.
        const std::size_t colorAt = headerSize;
        for (int row = 0; row < h && !anyAlpha; ++row)
            for (int x = 0; x < w; ++x)
                if (dib[colorAt + std::size_t(row) * colorStride + 4 * std::size_t(x) + 3] != 0) {
                    anyAlpha = true;
                    break;
                }
        if (anyAlpha)
            for (int row = 0; row < h; ++row)
                for (int x = 0; x < w; ++x)
                    if (dib[colorAt + std::size_t(row) * colorStride + 4 * std::size_t(x) + 3] < 128)
                        mask_.setPixel(x, h - 1 - row, colors::white);
    }
    if (!anyAlpha && maskAt <= dib.size() && dib.size() - maskAt >= maskStride * std::size_t(h)) {
        for (int row = 0; row < h; ++row)
            for (int x = 0; x < w; ++x)
                if ((dib[maskAt + std::size_t(row) * maskStride + std::size_t(x) / 8] >> (7 - x % 8)) & 1)
                    mask_.setPixel(x, h - 1 - row, colors::white);
    }
    // Where the mask lets the target through, the colours must add nothing.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (mask_.pixel(x, y) == colors::white) image_.setPixel(x, y, colors::black);
    return true;
}

void Picture::setTransparentColor(Color color) {
    if (image_.empty()) return;
    Canvas mask = makeMask(image_, color);
    if (hasMask()) mask.blit(0, 0, mask_, BlitOp::Or);
    mask_ = std::move(mask);
    replaceColor(image_, color, colors::black);
}

void Picture::draw(Canvas& target, int x, int y) const {
    if (hasMask())
        drawMasked(target, x, y, image_, mask_);
    else
        target.blit(x, y, image_);
}

} // namespace ui
