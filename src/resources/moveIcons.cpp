#include "resources/moveIcons.h"

#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

namespace ssres {

std::vector<std::uint8_t> moveIconBytes(bool up) {
    constexpr int kSide = 32;
    constexpr ui::Color kArrow = ui::rgb(30, 60, 140);
    ui::Canvas icon(kSide, kSide, ui::colors::white);
    // A head of rows narrowing towards the tip, over a shaft; drawn pointing up, mirrored for down.
    for (int row = 0; row < 14; ++row) {
        const int y = up ? 4 + row : kSide - 5 - row;
        icon.drawHLine(16 - row - 1, 15 + row + 1, y, kArrow);
    }
    for (int row = 18; row < 28; ++row) {
        const int y = up ? row : kSide - 1 - row;
        icon.drawHLine(12, 19, y, kArrow);
    }
    return ui::encodeIco(icon, ui::colors::white);
}

} // namespace ssres
