#include "ui/paint/pngFile.h"

#include "os/files.h"
#include "os/utf16.h"
#include "pngReader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <unistd.h>

namespace ui {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(PngChecksums, KnownValues) {
    EXPECT_EQ(crc32(bytesOf("123456789")), 0xCBF43926u);
    EXPECT_EQ(crc32(bytesOf("")), 0u);
    EXPECT_EQ(adler32(bytesOf("Wikipedia")), 0x11E60398u);
    EXPECT_EQ(adler32(bytesOf("")), 1u);
    // Sums that must wrap many times: a megabyte of 0xFF.
    std::vector<std::uint8_t> ones(1 << 20, 0xFF);
    std::uint32_t a = 1, b = 0;
    for (auto v : ones) {
        a = (a + v) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(adler32(ones), (b << 16) | a);
    // Continuing a checksum equals taking it at once.
    EXPECT_EQ(crc32(bytesOf("6789"), crc32(bytesOf("12345"))), 0xCBF43926u);
}

TEST(PngEncode, SignatureHeaderChunksAndPixelsReadBack) {
    Canvas c(3, 2);
    c.setPixel(0, 0, rgb(255, 0, 0));
    c.setPixel(2, 1, rgb(1, 2, 3));
    const auto png = encodePng(c);

    std::vector<test::PngChunk> chunks;
    std::string error;
    ASSERT_TRUE(test::readPngChunks(png, chunks, error)) << error;
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(chunks.front().type, "IHDR");
    EXPECT_EQ(test::be32(chunks.front().data, 0), 3u);
    EXPECT_EQ(test::be32(chunks.front().data, 4), 2u);
    EXPECT_EQ(chunks.back().type, "IEND");

    Canvas back;
    ASSERT_TRUE(test::decodePng(png, back, error)) << error;
    ASSERT_EQ(back.width(), 3);
    EXPECT_TRUE(std::equal(back.pixels().begin(), back.pixels().end(), c.pixels().begin(), c.pixels().end()));
}

TEST(PngEncode, LargePicturesSpanManyDeflateBlocksAndChunks) {
    // 300 x 400 at 3 bytes a pixel is 360 KB of scanlines; noise does not compress, so the stream is several
    // deflate blocks and more than one IDAT.
    Canvas c(300, 400);
    std::uint32_t noise = 12345;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 300; ++x) {
            noise = noise * 1103515245u + 12345u;
            c.setPixel(x, y, rgb(std::uint8_t(noise >> 24), std::uint8_t(noise >> 16), std::uint8_t(x ^ y)));
        }
    const auto png = encodePng(c);
    std::vector<test::PngChunk> chunks;
    std::string error;
    ASSERT_TRUE(test::readPngChunks(png, chunks, error)) << error;
    EXPECT_GT(std::count_if(chunks.begin(), chunks.end(), [](const auto& ch) { return ch.type == "IDAT"; }), 1);
    Canvas back;
    ASSERT_TRUE(test::decodePng(png, back, error)) << error;
    EXPECT_TRUE(std::equal(back.pixels().begin(), back.pixels().end(), c.pixels().begin(), c.pixels().end()));
}

TEST(PngEncode, AFlippedByteIsCaughtByTheChecksums) {
    const auto png = encodePng(Canvas(2, 2));
    auto broken = png;
    broken[broken.size() / 2] ^= 0x01;
    Canvas back;
    std::string error;
    EXPECT_FALSE(test::decodePng(broken, back, error));
}

TEST(PngWrite, EmptyCanvasAndUnwritableFolderFail) {
    EXPECT_TRUE(encodePng(Canvas()).empty());
    std::u16string error;
    EXPECT_FALSE(writePngFile("/tmp/x.png", Canvas(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writePngFile("/nonexistent-folder-of-ss/x.png", Canvas(1, 1), error));
}

TEST(PngWrite, ReplacesAnExistingFileWhole) {
    const char* t = std::getenv("TMPDIR");
    const auto dir = std::filesystem::path(t ? t : "/tmp") / ("ss-png-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "shot.png";
    { std::ofstream(path) << "an older, much longer file that must not leave a tail behind"; }
    std::u16string error;
    ASSERT_TRUE(writePngFile(path, Canvas(1, 1), error));
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, encodePng(Canvas(1, 1)));
    std::filesystem::remove_all(dir);
}

TEST(PngWrite, AFailedWriteLeavesTheOldFileAsItWas) {
    const char* t = std::getenv("TMPDIR");
    const auto dir = std::filesystem::path(t ? t : "/tmp") / ("ss-png-fail-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "shot.png";
    std::u16string error;
    ASSERT_TRUE(writePngFile(path, Canvas(1, 1), error));
    const auto before = std::filesystem::file_size(path);
    {
        os::FailureInjection failAtRename(os::WriteStage::Rename);
        EXPECT_FALSE(writePngFile(path, Canvas(50, 50), error));
    }
    EXPECT_EQ(error.substr(0, 13), u"Cannot write ");
    EXPECT_EQ(std::filesystem::file_size(path), before);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
    std::filesystem::remove_all(dir);
}

// ---- Compression

// What a dialog looks like to the compressor: a face colour, framed controls, a caption bar and many short
// runs of dark text pixels.
Canvas dialogLikePicture() {
    Canvas c(640, 480, colors::buttonFace);
    c.fillRect(0, 0, 640, 20, colors::caption);
    for (int row = 0; row < 12; ++row) {
        const int top = 30 + row * 36;
        c.fillRect(120, top, 600, top + 24, colors::white);
        c.drawEdge(120, top, 600, top + 24, true);
        for (int ch = 0; ch < 14; ++ch)
            for (int y = 0; y < 11; ++y)
                for (int x = 0; x < 6; ++x)
                    if ((x * 7 + y * 3 + ch + row) % 4 == 0) c.setPixel(10 + ch * 7 + x, top + 6 + y, colors::black);
    }
    return c;
}

TEST(PngEncode, ADialogPictureIsCompressedToAFewKilobytes) {
    const Canvas c = dialogLikePicture();
    const auto png = encodePng(c);
    // 640 x 480 x 3 is 900 KB of pixels.
    EXPECT_LT(png.size(), 40u * 1024) << png.size();
    Canvas back;
    std::string error;
    ASSERT_TRUE(test::decodePng(png, back, error)) << error;
    EXPECT_TRUE(std::equal(back.pixels().begin(), back.pixels().end(), c.pixels().begin(), c.pixels().end()));
}

TEST(PngEncode, RowsUseTheFiltersThatSuitThem) {
    // A horizontal gradient predicts best from the left (Sub), a copy of the row above from above (Up).
    Canvas c(64, 3);
    for (int x = 0; x < 64; ++x) {
        c.setPixel(x, 0, rgb(std::uint8_t(x * 3), std::uint8_t(x * 2), std::uint8_t(x)));
        c.setPixel(x, 1, rgb(std::uint8_t(x * 3), std::uint8_t(x * 2), std::uint8_t(x)));
        c.setPixel(x, 2, rgb(std::uint8_t(x * 3), std::uint8_t(x * 2), std::uint8_t(x)));
    }
    std::vector<test::PngChunk> chunks;
    std::string error;
    ASSERT_TRUE(test::readPngChunks(encodePng(c), chunks, error)) << error;
    std::vector<std::uint8_t> z;
    for (const auto& ch : chunks)
        if (ch.type == "IDAT") z.insert(z.end(), ch.data.begin(), ch.data.end());
    std::vector<std::uint8_t> raw(3 * (1 + 64 * 3));
    uLongf got = uLongf(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &got, z.data(), uLong(z.size())), Z_OK);
    EXPECT_EQ(raw[0], 1);               // Sub
    EXPECT_EQ(raw[1 + 64 * 3], 2);      // Up
    EXPECT_EQ(raw[2 * (1 + 64 * 3)], 2);
}

// ---- Reading

bool sameImage(const Canvas& a, const Canvas& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::equal(a.pixels().begin(), a.pixels().end(), b.pixels().begin(), b.pixels().end());
}

void putBe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(std::uint8_t(v >> shift));
}
void putChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data) {
    putBe32(out, std::uint32_t(data.size()));
    std::vector<std::uint8_t> typeAndData(type.begin(), type.end());
    typeAndData.insert(typeAndData.end(), data.begin(), data.end());
    out.insert(out.end(), typeAndData.begin(), typeAndData.end());
    putBe32(out, test::slowCrc32(typeAndData));
}

// A PNG file made by hand: the header fields as given, `raw` (filter bytes and samples) compressed by zlib,
// and any extra chunks before the image data.
std::vector<std::uint8_t> handMadePng(std::uint32_t w, std::uint32_t h, std::uint8_t colorType,
                                      const std::vector<std::uint8_t>& raw,
                                      const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& extra = {},
                                      std::uint8_t depth = 8, std::uint8_t interlace = 0) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> ihdr;
    putBe32(ihdr, w);
    putBe32(ihdr, h);
    ihdr.insert(ihdr.end(), {depth, colorType, 0, 0, interlace});
    putChunk(out, "IHDR", ihdr);
    for (const auto& [type, data] : extra) putChunk(out, type, data);
    std::vector<std::uint8_t> z(compressBound(uLong(raw.size())));
    uLongf zSize = uLongf(z.size());
    EXPECT_EQ(compress(z.data(), &zSize, raw.data(), uLong(raw.size())), Z_OK);
    z.resize(zSize);
    putChunk(out, "IDAT", z);
    putChunk(out, "IEND", {});
    return out;
}

