#pragma once
// Reads back the PNG files the library writes, for its tests: checks the signature, every chunk's CRC, the
// header and the zlib stream (zlib checks its Adler-32), and returns the pixels. It is written apart from the
// library's own reader, with a bit-by-bit CRC, so that a fault shared by the library's writer and reader
// cannot hide itself.
#include "ui/paint/Canvas.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
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

// Decodes an 8-bit RGB image: zlib's own inflate, then each row's filter undone as the PNG format
// writes it out, byte by byte.
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
    const std::size_t stride = 1 + 3 * std::size_t(w);
    std::vector<std::uint8_t> raw(std::size_t(h) * stride + 1); // one byte more shows data beyond the image
    uLongf got = uLongf(raw.size());
    if (uncompress(raw.data(), &got, z.data(), uLong(z.size())) != Z_OK) return error = "bad zlib stream", false;
    if (got != raw.size() - 1) return error = "wrong amount of image data", false;
    image = Canvas(w, h);
    std::vector<std::uint8_t> prior(stride - 1, 0), row(stride - 1);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* in = raw.data() + std::size_t(y) * stride;
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int a = i >= 3 ? row[i - 3] : 0, b = prior[i], c = i >= 3 ? prior[i - 3] : 0;
            int p = 0;
            switch (in[0]) {
            case 0: p = 0; break;
            case 1: p = a; break;
            case 2: p = b; break;
            case 3: p = (a + b) / 2; break;
            case 4: {
                const int e = a + b - c, pa = std::abs(e - a), pb = std::abs(e - b), pc = std::abs(e - c);
                p = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
                break;
            }
            default: return error = "unknown filter", false;
            }
            row[i] = std::uint8_t(in[1 + i] + p);
        }
        for (int x = 0; x < w; ++x) image.setPixel(x, y, rgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
        prior = row;
    }
    return true;
}

} // namespace ui::test
