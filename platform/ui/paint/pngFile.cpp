#include "ui/paint/pngFile.h"

#include "ui/paint/fileBytes.h"

#include <algorithm>
#include <array>

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

// A stored deflate block holds at most 65535 bytes; IDAT chunks are cut at a round size that keeps them small.
constexpr std::size_t kStoredBlockMax = 65535;
constexpr std::size_t kIdatChunkMax = 1 << 18;

void put32be(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v >> 24));
    out.push_back(std::uint8_t(v >> 16));
    out.push_back(std::uint8_t(v >> 8));
    out.push_back(std::uint8_t(v));
}

void putChunk(std::vector<std::uint8_t>& out, const char (&type)[5], std::span<const std::uint8_t> data) {
    put32be(out, std::uint32_t(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The CRC covers the type and the data, not the length.
    put32be(out, crc32(std::span<const std::uint8_t>(out).subspan(typeAt)));
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

    // Scanlines: filter type 0 (none), then red, green, blue.
    std::vector<std::uint8_t> raw;
    raw.reserve(h * (1 + 3 * w));
    for (std::size_t y = 0; y < h; ++y) {
        raw.push_back(0);
        for (std::size_t x = 0; x < w; ++x) {
            const Color c = image.pixel(int(x), int(y));
            raw.push_back(redOf(c));
            raw.push_back(greenOf(c));
            raw.push_back(blueOf(c));
        }
    }

    // The zlib stream: header (deflate, 32K window, no dictionary), stored blocks, Adler-32 of the raw data.
    std::vector<std::uint8_t> z;
    z.reserve(raw.size() + raw.size() / kStoredBlockMax * 5 + 16);
    z.push_back(0x78);
    z.push_back(0x01);
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(raw.size() - at, kStoredBlockMax);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0); // BFINAL, BTYPE 00 (stored)
        z.push_back(std::uint8_t(n));
        z.push_back(std::uint8_t(n >> 8));
        z.push_back(std::uint8_t(~n));
        z.push_back(std::uint8_t(~n >> 8));
        z.insert(z.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + n));
        at += n;
    } while (at < raw.size());
    put32be(z, adler32(raw));

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> ihdr;
    put32be(ihdr, std::uint32_t(w));
    put32be(ihdr, std::uint32_t(h));
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, adaptive filters, no interlace
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
    return writeFileBytesAtomically(path, encodePng(image), error);
}

} // namespace ui