TEST(PngRead, WhatIsWrittenReadsBackPixelForPixel) {
    for (const Canvas& c : {Canvas(1, 1, rgb(1, 2, 3)), dialogLikePicture(), Canvas(3, 700, colors::magenta)}) {
        Canvas back;
        std::u16string error;
        ASSERT_TRUE(readPng(encodePng(c), back, error)) << os::toUtf8(error);
        EXPECT_TRUE(sameImage(back, c));
    }
}

TEST(PngRead, UndoesEveryFilterAndReadsGreyAndAlpha) {
    // Two RGB pixels a row, three rows: each filter in turn on the same colours must give the same picture.
    const std::uint8_t px[3][6] = {{10, 20, 30, 40, 50, 60}, {15, 25, 35, 200, 100, 0}, {255, 0, 128, 1, 2, 3}};
    for (std::uint8_t filter = 0; filter <= 4; ++filter) {
        std::vector<std::uint8_t> raw;
        for (int y = 0; y < 3; ++y) {
            raw.push_back(filter);
            for (int i = 0; i < 6; ++i) {
                const int a = i >= 3 ? px[y][i - 3] : 0, b = y > 0 ? px[y - 1][i] : 0,
                          c = i >= 3 && y > 0 ? px[y - 1][i - 3] : 0;
                const int e = a + b - c, pa = std::abs(e - a), pb = std::abs(e - b), pc = std::abs(e - c);
                const int predicted[5] = {0, a, b, (a + b) / 2, pa <= pb && pa <= pc ? a : pb <= pc ? b : c};
                raw.push_back(std::uint8_t(px[y][i] - predicted[filter]));
            }
        }
        Canvas back;
        std::u16string error;
        ASSERT_TRUE(readPng(handMadePng(2, 3, 2, raw), back, error)) << int(filter) << ": " << os::toUtf8(error);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 2; ++x)
                EXPECT_EQ(back.pixel(x, y), rgb(px[y][3 * x], px[y][3 * x + 1], px[y][3 * x + 2]))
                    << "filter " << int(filter) << " at " << x << "," << y;
    }

    Canvas back;
    std::u16string error;
    ASSERT_TRUE(readPng(handMadePng(2, 1, 0, {0, 7, 250}), back, error)) << os::toUtf8(error);
    EXPECT_EQ(back.pixel(0, 0), rgb(7, 7, 7));
    EXPECT_EQ(back.pixel(1, 0), rgb(250, 250, 250));
    ASSERT_TRUE(readPng(handMadePng(1, 1, 4, {0, 9, 0}), back, error)) << os::toUtf8(error);
    EXPECT_EQ(back.pixel(0, 0), rgb(9, 9, 9));
    // Alpha is dropped; the colour stays as written. Ancillary chunks are skipped.
    ASSERT_TRUE(readPng(handMadePng(1, 1, 6, {0, 1, 2, 3, 0}, {{"tEXt", {'a', 0, 'b'}}}), back, error));
    EXPECT_EQ(back.pixel(0, 0), rgb(1, 2, 3));
}

