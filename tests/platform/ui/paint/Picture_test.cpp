#include "ui/paint/Picture.h"

#include "bmpBuilder.h"
#include "ui/paint/bmpFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ui {
namespace {

constexpr Color R = rgb(255, 0, 0);
constexpr Color G = rgb(0, 255, 0);
constexpr Color Gy = colors::lightGrey;

Image imageOf(std::vector<std::uint8_t> bytes, bool isIcon = false) {
    Image image;
    image.resourceId = 1;
    image.bytes = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    image.isIcon = isIcon;
    return image;
}

// One 32-bit icon image: colours top row first, `clear` marking the pixels the AND mask makes transparent;
// alpha 255 everywhere when withAlpha (and then alpha 0 where clear), else 0 (no alpha channel).
struct IcoImage {
    int side = 2;
    std::vector<Color> colors;
    std::vector<bool> clear;
    bool withAlpha = false;
};

std::vector<std::uint8_t> buildIco(const std::vector<IcoImage>& images) {
    std::vector<std::uint8_t> out;
    auto put16 = [](std::vector<std::uint8_t>& b, std::uint32_t v) {
        b.push_back(std::uint8_t(v));
        b.push_back(std::uint8_t(v >> 8));
    };
    auto put32 = [&](std::vector<std::uint8_t>& b, std::uint32_t v) {
        put16(b, v & 0xFFFF);
        put16(b, v >> 16);
    };
    std::vector<std::vector<std::uint8_t>> dibs;
    for (const IcoImage& im : images) {
        std::vector<std::uint8_t> d;
        put32(d, 40);
        put32(d, std::uint32_t(im.side));
        put32(d, std::uint32_t(2 * im.side));
        put16(d, 1);
        put16(d, 32);
        for (int i = 0; i < 6; ++i) put32(d, 0);
        for (int row = im.side - 1; row >= 0; --row)
            for (int x = 0; x < im.side; ++x) {
                const std::size_t i = std::size_t(row * im.side + x);
                d.push_back(blueOf(im.colors[i]));
                d.push_back(greenOf(im.colors[i]));
                d.push_back(redOf(im.colors[i]));
                d.push_back(im.withAlpha ? (im.clear[i] ? 0 : 255) : 0);
            }
        const std::size_t maskStride = (std::size_t(im.side) + 31) / 32 * 4;
        for (int row = im.side - 1; row >= 0; --row) {
            std::vector<std::uint8_t> bits(maskStride, 0);
            for (int x = 0; x < im.side; ++x)
                if (!im.withAlpha && im.clear[std::size_t(row * im.side + x)])
                    bits[std::size_t(x) / 8] |= std::uint8_t(0x80 >> (x % 8));
            d.insert(d.end(), bits.begin(), bits.end());
        }
        dibs.push_back(std::move(d));
    }
    put16(out, 0);
    put16(out, 1);
    put16(out, std::uint32_t(images.size()));
    std::size_t offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(std::uint8_t(images[i].side));
        out.push_back(std::uint8_t(images[i].side));
        out.push_back(0);
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, std::uint32_t(dibs[i].size()));
        put32(out, std::uint32_t(offset));
        offset += dibs[i].size();
    }
    for (const auto& d : dibs) out.insert(out.end(), d.begin(), d.end());
    return out;
}

// Draws the picture on grey and returns what shows, row-major.
std::vector<Color> onGrey(const Picture& p) {
    Canvas target(p.width(), p.height(), Gy);
    p.draw(target, 0, 0);
    return {target.pixels().begin(), target.pixels().end()};
}

TEST(PictureDecode, ABitmapIsOpaqueUntilGivenATransparentColour) {
    const auto bmp = test::buildBmp(test::BmpSpec{.width = 2, .height = 1, .bitCount = 24, .pixels = {R, G}});
    Picture p;
    std::u16string error;
    ASSERT_TRUE(p.decode(imageOf(bmp), error));
    EXPECT_FALSE(p.hasMask());
    EXPECT_EQ(onGrey(p), (std::vector<Color>{R, G}));
    p.setTransparentColor(G);
    EXPECT_EQ(onGrey(p), (std::vector<Color>{R, Gy}));
}

