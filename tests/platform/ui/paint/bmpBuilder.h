#pragma once
// Builds bitmap files byte by byte for the reader's tests, independently of the library's own writer, so that
// each depth, row order and header kind can be laid out exactly as a test needs it.
#include "ui/paint/Color.h"

#include <cstdint>
#include <vector>

namespace ui::test {

struct BmpSpec {
    int width = 0;
    int height = 0; // as a positive number; topDown writes it negative
    int bitCount = 24;
    bool topDown = false;
    int headerSize = 40; // 12 writes the old core header with 3-byte palette entries
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> masks{}; // written after a 40-byte header when compression is BI_BITFIELDS
    std::vector<Color> palette{};
    std::uint32_t colorsUsed = 0;
    // Top row first; palette indexes for 1, 4 and 8 bits, raw 16-bit values for 16, colours for 24 and 32
    // (or raw 32-bit values with raw32, for colour masks).
    std::vector<std::uint32_t> pixels{};
    bool raw32 = false;
};

inline std::vector<std::uint8_t> buildBmp(const BmpSpec& s) {
    std::vector<std::uint8_t> out;
    auto put16 = [&](std::uint32_t v) {
        out.push_back(std::uint8_t(v));
        out.push_back(std::uint8_t(v >> 8));
    };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const std::size_t entry = s.headerSize == 12 ? 3 : 4;
    const std::size_t offset = 14 + std::size_t(s.headerSize) + 4 * s.masks.size() + entry * s.palette.size();
    const std::size_t stride = (std::size_t(s.width) * std::size_t(s.bitCount) + 31) / 32 * 4;

    out.push_back('B');
    out.push_back('M');
    put32(std::uint32_t(offset + stride * std::size_t(s.height)));
    put32(0);
    put32(std::uint32_t(offset));
    put32(std::uint32_t(s.headerSize));
    if (s.headerSize == 12) {
        put16(std::uint32_t(s.width));
        put16(std::uint32_t(s.height));
        put16(1);
        put16(std::uint32_t(s.bitCount));
    } else {
        put32(std::uint32_t(s.width));
        put32(std::uint32_t(s.topDown ? -s.height : s.height));
        put16(1);
        put16(std::uint32_t(s.bitCount));
        put32(s.compression);
        put32(std::uint32_t(stride * std::size_t(s.height)));
        put32(2835);
        put32(2835);
        put32(s.colorsUsed);
        put32(0);
        while (out.size() < 14 + std::size_t(s.headerSize)) out.push_back(0);
    }
    for (std::uint32_t m : s.masks) put32(m);
    for (Color c : s.palette) {
        out.push_back(blueOf(c));
        out.push_back(greenOf(c));
        out.push_back(redOf(c));
        if (entry == 4) out.push_back(0);
    }
    for (int i = 0; i < s.height; ++i) {
        const int y = s.topDown ? i : s.height - 1 - i;
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < s.width; ++x) {
            const std::uint32_t v = s.pixels[std::size_t(y) * std::size_t(s.width) + std::size_t(x)];
            switch (s.bitCount) {
            case 1:
            case 4:
            case 8: {
                const std::size_t bit = std::size_t(x) * std::size_t(s.bitCount);
                row[bit / 8] |= std::uint8_t(v << (8 - s.bitCount - int(bit % 8)));
                break;
            }
            case 16:
                row[2 * std::size_t(x)] = std::uint8_t(v);
                row[2 * std::size_t(x) + 1] = std::uint8_t(v >> 8);
                break;
            case 24:
                row[3 * std::size_t(x)] = blueOf(v);
                row[3 * std::size_t(x) + 1] = greenOf(v);
                row[3 * std::size_t(x) + 2] = redOf(v);
                break;
            case 32:
                if (s.raw32) {
                    for (int b = 0; b < 4; ++b) row[4 * std::size_t(x) + std::size_t(b)] = std::uint8_t(v >> (8 * b));
                    break;
                }
                row[4 * std::size_t(x)] = blueOf(v);
                row[4 * std::size_t(x) + 1] = greenOf(v);
                row[4 * std::size_t(x) + 2] = redOf(v);
                row[4 * std::size_t(x) + 3] = 0xFF; // alpha, which the reader ignores
                break;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

} // namespace ui::test
