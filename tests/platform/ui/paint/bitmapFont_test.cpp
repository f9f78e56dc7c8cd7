#include "ui/paint/bitmapFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace ui {
namespace {

// The ink of one character cell as rows of '#' and '.'.
std::string cell(const Canvas& c, int left, int top) {
    std::string s;
    for (int y = top; y < top + font::kGlyphHeight; ++y) {
        for (int x = left; x < left + font::kGlyphWidth; ++x) s += c.pixel(x, y) == colors::black ? '#' : '.';
        s += '\n';
    }
    return s;
}

TEST(BitmapFont, DrawsTheGlyphOfTheTable) {
    Canvas c(20, 12);
    font::drawText(c, 1, 1, u"H", colors::black);
    EXPECT_EQ(cell(c, 1, 1), "#...#\n#...#\n#...#\n#####\n#...#\n#...#\n#...#\n.....\n.....\n");
}

TEST(BitmapFont, DescendersGoBelowTheBaseline) {
    Canvas c(10, 10);
    font::drawText(c, 0, 0, u"g", colors::black);
    EXPECT_EQ(cell(c, 0, 0), ".....\n.....\n.####\n#...#\n#...#\n#...#\n.####\n....#\n.###.\n");
}

TEST(BitmapFont, CharactersAdvanceByAFixedWidth) {
    Canvas c(20, 10);
    font::drawText(c, 0, 0, u"II", colors::black);
    EXPECT_EQ(cell(c, 0, 0), cell(c, font::kAdvance, 0));
    EXPECT_EQ(font::textWidth(u"II"), 2 * font::kAdvance - 1);
    EXPECT_EQ(font::textWidth(u""), 0);
}

TEST(BitmapFont, CharactersOutsideTheTableAreBoxes) {
    Canvas c(30, 10);
    // U+00E9 and a surrogate pair (U+1F600): each one box, one cell wide.
    font::drawText(c, 0, 0, u"\u00E9\U0001F600", colors::black);
    const std::string box = "#####\n#...#\n#...#\n#...#\n#...#\n#...#\n#####\n.....\n.....\n";
    EXPECT_EQ(cell(c, 0, 0), box);
    EXPECT_EQ(cell(c, font::kAdvance, 0), box);
    std::string blank;
    for (int r = 0; r < font::kGlyphHeight; ++r) blank += ".....\n";
    EXPECT_EQ(cell(c, 2 * font::kAdvance, 0), blank);
    EXPECT_EQ(font::textWidth(u"\u00E9\U0001F600"), 2 * font::kAdvance - 1);
}

TEST(BitmapFont, LinesAndTheirSize) {
    EXPECT_EQ(font::textWidth(u"ab\nabcd\r\nx"), 4 * font::kAdvance - 1);
    EXPECT_EQ(font::textHeight(u"a\nb"), font::kLineHeight + font::kGlyphHeight);
    Canvas twoLines(10, 30), oneLine(10, 30);
    font::drawText(twoLines, 0, 0, u"\nH", colors::black);
    font::drawText(oneLine, 0, font::kLineHeight, u"H", colors::black);
    EXPECT_TRUE(std::equal(twoLines.pixels().begin(), twoLines.pixels().end(), oneLine.pixels().begin()));
    EXPECT_EQ(twoLines.pixel(0, font::kLineHeight), colors::black); // the H's top-left
}

TEST(BitmapFont, TextBeyondTheCanvasIsClipped) {
    // What lands on a small canvas is exactly the matching part of the same text drawn whole on a big one.
    Canvas small(4, 4), big(60, 20);
    font::drawText(small, -3, -3, u"WgWg", colors::black);
    font::drawText(big, 7, 7, u"WgWg", colors::black);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(small.pixel(x, y), big.pixel(x + 10, y + 10)) << x << "," << y;
    Canvas far(4, 4);
    font::drawText(far, INT_MAX - 2, INT_MAX - 2, u"WWWW", colors::black);
    font::drawText(far, INT_MIN, 0, std::u16string(1000, u'W'), colors::black);
    EXPECT_EQ(std::count(far.pixels().begin(), far.pixels().end(), colors::black), 0);
}

} // namespace
} // namespace ui
