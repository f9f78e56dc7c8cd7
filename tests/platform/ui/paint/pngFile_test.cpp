#include "ui/paint/pngFile.h"

#include "os/files.h"
#include "pngReader.h"

#include <gtest/gtest.h>

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
    // 300 x 400 at 3 bytes a pixel is 360 KB of scanlines: several 64 KB blocks, and more than one IDAT.
    Canvas c(300, 400);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 300; ++x) c.setPixel(x, y, rgb(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)));
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

} // namespace
} // namespace ui
