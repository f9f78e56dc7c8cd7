#pragma once
// What a workbook's zip container may hold before its parts are unpacked. The unpacking library sizes its
// buffers from the sizes the archive declares, so a small file declaring gigabytes (a zip bomb) is refused here,
// before a byte of it is inflated.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace interchange {

struct ZipLimits {
    std::uint64_t maxEntryBytes = 32ull << 20;   // one sheet's XML: a sheet of a million filled cells fits
    std::uint64_t maxTotalBytes = 64ull << 20;
    std::uint32_t maxEntries = 10000;
};

// One part of the container as its directory declares it, checked to lie inside the archive.
struct ZipPart {
    std::string name;
    std::uint32_t method = 0;      // 0 stored, 8 deflated
    std::uint64_t dataAt = 0;      // where its packed bytes begin
    std::uint64_t packed = 0;      // the larger of the two declared packed sizes
    std::uint64_t size = 0;        // the larger of the two declared unpacked sizes
};

// True when `archive` is a zip container within `limits`; otherwise false with `error` saying why (no zip at
// all, truncated, or past a limit, naming the part). `parts`, when given, receives every part.
bool checkZipContainer(std::string_view archive, const ZipLimits& limits, std::string& error,
                       std::vector<ZipPart>* parts = nullptr);

} // namespace interchange
