#include "ui/paint/bmpFile.h"

#include "bmpBuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace ui {
namespace {

using test::BmpSpec;
using test::buildBmp;

constexpr Color R = rgb(255, 0, 0);
constexpr Color G = rgb(0, 255, 0);
constexpr Color B = rgb(0, 0, 255);
constexpr Color Y = rgb(255, 255, 0);

Canvas read(const std::vector<std::uint8_t>& bytes) {
    Canvas image;
    std::u16string error;
    EXPECT_TRUE(readBmp(bytes, image, error)) << std::string(error.begin(), error.end());
    return image;
}

std::u16string refusal(const std::vector<std::uint8_t>& bytes) {
    Canvas image(1, 1);
    std::u16string error;
    EXPECT_FALSE(readBmp(bytes, image, error));
    EXPECT_TRUE(image.empty());
    EXPECT_FALSE(error.empty());
    return error;
}

void expectPixels(const Canvas& image, int w, int h, const std::vector<Color>& expected) {
    ASSERT_EQ(image.width(), w);
    ASSERT_EQ(image.height(), h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_EQ(image.pixel(x, y), expected[std::size_t(y * w + x)]) << "at " << x << "," << y;
}

// ---- Each depth, with widths that leave partial bytes and padded rows

TEST(BmpDepths, OneBitUsesTheTwoPaletteColours) {
    BmpSpec s{.width = 11, .height = 2, .bitCount = 1, .palette = {R, B}};
    for (int i = 0; i < 22; ++i) s.pixels.push_back(std::uint32_t((i * 7) % 3 == 0));
    std::vector<Color> expected;
    for (auto p : s.pixels) expected.push_back(p ? B : R);
    expectPixels(read(buildBmp(s)), 11, 2, expected);
}

TEST(BmpDepths, FourBitNibblesHighFirst) {
    std::vector<Color> palette;
    for (int i = 0; i < 16; ++i) palette.push_back(rgb(std::uint8_t(i * 16), 0, std::uint8_t(255 - i)));
    BmpSpec s{.width = 3, .height = 3, .bitCount = 4, .palette = palette, .pixels = {0, 1, 2, 15, 14, 13, 7, 8, 9}};
    std::vector<Color> expected;
    for (auto p : s.pixels) expected.push_back(palette[p]);
    expectPixels(read(buildBmp(s)), 3, 3, expected);
}

TEST(BmpDepths, EightBitWithAShortPaletteLeavesUnknownIndexesBlack) {
    BmpSpec s{
        .width = 5, .height = 1, .bitCount = 8, .palette = {R, G, B}, .colorsUsed = 3, .pixels = {0, 1, 2, 3, 255}};
    expectPixels(read(buildBmp(s)), 5, 1, {R, G, B, colors::black, colors::black});
}

TEST(BmpDepths, SixteenBitIsFiveFiveFive) {
    BmpSpec s{.width = 3, .height = 1, .bitCount = 16, .pixels = {0x7C00, 0x03E0, 0x001F | 0x8000}};
    expectPixels(read(buildBmp(s)), 3, 1, {R, G, B}); // the top bit is unused
}

TEST(BmpDepths, TwentyFourBitRowsArePaddedToFourBytes) {
    BmpSpec s{.width = 3, .height = 2, .bitCount = 24, .pixels = {R, G, B, Y, 0x123456, 0xABCDEF}};
    expectPixels(read(buildBmp(s)), 3, 2, {R, G, B, Y, 0x123456, 0xABCDEF});
}

TEST(BmpDepths, ThirtyTwoBitIgnoresAlpha) {
    BmpSpec s{.width = 2, .height = 2, .bitCount = 32, .pixels = {R, G, B, 0x010203}};
    expectPixels(read(buildBmp(s)), 2, 2, {R, G, B, 0x010203});
}

TEST(BmpDepths, ThirtyTwoBitColourMasksPickTheChannels) {
    // Red in the low byte, blue in the third: the reverse of the usual layout.
    BmpSpec s{.width = 2,
              .height = 1,
              .bitCount = 32,
              .compression = 3,
              .masks = {0x000000FF, 0x0000FF00, 0x00FF0000},
              .pixels = {0x000000FF, 0x00FF0000},
              .raw32 = true};
    expectPixels(read(buildBmp(s)), 2, 1, {R, B});
}

TEST(BmpDepths, SixteenBitColourMasksFiveSixFive) {
    BmpSpec s{.width = 3,
              .height = 1,
              .bitCount = 16,
              .compression = 3,
              .masks = {0xF800, 0x07E0, 0x001F},
              .pixels = {0xF800, 0x07E0, 0x0400}};
    expectPixels(read(buildBmp(s)), 3, 1, {R, G, rgb(0, 129, 0)}); // 32 of 63 green steps
}

// ---- Row order and header kinds

TEST(BmpLayout, TopDownAndBottomUpGiveTheSamePicture) {
    BmpSpec s{.width = 2, .height = 3, .bitCount = 24, .pixels = {R, G, B, Y, G, R}};
    const Canvas bottomUp = read(buildBmp(s));
    s.topDown = true;
    const Canvas topDown = read(buildBmp(s));
    expectPixels(bottomUp, 2, 3, {R, G, B, Y, G, R});
    expectPixels(topDown, 2, 3, {R, G, B, Y, G, R});
}

TEST(BmpLayout, OldCoreHeaderWithThreeBytePalette) {
    BmpSpec s{
        .width = 2, .height = 2, .bitCount = 8, .headerSize = 12, .palette = {R, G, B, Y}, .pixels = {0, 1, 2, 3}};
    expectPixels(read(buildBmp(s)), 2, 2, {R, G, B, Y});
}

TEST(BmpLayout, VersionFiveHeaderCarriesItsMasksInside) {
    BmpSpec s{.width = 1, .height = 1, .bitCount = 32, .headerSize = 124, .compression = 3, .pixels = {0}};
    auto bytes = buildBmp(s);
    // Masks at offsets 40, 44, 48 of the header: red in the low byte.
    const std::uint32_t masks[3] = {0xFF, 0xFF00, 0xFF0000};
    for (int m = 0; m < 3; ++m)
        for (int b = 0; b < 4; ++b) bytes[14 + 40 + std::size_t(4 * m + b)] = std::uint8_t(masks[m] >> (8 * b));
    const std::size_t data = bytes.size() - 4;
    bytes[data] = 0x11;
    bytes[data + 1] = 0x22;
    bytes[data + 2] = 0x33;
    expectPixels(read(bytes), 1, 1, {rgb(0x11, 0x22, 0x33)});
}

TEST(BmpLayout, AFileEndingRightAfterTheLastPixelIsAccepted) {
    BmpSpec s{.width = 1, .height = 2, .bitCount = 24, .pixels = {R, G}};
    auto bytes = buildBmp(s);
    bytes.resize(bytes.size() - 1); // the last row's padding byte is missing
    expectPixels(read(bytes), 1, 2, {R, G});
}

// ---- Refusals: every malformed file is refused with a message, the canvas left empty

std::vector<std::uint8_t> valid24() {
    return buildBmp(BmpSpec{.width = 4, .height = 4, .bitCount = 24, .pixels = std::vector<std::uint32_t>(16, R)});
}

void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

TEST(BmpRefusal, NotABitmap) {
    EXPECT_EQ(refusal({}), u"The file is too short to be a bitmap");
    auto b = valid24();
    b[0] = 'P';
    EXPECT_EQ(refusal(b), u"The file is not a bitmap: it does not start with \"BM\"");
}

TEST(BmpRefusal, EveryTruncationOfAValidFileIsRefused) {
    const auto whole =
        buildBmp(BmpSpec{.width = 3, .height = 2, .bitCount = 8, .palette = {R, G, B}, .pixels = {0, 1, 2, 2, 1, 0}});
    // Every cut before the last pixel's final byte is fatal; only the last row's padding byte may be missing.
    const std::size_t minimal = whole.size() - 1;
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
        Canvas image;
        std::u16string error;
        EXPECT_EQ(readBmp(cut, image, error), n >= minimal) << "cut at " << n;
        EXPECT_EQ(image.empty(), n < minimal);
    }
}

TEST(BmpRefusal, HugeDimensionsAreRefusedBeforeAnyAllocation) {
    auto b = valid24();
    put32(b, 18, 100000);
    EXPECT_EQ(refusal(b), u"The bitmap is too large (100000 x 4 pixels, at most 16384 x 16384)");
    b = valid24();
    put32(b, 22, 0x80000000u); // INT_MIN rows, top-down: its negation must not overflow
    EXPECT_EQ(refusal(b), u"The bitmap is too large (4 x 2147483648 pixels, at most 16384 x 16384)");
    b = valid24();
    put32(b, 18, 16384);
    put32(b, 22, 16384); // within the limit, but the pixels are not in the file
    EXPECT_EQ(refusal(b).substr(0, 40), u"The bitmap is truncated: its pixels need");
}

TEST(BmpRefusal, NonsenseHeaderFields) {
    auto b = valid24();
    put32(b, 18, 0);
    EXPECT_EQ(refusal(b), u"The bitmap has no pixels (0 x 4)");
    b = valid24();
    put32(b, 18, 0xFFFFFFFFu);
    EXPECT_EQ(refusal(b), u"The bitmap has no pixels (-1 x 4)");
    b = valid24();
    b[26] = 3;
    EXPECT_EQ(refusal(b), u"The bitmap has 3 planes instead of 1");
    b = valid24();
    b[28] = 7;
    EXPECT_EQ(refusal(b), u"The bitmap has an unsupported depth of 7 bits per pixel");
    b = valid24();
    put32(b, 14, 41);
    EXPECT_EQ(refusal(b), u"The bitmap has an unknown header (size 41)");
    b = valid24();
    put32(b, 14, 0xFFFFFFF0u);
    EXPECT_EQ(refusal(b), u"The bitmap has an unknown header (size 4294967280)");
}

TEST(BmpRefusal, CompressionsThatAreNotSupported) {
    auto b = valid24();
    put32(b, 30, 1);
    EXPECT_EQ(refusal(b), u"Run-length compressed bitmaps are not supported");
    put32(b, 30, 4);
    EXPECT_EQ(refusal(b), u"Bitmaps holding a JPEG or PNG picture are not supported");
    put32(b, 30, 3); // colour masks at 24 bits
    EXPECT_EQ(refusal(b), u"The bitmap has colour masks at 24 bits per pixel");
    put32(b, 30, 77);
    EXPECT_EQ(refusal(b), u"The bitmap has an unknown compression (77)");
}

TEST(BmpRefusal, OffsetsOutsideTheFileOrInsideTheHeader) {
    auto b = valid24();
    put32(b, 10, 0xFFFFFFFFu);
    EXPECT_EQ(refusal(b).substr(0, 24), u"The bitmap is truncated:");
    put32(b, 10, 20);
    EXPECT_EQ(refusal(b), u"The bitmap's pixel data starts inside its header");
}

TEST(BmpRefusal, APaletteBeyondTheFile) {
    // The pixel data is said to start far behind the palette, but the file ends right after its header.
    auto b = buildBmp(BmpSpec{.width = 1, .height = 1, .bitCount = 8, .palette = {}, .pixels = {0}});
    b.resize(54);
    put32(b, 10, 54 + 1024);
    EXPECT_EQ(refusal(b), u"The bitmap is truncated inside its palette");
}

TEST(BmpLayout, APaletteShorterThanItsCountEndsWhereThePixelsStart) {
    // 256 entries are claimed (count 0), three are present: indexes beyond them are black.
    BmpSpec s{.width = 4, .height = 1, .bitCount = 8, .palette = {R, G, B}, .pixels = {2, 1, 0, 3}};
    expectPixels(read(buildBmp(s)), 4, 1, {B, G, R, colors::black});
}

// ---- Writing

std::filesystem::path tempFolder() {
    const char* t = std::getenv("TMPDIR");
    auto dir = std::filesystem::path(t ? t : "/tmp") / ("ss-paint-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

TEST(BmpWrite, RoundTripsThroughTheReader) {
    Canvas c(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            c.setPixel(x, y, rgb(std::uint8_t(x * 50), std::uint8_t(y * 100), std::uint8_t(x + y)));
    const auto bytes = encodeBmp(c);
    EXPECT_EQ(bytes.size(), 54u + 16u * 3u); // rows of 15 bytes padded to 16
    const Canvas back = read(bytes);
    ASSERT_EQ(back.width(), 5);
    EXPECT_TRUE(std::equal(back.pixels().begin(), back.pixels().end(), c.pixels().begin(), c.pixels().end()));
}

TEST(BmpWrite, FileRoundTripAndFailures) {
    const auto dir = tempFolder();
    const auto path = dir / "picture.bmp";
    Canvas c(2, 2, Y);
    std::u16string error;
    ASSERT_TRUE(writeBmpFile(path, c, error));
    Canvas back;
    ASSERT_TRUE(readBmpFile(path, back, error));
    EXPECT_EQ(back.pixel(1, 1), Y);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);

    EXPECT_FALSE(writeBmpFile(dir / "no-such-folder" / "x.bmp", c, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writeBmpFile(dir / "empty.bmp", Canvas(), error));
    EXPECT_FALSE(readBmpFile(dir / "missing.bmp", back, error));
    EXPECT_TRUE(back.empty());
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ui
