// The two check-box pictures of property grids (13 x 13, 24 bits): a framed white box, with a tick in the
// checked one. Built as BMP files, the form in which the window framework carries bitmaps.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ssres {

namespace {

constexpr int kSide = 13;

void put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// Rows of the picture, top first: '#' frame, 'x' tick, '.' white.
using Picture = std::array<const char*, kSide>;

constexpr Picture kChecked{{
    "#############", "#...........#", "#...........#", "#........x..#", "#.......xx..#", "#..x...xxx..#",
    "#..xx.xxx...#", "#..xxxxx....#", "#...xxx.....#", "#....x......#", "#...........#", "#...........#",
    "#############",
}};
constexpr Picture kUnchecked{{
    "#############", "#...........#", "#...........#", "#...........#", "#...........#", "#...........#",
    "#...........#", "#...........#", "#...........#", "#...........#", "#...........#", "#...........#",
    "#############",
}};

std::vector<std::uint8_t> makeBmp(const Picture& picture) {
    const std::uint32_t rowBytes = (kSide * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * kSide;
    std::vector<std::uint8_t> b;
    b.push_back('B');
    b.push_back('M');
    put32(b, 14 + 40 + pixelBytes);
    put32(b, 0);
    put32(b, 14 + 40);
    put32(b, 40);
    put32(b, kSide);
    put32(b, kSide);  // positive height: rows stored bottom up
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, pixelBytes);
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = kSide - 1; y >= 0; --y) {
        for (int x = 0; x < kSide; ++x) {
            const char c = picture[static_cast<std::size_t>(y)][x];
            const std::uint8_t v = c == '.' ? 0xFF : 0x00;
            b.insert(b.end(), {v, v, v});  // blue, green, red
        }
        b.resize(b.size() + (rowBytes - kSide * 3), 0);
    }
    return b;
}

} // namespace

void addBitmaps(ui::ResourceModule& module) {
    module.addBitmap(IDB_CHECKED, makeBmp(kChecked), {kSide, kSide});
    module.addBitmap(IDB_UNCHECKED, makeBmp(kUnchecked), {kSide, kSide});
}

} // namespace ssres
