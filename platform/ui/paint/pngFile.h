#pragma once
// PNG pictures of a canvas (8-bit RGB), so that anyone can look at what a window shows. The image data is kept
// in uncompressed deflate blocks: no compression library is needed and every viewer reads it.
#include "ui/paint/Canvas.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace ui {

// The whole file; empty for an empty canvas, which PNG cannot hold.
std::vector<std::uint8_t> encodePng(const Canvas& image);
// Written atomically: the old file stays as it was when the write fails.
bool writePngFile(const std::filesystem::path& path, const Canvas& image, std::u16string& error);

// The checksums PNG uses: CRC-32 of each chunk (ISO 3309) and Adler-32 of the zlib stream.
std::uint32_t crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t adler32(std::span<const std::uint8_t> bytes, std::uint32_t adler = 1);

} // namespace ui
