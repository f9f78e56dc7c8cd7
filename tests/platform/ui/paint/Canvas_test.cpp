#include "ui/paint/Canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace ui {
namespace {

constexpr Color R = rgb(255, 0, 0);
constexpr Color G = rgb(0, 255, 0);
constexpr Color B = rgb(0, 0, 255);
constexpr Color W = colors::white;
constexpr Color K = colors::black;

// The canvas as rows of characters: one letter per known colour, '?' for any other.
std::string picture(const Canvas& c) {
    std::string s;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const Color p = c.pixel(x, y);
            s += p == W ? '.' : p == K ? '#' : p == R ? 'r' : p == G ? 'g' : p == B ? 'b' : '?';
        }
        s += '\n';
    }
    return s;
}

TEST(CanvasSize, StartsFilledAndRefusesSizesBeyondTheLimit) {
    Canvas c(3, 2, R);
    EXPECT_EQ(c.width(), 3);
    EXPECT_EQ(c.height(), 2);
    EXPECT_EQ(picture(c), "rrr\nrrr\n");
    EXPECT_TRUE(Canvas(-1, 5).empty());
    EXPECT_TRUE(Canvas(Canvas::kMaxSide + 1, 1).empty());
    EXPECT_TRUE(Canvas(INT_MAX, INT_MAX).empty());
    EXPECT_EQ(Canvas(0, 7).pixels().size(), 0u);
}

TEST(CanvasColors, KeepOnlyTheColourBitsOfACOLORREF) {
    Canvas c(1, 1);
    c.setPixel(0, 0, 0x8000000Bu); // a system-colour reference: its flag byte is no colour
    EXPECT_EQ(c.pixel(0, 0), 0x0000000Bu);
    EXPECT_EQ(rgb(10, 36, 106), 0x006A240Au);
    EXPECT_EQ(fromRgbHex(0x0A246A), rgb(10, 36, 106));
    EXPECT_EQ(toRgbHex(rgb(10, 36, 106)), 0x0A246Au);
}

TEST(CanvasClipping, OutOfBoundsReadsGiveBlackAndWritesAreDropped) {
    Canvas c(2, 2);
    c.setPixel(-1, 0, R);
    c.setPixel(2, 0, R);
    c.setPixel(0, 2, R);
    c.setPixel(INT_MIN, INT_MAX, R);
    EXPECT_EQ(picture(c), "..\n..\n");
    EXPECT_EQ(c.pixel(5, 5), K);
}

TEST(CanvasClipping, FillRectClipsAndIgnoresInvertedRectangles) {
    Canvas c(4, 3);
    c.fillRect(-5, -5, 2, 2, R);
    c.fillRect(3, 1, 100, 100, G);
    c.fillRect(3, 0, 1, 1, B); // right < left: nothing, as FillRect does
    EXPECT_EQ(picture(c), "rr..\nrr.g\n...g\n");
    c.fillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, B);
    EXPECT_EQ(picture(c), "bbbb\nbbbb\nbbbb\n");
}

TEST(CanvasClipping, EveryOperationStaysInsideTheClipRectangle) {
    Canvas c(5, 4);
    c.setClipRect(Rect{1, 1, 4, 3});
    c.fill(R);
    c.setPixel(0, 0, G);
    c.drawLine(0, 0, 4, 3, K);
    c.blit(-1, -1, Canvas(10, 10, B), BlitOp::Copy, 0, 0, 3, 3);
    EXPECT_EQ(picture(c), ".....\n"
                          ".brr.\n"
                          ".r##.\n"
                          ".....\n");
    c.resetClip();
    c.setPixel(0, 0, G);
    EXPECT_EQ(c.pixel(0, 0), G);
    c.setClipRect(Rect{-10, -10, 100, 2}); // limited to the canvas
    EXPECT_EQ(c.clipRect(), (Rect{0, 0, 5, 2}));
    c.setClipRect(Rect{3, 3, 1, 1}); // inverted: nothing is drawn
    c.fill(K);
    EXPECT_EQ(c.pixel(2, 2), K); // (the line's pixel from before)
    EXPECT_EQ(c.pixel(4, 3), W);
}

TEST(CanvasShapes, FrameRectDrawsInsideTheRectangle) {
    Canvas c(5, 4);
    c.frameRect(0, 0, 5, 4, K);
    EXPECT_EQ(picture(c), "#####\n#...#\n#...#\n#####\n");
    Canvas thick(6, 6);
    thick.frameRect(0, 0, 6, 6, R, 2);
    EXPECT_EQ(picture(thick), "rrrrrr\nrrrrrr\nrr..rr\nrr..rr\nrrrrrr\nrrrrrr\n");
    Canvas huge(3, 3);
    huge.frameRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, R, INT_MAX); // one thick border covers everything
    EXPECT_EQ(picture(huge), "rrr\nrrr\nrrr\n");
}

