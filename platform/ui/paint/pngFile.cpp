#include "ui/paint/pngFile.h"

#include "ui/paint/fileBytes.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <string_view>

namespace ui {

namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<std::uint32_t, 256> kCrcTable = makeCrcTable();

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// IDAT chunks are cut at a round size that keeps them small; readers join them again.
constexpr std::size_t kIdatChunkMax = 1 << 18;
// zlib takes its sizes as 32-bit counts: big buffers go through it in pieces of this size.
constexpr std::size_t kZlibPiece = std::size_t(1) << 30;
// Deflate never packs more than 1032 bytes into one: image data whose header promises more than that
// many times the compressed bytes present cannot be right, and is refused before its buffer is allocated.
constexpr std::size_t kDeflateMaxRatio = 1032;
// The biggest file a canvas-sized picture makes, even stored without compression, with room for chunks.
constexpr std::size_t kMaxFileBytes = std::size_t(Canvas::kMaxSide) * (1 + 4 * std::size_t(Canvas::kMaxSide)) * 2;

enum Filter : std::uint8_t { FilterNone = 0, FilterSub = 1, FilterUp = 2, FilterAverage = 3, FilterPaeth = 4 };
constexpr int kFilterCount = 5;

enum ColorType : std::uint8_t { Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6 };

void put32be(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 24));
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

std::uint32_t be32(std::span<const std::uint8_t> b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) |
           b[at + 3];
}

