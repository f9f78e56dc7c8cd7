#include "grid/DocumentCache.h"

#include "grid/GridDocument.h"

namespace grid {

DocumentCache& DocumentCache::instance() {
    static DocumentCache cache;
    return cache;
}

std::shared_ptr<const GridDocument> DocumentCache::find(std::u16string_view path,
                                                        const std::shared_ptr<const std::string>& bytes) {
    if (!bytes)
        return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path != path)
            continue;
        if (it->bytes != bytes && *it->bytes != *bytes)
            return nullptr;
        entries_.splice(entries_.begin(), entries_, it);
        return entries_.front().document;
    }
    return nullptr;
}

void DocumentCache::store(std::u16string_view path, std::shared_ptr<const std::string> bytes,
                          std::shared_ptr<const GridDocument> document) {
    if (!bytes || bytes->size() > kMaxDocumentBytes)
        return;
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->path == path) {
            bytes_ -= it->bytes->size();
            entries_.erase(it);
            break;
        }
    }
    bytes_ += bytes->size();
    entries_.push_front({std::u16string(path), std::move(bytes), std::move(document)});
    while (!entries_.empty() && (entries_.size() > kMaxDocuments || bytes_ > kMaxBytes)) {
        bytes_ -= entries_.back().bytes->size();
        entries_.pop_back();
    }
}

void DocumentCache::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    entries_.clear();
    bytes_ = 0;
}

std::size_t DocumentCache::size() {
    std::lock_guard<std::mutex> lock(mutex_);
    return entries_.size();
}

} // namespace grid
