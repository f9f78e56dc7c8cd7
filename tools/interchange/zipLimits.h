#pragma once
// What a workbook's zip container may hold before its parts are unpacked. The unpacking library sizes its
// buffers from the sizes the archive declares, so a small file declaring gigabytes (a zip bomb) is refused here,
// before a byte of it is inflated.
#include <cstdint>
#include <string>
#include <string_view>

namespace interchange {

struct ZipLimits {
    std::uint64_t maxEntryBytes = 32ull << 20;   // one sheet's XML: a sheet of a million filled cells fits
    std::uint64_t maxTotalBytes = 64ull << 20;
    std::uint32_t maxEntries = 10000;
};

// True when `archive` is a zip container within `limits`; otherwise false with `error` saying why (no zip at
// all, truncated, or past a limit, naming the part).
bool checkZipContainer(std::string_view archive, const ZipLimits& limits, std::string& error);

} // namespace interchange