void putChunk(std::vector<std::uint8_t>& out, const char (&type)[5], std::span<const std::uint8_t> data) {
    put32be(out, std::uint32_t(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The CRC covers the type and the data, not the length.
    put32be(out, crc32(std::span<const std::uint8_t>(out).subspan(typeAt)));
}

std::uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return std::uint8_t(a);
    return std::uint8_t(pb <= pc ? b : c);
}

// What `filter` predicts for byte i of a row, from the byte `bpp` to its left (a), the byte above (b) and the
// byte above that one's left (c); bytes before the row's start are zero, as is the row above the first.
std::uint8_t predict(Filter filter, std::span<const std::uint8_t> row, std::span<const std::uint8_t> prior,
                     std::size_t i, std::size_t bpp) {
    const int a = i >= bpp ? row[i - bpp] : 0;
    const int b = prior.empty() ? 0 : prior[i];
    const int c = i >= bpp && !prior.empty() ? prior[i - bpp] : 0;
    switch (filter) {
    case FilterNone: return 0;
    case FilterSub: return std::uint8_t(a);
    case FilterUp: return std::uint8_t(b);
    case FilterAverage: return std::uint8_t((a + b) / 2);
    case FilterPaeth: return paeth(a, b, c);
    }
    return 0;
}

// Filters one row with each filter and keeps the one whose bytes, read as signed, sum to the least in size:
// the heuristic the PNG authors recommend for truecolour pictures. Runs of one colour (most of a dialog)
// become runs of zeros that deflate packs into almost nothing.
void filterRow(std::span<const std::uint8_t> row, std::span<const std::uint8_t> prior, std::size_t bpp,
               std::vector<std::uint8_t>& out) {
    std::array<std::vector<std::uint8_t>, kFilterCount> candidates;
    std::size_t best = 0;
    unsigned long long bestSum = ULLONG_MAX;
    for (int f = 0; f < kFilterCount; ++f) {
        auto& filtered = candidates[std::size_t(f)];
        filtered.resize(row.size());
        unsigned long long sum = 0;
        for (std::size_t i = 0; i < row.size(); ++i) {
            filtered[i] = std::uint8_t(row[i] - predict(Filter(f), row, prior, i, bpp));
            sum += unsigned(std::abs(int(std::int8_t(filtered[i]))));
        }
        if (sum < bestSum) {
            bestSum = sum;
            best = std::size_t(f);
        }
    }
    out.push_back(std::uint8_t(best));
    out.insert(out.end(), candidates[best].begin(), candidates[best].end());
}

// zlib's streams, ended however the function that uses them returns.
struct Deflater {
    z_stream s{};
    bool ok = deflateInit(&s, Z_BEST_COMPRESSION) == Z_OK;
    ~Deflater() {
        if (ok) deflateEnd(&s);
    }
};
struct Inflater {
    z_stream s{};
    bool ok = inflateInit(&s) == Z_OK;
    ~Inflater() {
        if (ok) inflateEnd(&s);
    }
};

// The zlib stream of `raw` (header, deflate blocks, Adler-32); empty when zlib fails.
std::vector<std::uint8_t> deflateAll(std::span<const std::uint8_t> raw) {
    Deflater d;
    if (!d.ok) return {};
    std::vector<std::uint8_t> z(deflateBound(&d.s, uLong(std::min(raw.size(), kZlibPiece))) + 64);
    std::size_t in = 0, out = 0;
    for (;;) {
        const std::size_t inPiece = std::min(raw.size() - in, kZlibPiece);
        const bool last = in + inPiece == raw.size();
        d.s.next_in = const_cast<Bytef*>(raw.data() + in);
        d.s.avail_in = uInt(inPiece);
        if (z.size() - out < (1 << 16)) z.resize(z.size() * 2);
        d.s.next_out = z.data() + out;
        d.s.avail_out = uInt(std::min(z.size() - out, kZlibPiece));
        const int rc = deflate(&d.s, last ? Z_FINISH : Z_NO_FLUSH);
        in += inPiece - d.s.avail_in;
        out = std::size_t(d.s.next_out - z.data());
        if (rc == Z_STREAM_END) break;
        if (rc != Z_OK && rc != Z_BUF_ERROR) return {};
    }
    z.resize(out);
    return z;
}

bool fail(std::u16string& error, std::u16string_view message) {
    error = message;
    return false;
}

std::u16string num(long long n) {
    const std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

// Inflates `z` into exactly raw.size() bytes: less is a picture cut short, more a picture that is not what its
// header says.
bool inflateExactly(std::span<const std::uint8_t> z, std::vector<std::uint8_t>& raw, std::u16string& error) {
    Inflater inf;
    if (!inf.ok) return fail(error, u"The PNG picture cannot be decompressed: out of memory");
    std::size_t in = 0, out = 0;
    std::uint8_t spare = 0;
    for (;;) {
        const std::size_t inPiece = std::min(z.size() - in, kZlibPiece);
        inf.s.next_in = const_cast<Bytef*>(z.data() + in);
        inf.s.avail_in = uInt(inPiece);
        // Once the buffer is full, one spare byte tells whether the stream ends there or has more.
        const bool full = out == raw.size();
        inf.s.next_out = full ? &spare : raw.data() + out;
        inf.s.avail_out = full ? 1 : uInt(std::min(raw.size() - out, kZlibPiece));
        const int rc = inflate(&inf.s, Z_NO_FLUSH);
        in += inPiece - inf.s.avail_in;
        if (full) {
            if (inf.s.avail_out == 0) return fail(error, u"The PNG picture holds more image data than its size");
        } else {
            out = std::size_t(inf.s.next_out - raw.data());
        }
        if (rc == Z_STREAM_END) break;
        if (rc == Z_MEM_ERROR) return fail(error, u"The PNG picture cannot be decompressed: out of memory");
        if (rc != Z_OK && rc != Z_BUF_ERROR) {
            const std::string_view why = inf.s.msg ? inf.s.msg : "not a zlib stream";
            return fail(error, u"The PNG picture's image data is damaged (" + std::u16string(why.begin(), why.end()) + u")");
        }
        // No progress possible, or all input taken with room left: the stream stops before its end.
        if (rc == Z_BUF_ERROR || (in == z.size() && inf.s.avail_out != 0))
            return fail(error, u"The PNG picture's image data ends early");
    }
    if (out != raw.size()) return fail(error, u"The PNG picture's image data ends early");
    return true;
}

// Undoes each row's filter in place; rows are laid out filter byte first, as in the file.
bool unfilter(std::vector<std::uint8_t>& raw, std::size_t rowBytes, std::size_t rows, std::size_t bpp,
              std::u16string& error) {
    const std::size_t stride = rowBytes + 1;
    for (std::size_t y = 0; y < rows; ++y) {
        const std::uint8_t filter = raw[y * stride];
        if (filter >= kFilterCount)
            return fail(error, u"The PNG picture has an unknown filter " + num(filter) + u" on row " + num(long(y)));
        const std::span<std::uint8_t> row(raw.data() + y * stride + 1, rowBytes);
        const std::span<const std::uint8_t> prior =
            y == 0 ? std::span<const std::uint8_t>() : std::span<const std::uint8_t>(raw.data() + (y - 1) * stride + 1, rowBytes);
        // Left to right, so the byte to the left is already restored when it is predicted from.
        for (std::size_t i = 0; i < rowBytes; ++i) row[i] = std::uint8_t(row[i] + predict(Filter(filter), row, prior, i, bpp));
    }
    return true;
}

} // namespace

std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
    crc = ~crc;
    for (std::uint8_t b : bytes) crc = kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler) {
    constexpr std::uint32_t kMod = 65521;
    std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
    // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the modulo.
    while (!bytes.empty()) {
        const std::size_t n = std::min<std::size_t>(bytes.size(), 5552);
        for (std::size_t i = 0; i < n; ++i) {
            a += bytes[i];
            b += a;
        }
        a %= kMod;
        b %= kMod;
        bytes = bytes.subspan(n);
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> encodePng(const Canvas& image) {
    if (image.empty()) return {};
    const std::size_t w = std::size_t(image.width()), h = std::size_t(image.height());
    constexpr std::size_t kBpp = 3; // red, green, blue

    std::vector<std::uint8_t> raw;
    raw.reserve(h * (1 + kBpp * w));
    std::vector<std::uint8_t> row(kBpp * w), prior;
    for (std::size_t y = 0; y < h; ++y) {
        for (std::size_t x = 0; x < w; ++x) {
            const Color c = image.pixel(int(x), int(y));
            row[kBpp * x] = redOf(c);
            row[kBpp * x + 1] = greenOf(c);
            row[kBpp * x + 2] = blueOf(c);
        }
        filterRow(row, prior, kBpp, raw);
        prior.swap(row);
        row.resize(kBpp * w);
    }
    const std::vector<std::uint8_t> z = deflateAll(raw);
    if (z.empty()) return {};

    std::vector<std::uint8_t> out(std::begin(kSignature), std::end(kSignature));
    out.reserve(z.size() + z.size() / kIdatChunkMax * 12 + 64);
    std::vector<std::uint8_t> ihdr;
    put32be(ihdr, std::uint32_t(w));
    put32be(ihdr, std::uint32_t(h));
    ihdr.insert(ihdr.end(), {8, Rgb, 0, 0, 0}); // 8 bits, RGB, deflate, adaptive filters, no interlace
    putChunk(out, "IHDR", ihdr);
    for (std::size_t from = 0; from < z.size(); from += kIdatChunkMax)
        putChunk(out, "IDAT", std::span<const std::uint8_t>(z).subspan(from, std::min(kIdatChunkMax, z.size() - from)));
    putChunk(out, "IEND", {});
    return out;
}

bool writePngFile(const std::filesystem::path& path, const Canvas& image, std::u16string& error) {
    if (image.empty()) {
        error = u"An empty picture cannot be saved as PNG";
        return false;
    }
    const std::vector<std::uint8_t> bytes = encodePng(image);
    if (bytes.empty()) return fail(error, u"The picture cannot be compressed as PNG: out of memory");
    return writeFileBytesAtomically(path, bytes, error);
}

bool readPng(std::span<const std::uint8_t> bytes, Canvas& image, std::u16string& error) {
    image = Canvas();
    if (bytes.size() < sizeof kSignature || !std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin()))
        return fail(error, u"The file is not a PNG picture: it does not start with the PNG signature");

    std::size_t width = 0, height = 0, channels = 0;
    std::uint8_t colorType = 0;
    bool sawHeader = false, sawEnd = false;
    std::vector<std::uint8_t> z;
    for (std::size_t at = sizeof kSignature; !sawEnd;) {
        if (bytes.size() - at < 12) return fail(error, u"The PNG picture is cut short");
        const std::uint32_t length = be32(bytes, at);
        if (length > 0x7FFFFFFFu || bytes.size() - at - 12 < length) return fail(error, u"The PNG picture is cut short");
        const auto typeAndData = bytes.subspan(at + 4, 4 + std::size_t(length));
        if (crc32(typeAndData) != be32(bytes, at + 8 + length))
            return fail(error, u"The PNG picture is damaged: a chunk's checksum is wrong");
        const std::string_view type(reinterpret_cast<const char*>(typeAndData.data()), 4);
        const auto data = typeAndData.subspan(4);
        at += 12 + std::size_t(length);

        if (!sawHeader) {
            if (type != "IHDR" || data.size() != 13) return fail(error, u"The PNG picture does not start with its header");
            sawHeader = true;
            width = be32(data, 0);
            height = be32(data, 4);
            const std::uint8_t depth = data[8];
            colorType = data[9];
            if (width == 0 || height == 0 || width > std::size_t(Canvas::kMaxSide) || height > std::size_t(Canvas::kMaxSide))
                return fail(error, u"The PNG picture's size (" + num(long(width)) + u" x " + num(long(height)) +
                                       u") is not between 1 x 1 and " + num(Canvas::kMaxSide) + u" x " +
                                       num(Canvas::kMaxSide));
            switch (colorType) {
            case Grey: channels = 1; break;
            case GreyAlpha: channels = 2; break;
            case Rgb: channels = 3; break;
            case Rgba: channels = 4; break;
            default:
                return fail(error, u"PNG pictures of colour type " + num(colorType) +
                                       u" are not read (only greyscale and RGB, with or without alpha)");
            }
            if (depth != 8) return fail(error, u"PNG pictures of " + num(depth) + u" bits a sample are not read (only 8)");
            if (data[10] != 0 || data[11] != 0) return fail(error, u"The PNG picture uses an unknown compression or filter method");
            if (data[12] != 0) return fail(error, u"Interlaced PNG pictures are not read");
        } else if (type == "IDAT") {
            if (z.size() + data.size() > kMaxFileBytes) return fail(error, u"The PNG picture is too large");
            z.insert(z.end(), data.begin(), data.end());
        } else if (type == "IEND") {
            sawEnd = true;
        } else if (type == "IHDR" || (!(type[0] & 0x20) && type != "PLTE")) {
            // A chunk whose name starts with a capital letter is one a reader must understand to draw the picture.
            return fail(error, u"The PNG picture has a chunk this reader does not know: " +
                                   std::u16string(type.begin(), type.end()));
        }
    }
    if (z.empty()) return fail(error, u"The PNG picture has no image data");

    const std::size_t rowBytes = width * channels;
    const std::size_t rawSize = height * (1 + rowBytes);
    if (rawSize / kDeflateMaxRatio > z.size()) return fail(error, u"The PNG picture's image data ends early");
    std::vector<std::uint8_t> raw(rawSize);
    if (!inflateExactly(z, raw, error)) return false;
    if (!unfilter(raw, rowBytes, height, channels, error)) return false;

    Canvas result(static_cast<int>(width), static_cast<int>(height));
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* p = raw.data() + y * (1 + rowBytes) + 1;
        for (std::size_t x = 0; x < width; ++x, p += channels) {
            const Color c = channels >= 3 ? rgb(p[0], p[1], p[2]) : rgb(p[0], p[0], p[0]);
            result.setPixel(int(x), int(y), c);
        }
    }
    image = std::move(result);
    return true;
}

bool readPngFile(const std::filesystem::path& path, Canvas& image, std::u16string& error) {
    image = Canvas();
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(path, kMaxFileBytes, bytes, error)) return false;
    return readPng(bytes, image, error);
}

} // namespace ui