TEST(PngRead, RefusesWhatItCannotReadAndSaysWhy) {
    const std::vector<std::uint8_t> oneRgbPixel = {0, 1, 2, 3};
    struct Case {
        const char* what;
        std::vector<std::uint8_t> file;
        const char16_t* message;
    };
    const Case cases[] = {
        {"a bitmap", {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}, u"not a PNG picture"},
        {"palette", handMadePng(1, 1, 3, {0, 0}, {{"PLTE", {0, 0, 0}}}), u"colour type 3"},
        {"16 bits", handMadePng(1, 1, 2, {0, 0, 0, 0, 0, 0, 0}, {}, 16), u"16 bits"},
        {"interlaced", handMadePng(1, 1, 2, oneRgbPixel, {}, 8, 1), u"Interlaced"},
        {"no pixels", handMadePng(0, 1, 2, {0}), u"size (0 x 1)"},
        {"too wide", handMadePng(Canvas::kMaxSide + 1, 1, 2, oneRgbPixel), u"size (16385 x 1)"},
        {"unknown critical chunk", handMadePng(1, 1, 2, oneRgbPixel, {{"ABCD", {}}}), u"does not know: ABCD"},
        {"bad filter", handMadePng(1, 1, 2, {5, 1, 2, 3}), u"unknown filter 5"},
        {"too little data", handMadePng(2, 1, 2, oneRgbPixel), u"ends early"},
        {"too much data", handMadePng(1, 1, 2, {0, 1, 2, 3, 4}), u"more image data"},
        // A header promising the largest picture over a few bytes of data: refused before any allocation.
        {"a promise the data cannot keep", handMadePng(16384, 16384, 6, oneRgbPixel), u"ends early"},
    };
    for (const Case& c : cases) {
        Canvas image(2, 2);
        std::u16string error;
        EXPECT_FALSE(readPng(c.file, image, error)) << c.what;
        EXPECT_TRUE(image.empty()) << c.what;
        EXPECT_NE(error.find(c.message), std::u16string::npos) << c.what << ": " << os::toUtf8(error);
    }
}

