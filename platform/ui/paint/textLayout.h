#pragma once
// Text placed in a rectangle the way controls place their labels: aligned left, centred or right and top,
// middle or bottom, optionally wrapped at word boundaries, with the platform's mnemonic marks ("&Open" shows
// "Open" with the O underlined, "&&" shows one "&"). Drawn in the built-in font (bitmapFont.h).
#include "ui/paint/Canvas.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

namespace text {
enum Flags : unsigned {
    Left = 0x0,
    Center = 0x1,
    Right = 0x2,
    Top = 0x0,
    VCenter = 0x4,
    Bottom = 0x8,
    WordBreak = 0x10,   // wrap at spaces to the rectangle's width (a word too long for a line is cut)
    NoPrefix = 0x20,    // "&" is an ordinary character
    Bold = 0x40,        // each stroke drawn twice, one pixel apart
    EndEllipsis = 0x80, // a line too long for the rectangle ends in "..."
};
} // namespace text

// The lines the text takes in a rectangle `width` pixels wide (mnemonic marks kept, see drawTextInRect).
std::vector<std::u16string> layoutLines(std::u16string_view text, int width, unsigned flags);

// Width and height the text takes with these flags when wrapped to `width` (ignored without WordBreak).
Size measureText(std::u16string_view text, int width, unsigned flags);

void drawTextInRect(Canvas& canvas, const Rect& rect, std::u16string_view text, Color color, unsigned flags);

} // namespace ui
