#pragma once
// The one built-in font of the painting layer: fixed-width 5 x 7 glyphs (with two rows below the baseline for
// descenders) for printable ASCII, drawn from a table in the source. Any other character is drawn as a box, so
// text that the font cannot show is still visibly there.
#include "ui/paint/Canvas.h"

#include <string_view>

namespace ui::font {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 9; // 7 above the baseline, 2 below
constexpr int kAdvance = 6;     // one blank column between glyphs
constexpr int kLineHeight = 11;

// Width in pixels of the longest line ("\n" separates lines; a surrogate pair is one character).
int textWidth(std::u16string_view text);
// Height in pixels of the lines of the text.
int textHeight(std::u16string_view text);

// Draws the text with the top-left of its first character cell at (x, y); "\n" starts a new line below.
void drawText(Canvas& canvas, int x, int y, std::u16string_view text, Color color);

} // namespace ui::font
