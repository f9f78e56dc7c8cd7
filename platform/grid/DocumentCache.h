#pragma once
// Parsed documents kept by content: a file loaded again with exactly the same bytes is not parsed again. The
// bytes are always read and compared whole, so a changed file is always parsed afresh, whatever its size or
// time stamps say. A standards sheet is loaded at every evaluation, which is why this exists.
#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace grid {

class GridDocument;

class DocumentCache {
public:
    static constexpr std::size_t kMaxDocuments = 16;
    static constexpr std::size_t kMaxBytes = 64u << 20;   // of file text kept, all documents together
    // A larger file is not kept: standards sheets are tens of kilobytes, and a big document loaded once (ss calc
    // of a sheet of a hundred thousand rows) would hold its text and records in memory for nothing.
    static constexpr std::size_t kMaxDocumentBytes = 2u << 20;

    static DocumentCache& instance();

    // The document parsed from exactly these bytes of this file, or null. The very same text object (a file
    // read again unchanged) needs no comparison.
    std::shared_ptr<const GridDocument> find(std::u16string_view path, const std::shared_ptr<const std::string>& bytes);
    void store(std::u16string_view path, std::shared_ptr<const std::string> bytes,
               std::shared_ptr<const GridDocument> document);
    void clear();
    std::size_t size();

private:
    struct Entry {
        std::u16string path;
        std::shared_ptr<const std::string> bytes;
        std::shared_ptr<const GridDocument> document;
    };
    std::mutex mutex_;
    std::list<Entry> entries_;   // most recently used first
    std::size_t bytes_ = 0;
};

} // namespace grid
