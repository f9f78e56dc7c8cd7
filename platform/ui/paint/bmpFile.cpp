#include "ui/paint/bmpFile.h"

#include "ui/paint/fileBytes.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <string>

namespace ui {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kCoreHeaderSize = 12;
// The biggest picture a canvas holds, at 32 bits, with room for headers and a palette.
constexpr std::size_t kMaxFileBytes = std::size_t(Canvas::kMaxSide) * Canvas::kMaxSide * 4 + (1u << 20);

enum Compression : std::uint32_t {
    BI_RGB = 0,
    BI_RLE8 = 1,
    BI_RLE4 = 2,
    BI_BITFIELDS = 3,
    BI_JPEG = 4,
    BI_PNG = 5,
    BI_ALPHABITFIELDS = 6,
};

std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) | (std::uint32_t(b[at + 1]) << 8);
}
std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return le16(b, at) | (le16(b, at + 2) << 16);
}

std::u16string num(long long n) {
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

// One colour channel of a masked (16 or 32-bit) pixel, scaled to eight bits. Masks come from the file, so any
// value, also zero or with holes, must give some colour and never shift by 32 or more.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        bits = std::popcount(m);
    }
    std::uint8_t operator()(std::uint32_t pixel) const {
        if (bits == 0) return 0;
        std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return std::uint8_t(std::min<std::uint32_t>(v >> (bits - 8), 255));
        const std::uint32_t top = (1u << bits) - 1;
        return std::uint8_t(std::min(v, top) * 255 / top);
    }
};

struct Header {
    long long width = 0;
    long long height = 0; // positive, with topDown telling the row order
    bool topDown = false;
    unsigned bitCount = 0;
    std::uint32_t compression = BI_RGB;
    std::size_t paletteStart = 0;
    std::size_t paletteEntrySize = 4;
    std::uint32_t colorsUsed = 0;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue
};

bool fail(std::u16string& error, std::u16string message) {
    error = std::move(message);
    return false;
}

bool readHeader(std::span<const std::uint8_t> bytes, Header& h, std::u16string& error) {
    if (bytes.size() < kFileHeaderSize + 4) return fail(error, u"The file is too short to be a bitmap");
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return fail(error, u"The file is not a bitmap: it does not start with \"BM\"");
    const std::size_t headerSize = le32(bytes, kFileHeaderSize);
    const bool core = headerSize == kCoreHeaderSize;
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        return fail(error, u"The bitmap has an unknown header (size " + num(static_cast<long long>(headerSize)) + u")");
    if (bytes.size() < kFileHeaderSize + headerSize) return fail(error, u"The bitmap is truncated inside its header");

    const std::size_t at = kFileHeaderSize;
    unsigned planes = 0;
    if (core) {
        h.width = le16(bytes, at + 4);
        h.height = le16(bytes, at + 6);
        planes = le16(bytes, at + 8);
        h.bitCount = le16(bytes, at + 10);
        h.paletteEntrySize = 3;
    } else {
        h.width = static_cast<std::int32_t>(le32(bytes, at + 4));
        h.height = static_cast<std::int32_t>(le32(bytes, at + 8));
        planes = le16(bytes, at + 12);
        h.bitCount = le16(bytes, at + 14);
        h.compression = le32(bytes, at + 16);
        h.colorsUsed = le32(bytes, at + 32);
    }
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    if (planes != 1) return fail(error, u"The bitmap has " + num(planes) + u" planes instead of 1");
    if (h.width <= 0 || h.height <= 0)
        return fail(error, u"The bitmap has no pixels (" + num(h.width) + u" x " + num(h.height) + u")");
    if (h.width > Canvas::kMaxSide || h.height > Canvas::kMaxSide)
        return fail(error, u"The bitmap is too large (" + num(h.width) + u" x " + num(h.height) + u" pixels, at most " +
                               num(Canvas::kMaxSide) + u" x " + num(Canvas::kMaxSide) + u")");
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return fail(error, u"The bitmap has an unsupported depth of " + num(h.bitCount) + u" bits per pixel");
    }

    switch (h.compression) {
    case BI_RGB:
        break;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
        if (h.bitCount != 16 && h.bitCount != 32)
            return fail(error, u"The bitmap has colour masks at " + num(h.bitCount) + u" bits per pixel");
        break;
    case BI_RLE8:
    case BI_RLE4:
        return fail(error, u"Run-length compressed bitmaps are not supported");
    case BI_JPEG:
    case BI_PNG:
        return fail(error, u"Bitmaps holding a JPEG or PNG picture are not supported");
    default:
        return fail(error, u"The bitmap has an unknown compression (" + num(h.compression) + u")");
    }

    h.paletteStart = kFileHeaderSize + headerSize;
    if (h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS) {
        // A plain info header is followed by the masks; the later headers carry them inside.
        std::size_t maskAt = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            const std::size_t maskBytes = h.compression == BI_ALPHABITFIELDS ? 16 : 12;
            if (bytes.size() < maskAt + maskBytes)
                return fail(error, u"The bitmap is truncated inside its colour masks");
            h.paletteStart += maskBytes;
        }
        for (int i = 0; i < 3; ++i) h.masks[i] = le32(bytes, maskAt + 4 * std::size_t(i));
    } else if (h.bitCount == 16) {
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    } else if (h.bitCount == 32) {
        h.masks[0] = 0xFF0000;
        h.masks[1] = 0xFF00;
        h.masks[2] = 0xFF;
    }
    return true;
}

} // namespace

