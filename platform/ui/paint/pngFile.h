#pragma once
// PNG pictures of a canvas, so that anyone can look at what a window shows, and read back so that a test can
// check what a picture holds. Written as 8-bit RGB, each row with the PNG filter that suits it, compressed with
// zlib's deflate: a dialog is tens of kilobytes.
#include "ui/paint/Canvas.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace ui {

// The whole file; empty for an empty canvas, which PNG cannot hold (or when the compressor has no memory).
std::vector<std::uint8_t> encodePng(const Canvas& image);
// Written atomically: the old file stays as it was when the write fails.
bool writePngFile(const std::filesystem::path& path, const Canvas& image, std::u16string& error);

// Reads 8-bit greyscale and RGB pictures, with or without alpha (which a canvas has no room for and is
// dropped), not interlaced: what this library writes and what most programs save. Every chunk's CRC, the
// header, the zlib stream and its Adler-32 are checked, and the image data's size is checked against the
// header before anything is allocated. On failure `image` is left empty and `error` says what is wrong.
bool readPng(std::span<const std::uint8_t> bytes, Canvas& image, std::u16string& error);
bool readPngFile(const std::filesystem::path& path, Canvas& image, std::u16string& error);

// The checksums PNG uses: CRC-32 of each chunk (ISO 3309) and Adler-32 of the zlib stream.
std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler = 1);

} // namespace ui