TEST(PngRead, EveryCutAndEveryFlippedByteIsCaught) {
    Canvas c(5, 4, colors::caption);
    c.setPixel(2, 2, colors::white);
    const auto png = encodePng(c);
    for (std::size_t n = 0; n < png.size(); ++n) {
        Canvas image;
        std::u16string error;
        EXPECT_FALSE(readPng(std::span<const std::uint8_t>(png).first(n), image, error)) << "cut at " << n;
        EXPECT_FALSE(error.empty());
        auto broken = png;
        broken[n] ^= 0x10;
        EXPECT_FALSE(readPng(broken, image, error)) << "flipped at " << n;
        EXPECT_TRUE(image.empty());
    }
}

TEST(PngRead, FilesReadBackAndAMissingFileIsNamed) {
    const char* t = std::getenv("TMPDIR");
    const auto dir = std::filesystem::path(t ? t : "/tmp") / ("ss-png-read-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const Canvas c = dialogLikePicture();
    std::u16string error;
    ASSERT_TRUE(writePngFile(dir / "shot.png", c, error));
    Canvas back;
    ASSERT_TRUE(readPngFile(dir / "shot.png", back, error)) << os::toUtf8(error);
    EXPECT_TRUE(sameImage(back, c));
    EXPECT_FALSE(readPngFile(dir / "none.png", back, error));
    EXPECT_NE(error.find(u"none.png"), std::u16string::npos) << os::toUtf8(error);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ui