bool readBmp(std::span<const std::uint8_t> bytes, Canvas& image, std::u16string& error) {
    image = Canvas();
    Header h;
    if (!readHeader(bytes, h, error)) return false;

    const std::size_t dataOffset = le32(bytes, 10);
    if (dataOffset < h.paletteStart) return fail(error, u"The bitmap's pixel data starts inside its header");

    // The palette: only as many entries as the depth can address are read; the count the file claims is
    // believed only below that, and only as far as the pixel data (writers often leave the rest out).
    std::vector<Color> palette;
    if (h.bitCount <= 8) {
        const std::size_t addressable = std::size_t(1) << h.bitCount;
        std::size_t count = (h.colorsUsed == 0 || h.colorsUsed > addressable) ? addressable : h.colorsUsed;
        count = std::min(count, (dataOffset - h.paletteStart) / h.paletteEntrySize);
        if (h.paletteStart > bytes.size() || (bytes.size() - h.paletteStart) / h.paletteEntrySize < count)
            return fail(error, u"The bitmap is truncated inside its palette");
        palette.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t p = h.paletteStart + i * h.paletteEntrySize;
            palette.push_back(rgb(bytes[p + 2], bytes[p + 1], bytes[p]));
        }
    }

    // Every row but the last is padded to four bytes; a file that stops right after the last pixel is accepted.
    const std::uint64_t rowBits = std::uint64_t(h.width) * h.bitCount;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    const std::uint64_t needed = stride * std::uint64_t(h.height - 1) + (rowBits + 7) / 8;
    if (dataOffset > bytes.size() || bytes.size() - dataOffset < needed)
        return fail(error, u"The bitmap is truncated: its pixels need " + num(static_cast<long long>(needed)) +
                               u" bytes, the file has " +
                               num(static_cast<long long>(dataOffset > bytes.size() ? 0 : bytes.size() - dataOffset)));

    Canvas result(int(h.width), int(h.height));
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    const int w = int(h.width);
    for (int row = 0; row < int(h.height); ++row) {
        const std::uint8_t* src = bytes.data() + dataOffset + std::size_t(row) * stride;
        const int y = h.topDown ? row : int(h.height) - 1 - row;
        for (int x = 0; x < w; ++x) {
            Color c = colors::black;
            switch (h.bitCount) {
            case 1:
            case 4:
            case 8: {
                const unsigned bit = unsigned(x) * h.bitCount;
                const unsigned shift = 8 - h.bitCount - bit % 8;
                const unsigned index = (src[bit / 8] >> shift) & ((1u << h.bitCount) - 1);
                if (index < palette.size()) c = palette[index]; // an index beyond a short palette stays black
                break;
            }
            case 16: {
                const std::uint32_t v = std::uint32_t(src[2 * x]) | (std::uint32_t(src[2 * x + 1]) << 8);
                c = rgb(red(v), green(v), blue(v));
                break;
            }
            case 24:
                c = rgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            case 32: {
                const std::uint8_t* p = src + 4 * std::size_t(x);
                const std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                                        (std::uint32_t(p[3]) << 24);
                c = rgb(red(v), green(v), blue(v));
                break;
            }
            }
            result.setPixel(x, y, c);
        }
    }
    image = std::move(result);
    return true;
}

