#pragma once
// Reads back the PNG files the library writes, for its tests: checks the signature, every chunk's CRC, the
// header and the zlib stream (stored blocks and Adler-32), and returns the pixels. It is written apart from the
// writer, with a bit-by-bit CRC, so that a fault in the writer's checksums cannot hide itself.
#include "ui/paint/Canvas.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ui::test {

struct PngChunk {
    std::string type;
    std::vector<std::uint8_t> data;
};

inline std::uint32_t be32(std::span<const std::uint8_t> b, std::size_t at) {
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) |
           b[at + 3];
}

inline std::uint32_t slowCrc32(std::span<const std::uint8_t> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Splits the file into chunks; the error names the first thing that is wrong.
inline bool readPngChunks(std::span<const std::uint8_t> file, std::vector<PngChunk>& chunks, std::string& error) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || !std::equal(kSignature, kSignature + 8, file.begin())) return error = "bad signature", false;
    std::size_t at = 8;
    while (at < file.size()) {
        if (file.size() - at < 12) return error = "truncated chunk header", false;
        const std::uint32_t length = be32(file, at);
        if (file.size() - at - 12 < length) return error = "truncated chunk", false;
        const auto typeAndData = file.subspan(at + 4, 4 + length);
        if (slowCrc32(typeAndData) != be32(file, at + 8 + length)) return error = "bad CRC", false;
        chunks.push_back({std::string(typeAndData.begin(), typeAndData.begin() + 4),
                          std::vector<std::uint8_t>(typeAndData.begin() + 4, typeAndData.end())});
        at += 12 + length;
    }
    return true;
}

// Decodes an 8-bit RGB, filter-0 image made of stored deflate blocks.
inline bool decodePng(std::span<const std::uint8_t> file, Canvas& image, std::string& error) {
    std::vector<PngChunk> chunks;
    if (!readPngChunks(file, chunks, error)) return false;
    if (chunks.empty() || chunks.front().type != "IHDR" || chunks.front().data.size() != 13)
        return error = "IHDR is not first", false;
    if (chunks.back().type != "IEND" || !chunks.back().data.empty()) return error = "IEND is not last", false;
    const auto& ihdr = chunks.front().data;
    const int w = int(be32(ihdr, 0)), h = int(be32(ihdr, 4));
    if (ihdr[8] != 8 || ihdr[9] != 2 || ihdr[10] != 0 || ihdr[11] != 0 || ihdr[12] != 0)
        return error = "unexpected IHDR fields", false;
    std::vector<std::uint8_t> z;
    for (const auto& c : chunks)
        if (c.type == "IDAT") z.insert(z.end(), c.data.begin(), c.data.end());
    if (z.size() < 6 || z[0] != 0x78 || (z[0] * 256 + z[1]) % 31 != 0) return error = "bad zlib header", false;
    std::vector<std::uint8_t> raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        if (z.size() - at < 5) return error = "truncated deflate block", false;
        last = z[at] & 1;
        if ((z[at] >> 1) != 0) return error = "not a stored block", false;
        const std::size_t len = z[at + 1] | (z[at + 2] << 8), nlen = z[at + 3] | (z[at + 4] << 8);
        if ((len ^ 0xFFFF) != nlen || z.size() - at - 5 < len) return error = "bad stored block length", false;
        raw.insert(raw.end(), z.begin() + std::ptrdiff_t(at + 5), z.begin() + std::ptrdiff_t(at + 5 + len));
        at += 5 + len;
    }
    if (z.size() - at != 4) return error = "no Adler-32 after the last block", false;
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t v : raw) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    if (((b << 16) | a) != be32(z, at)) return error = "bad Adler-32", false;
    if (raw.size() != std::size_t(h) * (1 + 3 * std::size_t(w))) return error = "wrong amount of image data", false;
    image = Canvas(w, h);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* row = raw.data() + std::size_t(y) * (1 + 3 * std::size_t(w));
        if (row[0] != 0) return error = "unexpected filter", false;
        for (int x = 0; x < w; ++x) image.setPixel(x, y, rgb(row[1 + 3 * x], row[2 + 3 * x], row[3 + 3 * x]));
    }
    return true;
}

} // namespace ui::test
