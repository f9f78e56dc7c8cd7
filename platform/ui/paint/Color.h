#pragma once
// Pixel colours of the painting layer. A colour (ui::Color, made by ui::rgb) is a Windows COLORREF,
// 0x00BBGGRR: red in the low byte, so the values the module passes around (RGB(10,36,106), 0xFF00FF, 0xC0C0C0)
// go into a canvas unchanged. The top byte carries no alpha; a canvas keeps it zero.
#include "ui/constants.h" // Color and rgb(), shared with the rest of the framework

#include <cstdint>

namespace ui {

// The colour bits of a COLORREF; the top byte (system-colour flags and the like) is dropped on the way in.
constexpr Color kColorBits = 0x00FFFFFFu;

constexpr std::uint8_t redOf(Color c) {
    return std::uint8_t(c & 0xFFu);
}
constexpr std::uint8_t greenOf(Color c) {
    return std::uint8_t((c >> 8) & 0xFFu);
}
constexpr std::uint8_t blueOf(Color c) {
    return std::uint8_t((c >> 16) & 0xFFu);
}

// The other byte order, 0xRRGGBB, as image files and web colours write it.
constexpr Color fromRgbHex(std::uint32_t rrggbb) {
    return rgb(std::uint8_t(rrggbb >> 16), std::uint8_t(rrggbb >> 8), std::uint8_t(rrggbb));
}
constexpr std::uint32_t toRgbHex(Color c) {
    return (std::uint32_t(redOf(c)) << 16) | (std::uint32_t(greenOf(c)) << 8) | blueOf(c);
}

namespace colors {
constexpr Color black = rgb(0, 0, 0);
constexpr Color white = rgb(255, 255, 255);
constexpr Color lightGrey = rgb(192, 192, 192); // 0xC0C0C0, also a transparent colour of button pictures
constexpr Color darkGrey = rgb(128, 128, 128);
constexpr Color buttonFace = rgb(240, 240, 240);
constexpr Color buttonShadow = rgb(160, 160, 160);
constexpr Color buttonHighlight = rgb(255, 255, 255);
constexpr Color buttonDarkShadow = rgb(105, 105, 105);
constexpr Color windowFrame = rgb(100, 100, 100);
constexpr Color caption = rgb(10, 36, 106); // the classic active caption
constexpr Color captionText = white;
constexpr Color grayText = rgb(109, 109, 109);
constexpr Color magenta = rgb(255, 0, 255);
} // namespace colors

} // namespace ui
