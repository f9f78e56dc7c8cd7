#pragma once
// Whole binary files for the painting layer: pictures read in one piece (with a size limit, so a huge file is
// refused rather than loaded) and written atomically (os::writeBytesNative: a temporary file in the same
// folder, flushed, renamed over the target), each failure with a message naming the file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace ui {

bool readFileBytes(const std::filesystem::path& path, std::size_t maxBytes, std::vector<std::uint8_t>& bytes,
                   std::u16string& error);
bool writeFileBytesAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                              std::u16string& error);

} // namespace ui