TEST(PictureDecode, MissingOrBadBytesAreRefused) {
    Picture p;
    std::u16string error;
    EXPECT_FALSE(p.decode(Image{}, error));
    EXPECT_EQ(error, u"The picture has no data");
    EXPECT_FALSE(p.decode(imageOf({'B', 'M', 0}), error));
    EXPECT_TRUE(p.empty());
}

TEST(PictureIcon, TheAndMaskMakesPixelsTransparent) {
    const IcoImage im{.side = 2, .colors = {R, G, G, R}, .clear = {false, true, true, false}};
    Picture p;
    std::u16string error;
    ASSERT_TRUE(p.decode(imageOf(buildIco({im}), true), error)) << std::string(error.begin(), error.end());
    EXPECT_EQ(onGrey(p), (std::vector<Color>{R, Gy, Gy, R}));
}

TEST(PictureIcon, AnIconWeEncodeDecodesWithItsTransparentColourMasked) {
    Canvas drawn(3, 2, colors::white);
    drawn.setPixel(0, 0, R);
    drawn.setPixel(2, 1, G);
    Picture p;
    std::u16string error;
    ASSERT_TRUE(p.decode(imageOf(encodeIco(drawn, colors::white), true), error, 3)) << std::string(error.begin(), error.end());
    EXPECT_EQ(onGrey(p), (std::vector<Color>{R, Gy, Gy, Gy, Gy, G}));
    EXPECT_TRUE(encodeIco(Canvas(257, 4), colors::white).empty());
}

TEST(PictureIcon, AnAlphaChannelWinsOverTheMask) {
    const IcoImage im{.side = 2, .colors = {R, G, G, R}, .clear = {true, false, false, false}, .withAlpha = true};
    Picture p;
    std::u16string error;
    ASSERT_TRUE(p.decode(imageOf(buildIco({im}), true), error));
    EXPECT_EQ(onGrey(p), (std::vector<Color>{Gy, G, G, R}));
}

TEST(PictureIcon, TheEntryClosestToTheWantedSizeIsTaken) {
    IcoImage small{.side = 16, .colors = std::vector<Color>(256, R), .clear = std::vector<bool>(256, false)};
    IcoImage big{.side = 32, .colors = std::vector<Color>(1024, G), .clear = std::vector<bool>(1024, false)};
    const auto ico = buildIco({small, big});
    Picture p;
    std::u16string error;
    ASSERT_TRUE(p.decode(imageOf(ico, true), error, 16));
    EXPECT_EQ(p.width(), 16);
    EXPECT_EQ(p.image().pixel(0, 0), R);
    ASSERT_TRUE(p.decode(imageOf(ico, true), error, 30));
    EXPECT_EQ(p.width(), 32);
}

TEST(PictureIcon, BrokenIconsAreRefused) {
    const IcoImage im{.side = 2, .colors = {R, G, G, R}, .clear = {false, true, true, false}};
    const auto whole = buildIco({im});
    Picture p;
    std::u16string error;
    for (std::size_t n = 4; n < 6 + 16 + 40 + 16; ++n) { // every cut up to the end of the colours
        std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
        EXPECT_FALSE(p.decode(imageOf(cut, true), error)) << "cut at " << n;
        EXPECT_TRUE(p.empty());
    }
    auto png = whole;
    png[6 + 16] = 0x89;
    png[6 + 16 + 1] = 'P';
    EXPECT_FALSE(p.decode(imageOf(png, true), error));
    EXPECT_EQ(error, u"Icons holding a PNG picture are not supported");
    auto odd = whole;
    odd[6 + 16 + 8] = 3; // an odd doubled height
    EXPECT_FALSE(p.decode(imageOf(odd, true), error));
    EXPECT_EQ(error, u"The icon's picture has a bad height");
}

TEST(PictureIcon, AMissingAndMaskLeavesTheIconOpaque) {
    const IcoImage im{.side = 2, .colors = {R, G, G, R}, .clear = {false, true, true, false}};
    auto ico = buildIco({im});
    ico.erase(ico.end() - 8, ico.end());       // the mask's two rows of four bytes are gone
    ico[6 + 8] = std::uint8_t(ico[6 + 8] - 8); // and the directory says so
    Picture p;
    std::u16string error;
    ASSERT_TRUE(p.decode(imageOf(ico, true), error));
    EXPECT_EQ(onGrey(p), (std::vector<Color>{R, G, G, R}));
}

} // namespace
} // namespace ui
