#include "ui/paint/textLayout.h"

#include "ui/paint/bitmapFont.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ui {
namespace {

using Lines = std::vector<std::u16string>;

int widthOf(int chars) {
    return chars * font::kAdvance - 1;
}

// Leftmost and rightmost columns with ink, -1 when none.
std::pair<int, int> inkColumns(const Canvas& c) {
    int lo = -1, hi = -1;
    for (int x = 0; x < c.width(); ++x)
        for (int y = 0; y < c.height(); ++y)
            if (c.pixel(x, y) == colors::black) {
                if (lo < 0) lo = x;
                hi = x;
            }
    return {lo, hi};
}

TEST(TextWrapping, BreaksAtTheLastSpaceThatFits) {
    EXPECT_EQ(layoutLines(u"one two three", widthOf(7), text::WordBreak), (Lines{u"one two", u"three"}));
    EXPECT_EQ(layoutLines(u"one two three", widthOf(6), text::WordBreak), (Lines{u"one", u"two", u"three"}));
    EXPECT_EQ(layoutLines(u"one two three", widthOf(7), 0), (Lines{u"one two three"}));
}

TEST(TextWrapping, AWordLongerThanALineIsCut) {
    EXPECT_EQ(layoutLines(u"abcdefgh ij", widthOf(3), text::WordBreak), (Lines{u"abc", u"def", u"gh", u"ij"}));
    // Even a rectangle narrower than one character shows every character, one per line.
    EXPECT_EQ(layoutLines(u"ab", 0, text::WordBreak), (Lines{u"a", u"b"}));
}

TEST(TextWrapping, LineBreaksInTheTextAreKept) {
    EXPECT_EQ(layoutLines(u"a\r\nb\nc", 100, 0), (Lines{u"a", u"b", u"c"}));
    EXPECT_EQ(layoutLines(u"", 100, text::WordBreak), (Lines{u""}));
}

TEST(TextWrapping, MnemonicMarksTakeNoRoom) {
    EXPECT_EQ(layoutLines(u"&Open file", widthOf(4), text::WordBreak), (Lines{u"&Open", u"file"}));
    EXPECT_EQ(measureText(u"&Open", 100, 0).cx, widthOf(4));
    EXPECT_EQ(measureText(u"&Open", 100, text::NoPrefix).cx, widthOf(5));
    EXPECT_EQ(measureText(u"A && B", 100, 0).cx, widthOf(5));
}

TEST(TextWrapping, AVeryLongTextWrapsInOnePass) {
    // Half a million characters: a quadratic wrap would not finish in any reasonable time.
    std::u16string longText;
    for (int i = 0; i < 100000; ++i) longText += u"word ";
    const auto lines = layoutLines(longText, widthOf(20), text::WordBreak);
    EXPECT_EQ(lines.size(), 25000u); // four words a line
    EXPECT_EQ(lines.front(), u"word word word word");
}

TEST(TextDrawing, AlignmentInTheRectangle) {
    const Rect r{0, 0, 60, 20};
    Canvas left(60, 20), centre(60, 20), right(60, 20);
    drawTextInRect(left, r, u"II", colors::black, text::Left);
    drawTextInRect(centre, r, u"II", colors::black, text::Center);
    drawTextInRect(right, r, u"II", colors::black, text::Right);
    // "I" has ink in columns 1..3 of its cell; the text is 11 pixels wide.
    EXPECT_EQ(inkColumns(left), (std::pair<int, int>{1, 9}));
    EXPECT_EQ(inkColumns(centre), (std::pair<int, int>{24 + 1, 24 + 9}));
    EXPECT_EQ(inkColumns(right), (std::pair<int, int>{49 + 1, 49 + 9}));
}

TEST(TextDrawing, VerticalCentring) {
    Canvas c(20, 21);
    drawTextInRect(c, Rect{0, 0, 20, 21}, u"I", colors::black, text::VCenter);
    // The cell (9 rows) starts at (21 - 9) / 2 = 6; "I" is inked on its first seven rows.
    EXPECT_EQ(c.pixel(2, 5), colors::white);
    EXPECT_EQ(c.pixel(2, 6), colors::black);
    EXPECT_EQ(c.pixel(2, 12), colors::black);
    EXPECT_EQ(c.pixel(2, 13), colors::white);
}

TEST(TextDrawing, MnemonicIsUnderlinedAndNotShown) {
    Canvas marked(30, 12), plain(30, 12);
    drawTextInRect(marked, Rect{0, 0, 30, 12}, u"&Ab", colors::black, 0);
    drawTextInRect(plain, Rect{0, 0, 30, 12}, u"Ab", colors::black, 0);
    const int underline = font::kGlyphHeight - 1;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool underA = y == underline && x < font::kGlyphWidth;
            EXPECT_EQ(marked.pixel(x, y), underA ? colors::black : plain.pixel(x, y)) << x << "," << y;
        }
}

TEST(TextDrawing, EllipsisEndsALineTooLong) {
    Canvas withEllipsis(31, 10), expected(31, 10);
    drawTextInRect(withEllipsis, Rect{0, 0, 31, 10}, u"abcdefgh", colors::black, text::EndEllipsis);
    drawTextInRect(expected, Rect{0, 0, 31, 10}, u"ab...", colors::black, 0);
    EXPECT_TRUE(std::equal(withEllipsis.pixels().begin(), withEllipsis.pixels().end(), expected.pixels().begin()));
}

TEST(TextDrawing, StaysInsideItsRectangle) {
    Canvas c(40, 40);
    drawTextInRect(c, Rect{10, 10, 20, 15}, u"WWWWWWWW\nWWWW", colors::black, text::WordBreak);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (c.pixel(x, y) == colors::black) {
                EXPECT_TRUE(x >= 10 && x < 20 && y >= 10 && y < 15) << x << "," << y;
            }
}

} // namespace
} // namespace ui