TEST(CanvasShapes, LinesIncludeBothEnds) {
    Canvas c(5, 3);
    c.drawLine(0, 0, 4, 2, K);
    EXPECT_EQ(picture(c), "#....\n.##..\n...##\n"); // halves round down the page
    Canvas v(3, 3);
    v.drawLine(1, 2, 1, 0, R);
    v.drawHLine(2, 0, 0, G);
    EXPECT_EQ(picture(v), "ggg\n.r.\n.r.\n");
}

TEST(CanvasShapes, LinesFromFarAwayAreClippedWithoutWalkingThem) {
    Canvas c(4, 4);
    c.drawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX, K); // the diagonal through the canvas
    EXPECT_EQ(picture(c), "#...\n.#..\n..#.\n...#\n");
    Canvas h(3, 2);
    h.drawLine(-1000000000, 1, 1000000000, 1, R);
    EXPECT_EQ(picture(h), "...\nrrr\n");
    Canvas off(3, 3);
    off.drawLine(-10, -10, -1, 20, R); // entirely to the left
    EXPECT_EQ(picture(off), "...\n...\n...\n");
}

Canvas pattern() {
    // r g
    // b .
    Canvas src(2, 2);
    src.setPixel(0, 0, R);
    src.setPixel(1, 0, G);
    src.setPixel(0, 1, B);
    return src;
}

TEST(CanvasBlit, CopyPlacesTheSourceAndClipsAtEveryEdge) {
    Canvas c(3, 3, K);
    c.blit(1, 1, pattern());
    EXPECT_EQ(picture(c), "###\n#rg\n#b.\n");
    Canvas corner(3, 3, K);
    corner.blit(-1, -1, pattern()); // only the bottom-right source pixel lands
    EXPECT_EQ(picture(corner), ".##\n###\n###\n");
    Canvas part(3, 3, K);
    part.blit(0, 0, pattern(), BlitOp::Copy, 1, 0, 5, 5); // a block reaching past the source is cut to it
    EXPECT_EQ(picture(part), "g##\n.##\n###\n");
    Canvas none(2, 2, K);
    none.blit(0, 0, pattern(), BlitOp::Copy, 2, 2);
    none.blit(INT_MAX, INT_MIN, pattern());
    none.blit(0, 0, pattern(), BlitOp::Copy, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(picture(none), "##\n##\n");
}

TEST(CanvasBlit, AndOrAndXorCombineBitsLikeTheRasterOperations) {
    Canvas src(1, 1, 0x00F0F00Fu);
    Canvas c(1, 1, 0x00FF0F0Fu);
    c.blit(0, 0, src, BlitOp::And);
    EXPECT_EQ(c.pixel(0, 0), 0x00F0000Fu);
    c.blit(0, 0, src, BlitOp::Or);
    EXPECT_EQ(c.pixel(0, 0), 0x00F0F00Fu);
    c.blit(0, 0, Canvas(1, 1, 0x00FFFFFFu), BlitOp::Xor);
    EXPECT_EQ(c.pixel(0, 0), 0x000F0FF0u);
}

TEST(CanvasBlit, OverlappingBlitWithinOneCanvasReadsTheOriginal) {
    Canvas c(4, 1);
    c.setPixel(0, 0, R);
    c.setPixel(1, 0, G);
    c.setPixel(2, 0, B);
    c.blit(1, 0, c, BlitOp::Copy, 0, 0, 3, 1);
    EXPECT_EQ(picture(c), "rrgb\n");
}

TEST(SelectionHandles, EightSquaresTouchTheRectangleFromOutside) {
    Canvas c(11, 11);
    c.drawSelectionHandles(3, 3, 8, 8, 2); // the rectangle covers x and y 3..7
    EXPECT_EQ(picture(c), "...........\n"
                          ".##.##..##.\n"
                          ".##.##..##.\n"
                          "...........\n"
                          ".##.....##.\n"
                          ".##.....##.\n"
                          "...........\n"
                          "...........\n"
                          ".##.##..##.\n"
                          ".##.##..##.\n"
                          "...........\n");
}

TEST(SelectionHandles, InsideHandlesStayWithinTheRectangle) {
    Canvas c(7, 7);
    c.drawSelectionHandles(Rect{0, 0, 7, 7}, 2, false, R);
    EXPECT_EQ(picture(c), "rrrr.rr\n"
                          "rrrr.rr\n"
                          "rr...rr\n"
                          "rr...rr\n"
                          ".......\n"
                          "rrrr.rr\n"
                          "rrrr.rr\n");
}

TEST(SelectionHandles, HandlesBeyondTheCanvasAreClipped) {
    Canvas c(3, 3);
    c.drawSelectionHandles(0, 0, 3, 3, 5); // every handle lies outside
    EXPECT_EQ(picture(c), "...\n...\n...\n");
    c.drawSelectionHandles(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(picture(c), "...\n...\n...\n");
}

} // namespace
} // namespace ui
