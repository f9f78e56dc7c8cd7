#include "zipLimits.h"

#include <algorithm>

namespace interchange {
namespace {

constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint32_t kDirectoryEntry = 0x02014b50;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kMaxCommentSize = 0xFFFF;
constexpr std::size_t kDirectoryEntrySize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::uint32_t kZip64Marker = 0xFFFFFFFF;

std::uint32_t read16(std::string_view b, std::size_t at) {
    return std::uint32_t(static_cast<unsigned char>(b[at])) | std::uint32_t(static_cast<unsigned char>(b[at + 1])) << 8;
}
std::uint32_t read32(std::string_view b, std::size_t at) { return read16(b, at) | read16(b, at + 2) << 16; }

std::string sizeText(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MB"; }

} // namespace

bool checkZipContainer(std::string_view archive, const ZipLimits& limits, std::string& error,
                       std::vector<ZipPart>* parts) {
    if (archive.size() < kEndRecordSize) {
        error = "not a workbook (no zip container)";
        return false;
    }
    // The end record is the last thing in the file, followed by its comment only.
    std::size_t end = std::string_view::npos;
    const std::size_t lowest = archive.size() > kEndRecordSize + kMaxCommentSize ? archive.size() - kEndRecordSize - kMaxCommentSize : 0;
    for (std::size_t at = archive.size() - kEndRecordSize + 1; at-- > lowest;) {
        if (read32(archive, at) == kEndOfDirectory) {
            end = at;
            break;
        }
    }
    if (end == std::string_view::npos) {
        error = "not a workbook (no zip container)";
        return false;
    }
    const std::uint32_t entries = read16(archive, end + 10);
    const std::uint32_t directorySize = read32(archive, end + 12);
    const std::uint32_t directoryAt = read32(archive, end + 16);
    if (entries > limits.maxEntries) {
        error = "the workbook holds " + std::to_string(entries) + " parts, more than " + std::to_string(limits.maxEntries);
        return false;
    }
    if (directoryAt == kZip64Marker || std::uint64_t(directoryAt) + directorySize > end) {
        error = "the workbook's zip directory is damaged";
        return false;
    }
    std::uint64_t total = 0;
    std::size_t at = directoryAt;
    for (std::uint32_t i = 0; i < entries; ++i) {
        if (at + kDirectoryEntrySize > end || read32(archive, at) != kDirectoryEntry) {
            error = "the workbook's zip directory is damaged";
            return false;
        }
        const std::uint32_t compressed = read32(archive, at + 20);
        std::uint64_t size = read32(archive, at + 24);
        const std::size_t nameLength = read16(archive, at + 28);
        const std::size_t extraLength = read16(archive, at + 30);
        const std::size_t commentLength = read16(archive, at + 32);
        const std::uint32_t localAt = read32(archive, at + 42);
        if (at + kDirectoryEntrySize + nameLength > end) {
            error = "the workbook's zip directory is damaged";
            return false;
        }
        const std::string name(archive.substr(at + kDirectoryEntrySize, nameLength));
        // The part's own header may declare other sizes than the directory; the larger counts.
        if (compressed == kZip64Marker || size == kZip64Marker || localAt == kZip64Marker ||
            std::uint64_t(localAt) + kLocalHeaderSize > archive.size() || read32(archive, localAt) != kLocalHeader) {
            error = "the workbook's part " + name + " is damaged or too large";
            return false;
        }
        const std::uint32_t localSize = read32(archive, localAt + 22);
        if (localSize == kZip64Marker) {
            error = "the workbook's part " + name + " is too large";
            return false;
        }
        // The packed bytes must lie inside the file: the unpacking library allocates what either header declares
        // for them before reading, so a few flipped bits would otherwise ask for gigabytes.
        const std::uint64_t packed = std::max<std::uint64_t>(compressed, read32(archive, localAt + 18));
        const std::uint64_t dataAt =
            std::uint64_t(localAt) + kLocalHeaderSize + read16(archive, localAt + 26) + read16(archive, localAt + 28);
        if (dataAt + packed > archive.size()) {
            error = "the workbook's part " + name + " is damaged (it reaches past the end of the file)";
            return false;
        }
        size = std::max<std::uint64_t>(size, localSize);
        if (size > limits.maxEntryBytes) {
            error = "the workbook's part " + name + " unpacks to " + sizeText(size) + ", more than the " +
                    sizeText(limits.maxEntryBytes) + " a part may hold";
            return false;
        }
        if (parts)
            parts->push_back({name, read16(archive, at + 10), dataAt, packed, size});
        total += size;
        if (total > limits.maxTotalBytes) {
            error = "the workbook unpacks to more than " + sizeText(limits.maxTotalBytes);
            return false;
        }
        at += kDirectoryEntrySize + nameLength + extraLength + commentLength;
    }
    return true;
}

} // namespace interchange
