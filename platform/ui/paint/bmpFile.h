#pragma once
// Windows bitmap files (.bmp): reading the uncompressed kinds pictures are saved as, and writing 24-bit files.
// Reading trusts nothing in the file: sizes, offsets and counts are checked against the bytes actually present
// before anything is allocated, and a file that does not hold up is refused with a message saying why.
#include "ui/paint/Canvas.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace ui {

// Reads 1, 4 and 8 bits per pixel (with a palette), 16, 24 and 32 bits, bottom-up or top-down, uncompressed
// (BI_RGB) or with colour masks (BI_BITFIELDS, 16 and 32 bits). On failure `image` is left empty and `error`
// says what is wrong with the file.
bool readBmp(std::span<const std::uint8_t> bytes, Canvas& image, std::u16string& error);
bool readBmpFile(const std::filesystem::path& path, Canvas& image, std::u16string& error);

// A 24-bit bottom-up bitmap of the whole canvas.
std::vector<std::uint8_t> encodeBmp(const Canvas& image);
// A one-picture icon file (.ico) of the canvas: its 24-bit bitmap with an AND mask that makes every pixel of
// the colour `transparent` transparent. Canvases wider or higher than 256 pixels give no bytes.
std::vector<std::uint8_t> encodeIco(const Canvas& image, Color transparent);
// Written atomically: the old file stays as it was when the write fails.
bool writeBmpFile(const std::filesystem::path& path, const Canvas& image, std::u16string& error);

} // namespace ui