bool readBmpFile(const std::filesystem::path& path, Canvas& image, std::u16string& error) {
    image = Canvas();
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, kMaxFileBytes, bytes, error)) return false;
    return readBmp(bytes, image, error);
}

std::vector<std::uint8_t> encodeBmp(const Canvas& image) {
    const std::size_t stride = (std::size_t(image.width()) * 3 + 3) / 4 * 4;
    const std::size_t dataSize = stride * std::size_t(image.height());
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + dataSize);
    auto put16 = [&](std::uint32_t v) {
        out.push_back(std::uint8_t(v));
        out.push_back(std::uint8_t(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    out.push_back('B');
    out.push_back('M');
    put32(std::uint32_t(offset + dataSize));
    put32(0); // reserved
    put32(std::uint32_t(offset));
    put32(kInfoHeaderSize);
    put32(std::uint32_t(image.width()));
    put32(std::uint32_t(image.height())); // positive: bottom-up, as most readers expect
    put16(1);                             // planes
    put16(24);
    put32(BI_RGB);
    put32(std::uint32_t(dataSize));
    put32(2835); // 72 dots per inch, in dots per metre
    put32(2835);
    put32(0);
    put32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const Color c = image.pixel(x, y);
            out.push_back(blueOf(c));
            out.push_back(greenOf(c));
            out.push_back(redOf(c));
        }
        for (std::size_t pad = std::size_t(image.width()) * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

bool writeBmpFile(const std::filesystem::path& path, const Canvas& image, std::u16string& error) {
    if (image.empty()) return fail(error, u"An empty picture cannot be saved as a bitmap");
    return writeFileBytesAtomically(path, encodeBmp(image), error);
}

std::vector<std::uint8_t> encodeIco(const Canvas& image, Color transparent) {
    const int w = image.width(), h = image.height();
    if (w < 1 || h < 1 || w > 256 || h > 256)
        return {};
    // The icon's picture is the bitmap without its file header, twice as high: the colours, then the mask.
    std::vector<std::uint8_t> dib = encodeBmp(image);
    dib.erase(dib.begin(), dib.begin() + kFileHeaderSize);
    const std::uint32_t doubled = std::uint32_t(2 * h);
    for (int i = 0; i < 4; ++i)
        dib[8 + i] = std::uint8_t(doubled >> (8 * i));
    const std::size_t maskStride = (std::size_t(w) + 31) / 32 * 4;
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if ((image.pixel(x, y) & kColorBits) == (transparent & kColorBits))
                row[std::size_t(x) / 8] |= std::uint8_t(0x80 >> (x % 8));
        dib.insert(dib.end(), row.begin(), row.end());
    }
    std::vector<std::uint8_t> out = {0, 0, 1, 0, 1, 0};
    out.push_back(std::uint8_t(w == 256 ? 0 : w));
    out.push_back(std::uint8_t(h == 256 ? 0 : h));
    for (std::uint8_t b : {0, 0, 1, 0, 24, 0})   // colours, reserved, planes, bits per pixel
        out.push_back(b);
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(std::uint8_t(v >> (8 * i)));
    };
    put32(std::uint32_t(dib.size()));
    put32(22);   // the picture follows the one directory entry
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

} // namespace ui
