#include "ui/paint/masks.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr Color M = colors::magenta;
constexpr Color R = rgb(255, 0, 0);
constexpr Color G = rgb(0, 255, 0);
constexpr Color K = colors::black;
constexpr Color W = colors::white;

// A 3 x 2 picture: magenta is its transparent colour.
Canvas picture() {
    Canvas c(3, 2, M);
    c.setPixel(0, 0, R);
    c.setPixel(2, 1, G);
    c.setPixel(1, 1, W);
    return c;
}

TEST(Mask, WhiteWhereTheColourIsAndBlackElsewhere) {
    const Canvas mask = makeMask(picture(), M);
    ASSERT_EQ(mask.width(), 3);
    ASSERT_EQ(mask.height(), 2);
    const Color expected[2][3] = {{K, W, W}, {W, K, K}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(mask.pixel(x, y), expected[y][x]) << x << "," << y;
}

TEST(Mask, TheColourIsComparedWithoutItsFlagByte) {
    const Canvas mask = makeMask(picture(), 0xFF000000u | M);
    EXPECT_EQ(mask.pixel(1, 0), W);
}

TEST(Mask, AndThenOrShowsTheTargetThroughTheTransparentColour) {
    // The target is a grey field; after AND with the mask only the transparent places keep their grey, and
    // the OR of the picture (its magenta turned black) fills the rest.
    Canvas target(5, 4, colors::lightGrey);
    Canvas image = picture();
    const Canvas mask = makeMask(image, M);
    replaceColor(image, M, K);

    Canvas afterAnd = target;
    afterAnd.blit(1, 1, mask, BlitOp::And);
    EXPECT_EQ(afterAnd.pixel(1, 1), K);                 // opaque red pixel: cleared
    EXPECT_EQ(afterAnd.pixel(2, 1), colors::lightGrey); // transparent: kept
    EXPECT_EQ(afterAnd.pixel(0, 0), colors::lightGrey); // outside the picture: untouched

    drawMasked(target, 1, 1, image, mask);
    const Color Gy = colors::lightGrey;
    const Color expected[4][5] = {
        {Gy, Gy, Gy, Gy, Gy},
        {Gy, R, Gy, Gy, Gy},
        {Gy, Gy, W, G, Gy},
        {Gy, Gy, Gy, Gy, Gy},
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(target.pixel(x, y), expected[y][x]) << x << "," << y;

    Canvas direct(5, 4, colors::lightGrey);
    drawTransparent(direct, 1, 1, picture(), M);
    EXPECT_TRUE(std::equal(direct.pixels().begin(), direct.pixels().end(), target.pixels().begin()));
}

TEST(Mask, WhiteAsTheTransparentColourOfADesignPicture) {
    // A design page's picture: pure white is transparent, and only pure white.
    Canvas image(2, 1, W);
    image.setPixel(1, 0, rgb(255, 255, 254));
    Canvas target(2, 1, R);
    drawTransparent(target, 0, 0, image, W);
    EXPECT_EQ(target.pixel(0, 0), R);
    EXPECT_EQ(target.pixel(1, 0), rgb(255, 255, 254));
}

TEST(Mask, DrawingPartlyOutsideTheTargetIsClipped) {
    Canvas target(2, 2, colors::lightGrey);
    drawTransparent(target, -2, 0, picture(), M);     // only the picture's right column lands, at x 0
    EXPECT_EQ(target.pixel(0, 0), colors::lightGrey); // magenta: transparent
    EXPECT_EQ(target.pixel(0, 1), G);
    EXPECT_EQ(target.pixel(1, 0), colors::lightGrey);
    EXPECT_EQ(target.pixel(1, 1), colors::lightGrey);
}

} // namespace
} // namespace ui
