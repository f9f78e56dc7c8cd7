#include "grid/DependencyIndex.h"

#include <algorithm>

namespace grid {
namespace {

bool overlaps(const Block& b, std::int32_t c1, std::int32_t r1, std::int32_t c2, std::int32_t r2) {
    return b.col1 <= c2 && c1 <= b.col2 && b.row1 <= r2 && r1 <= b.row2;
}

long long stretchCount(const Block& b, int rowBits) {
    return (long long)(b.col2 - b.col1 + 1) * ((b.row2 >> rowBits) - (b.row1 >> rowBits) + 1);
}

} // namespace

const DependencyIndex::Stretch* DependencyIndex::find(int col, int stretch) const {
    if (col < 0 || stretch < 0 || std::size_t(col) >= columns_.size())
        return nullptr;
    const auto& pages = columns_[std::size_t(col)];
    const std::size_t page = std::size_t(stretch) >> kPageBits;
    if (page >= pages.size() || !pages[page])
        return nullptr;
    return &(*pages[page])[std::size_t(stretch) & kPageMask];
}

DependencyIndex::Stretch& DependencyIndex::make(int col, int stretch) {
    if (std::size_t(col) >= columns_.size())
        columns_.resize(std::size_t(col) + 1);
    auto& pages = columns_[std::size_t(col)];
    const std::size_t page = std::size_t(stretch) >> kPageBits;
    if (page >= pages.size())
        pages.resize(page + 1);
    if (!pages[page]) {
        pages[page] = std::make_unique<Page>();
        ++pages_;
    }
    return (*pages[page])[std::size_t(stretch) & kPageMask];
}

void DependencyIndex::add(const Block& b, CellId reader) {
    const Entry e{b.col1, b.row1, b.col2, b.row2, reader};
    ++blocks_;
    if (b.col1 < 0 || b.row1 < 0 || stretchCount(b, kRowBits) > kMaxStretches) {
        wide_.push_back(e);
        return;
    }
    for (int c = b.col1; c <= b.col2; ++c)
        for (int s = b.row1 >> kRowBits; s <= (b.row2 >> kRowBits); ++s) {
            Stretch& entries = make(c, s);
            // Room for a few at once: a filled-down column files several readers under each stretch it reads.
            if (entries.capacity() == 0)
                entries.reserve(4);
            entries.push_back(e);
        }
}

void DependencyIndex::remove(const Block& b, CellId reader) {
    auto same = [&](const Entry& e) {
        return e.reader == reader && e.col1 == b.col1 && e.row1 == b.row1 && e.col2 == b.col2 && e.row2 == b.row2;
    };
    bool dropped = false;
    auto drop = [&](Stretch& entries) {
        auto it = std::find_if(entries.begin(), entries.end(), same);
        if (it != entries.end()) {
            *it = entries.back();
            entries.pop_back();
            dropped = true;
        }
    };
    if (b.col1 < 0 || b.row1 < 0 || stretchCount(b, kRowBits) > kMaxStretches) {
        drop(wide_);
    } else {
        for (int c = b.col1; c <= b.col2; ++c)
            for (int s = b.row1 >> kRowBits; s <= (b.row2 >> kRowBits); ++s)
                if (Stretch* entries = find(c, s))
                    drop(*entries);
    }
    if (dropped && blocks_ > 0)
        --blocks_;
}

void DependencyIndex::forEachReader(const Block& b, const std::function<void(CellId)>& visit) const {
    const auto visitOverlapping = [&](const Stretch& entries) {
        for (const Entry& e : entries)
            if (overlaps(b, e.col1, e.row1, e.col2, e.row2))
                visit(e.reader);
    };
    if (stretchCount(b, kRowBits) <= kMaxStretches * 4) {
        for (int c = std::max(b.col1, 0); c <= b.col2; ++c)
            for (int s = std::max(b.row1, 0) >> kRowBits; s <= (b.row2 >> kRowBits); ++s)
                if (const Stretch* entries = find(c, s))
                    visitOverlapping(*entries);
    } else {
        // A large block: every list once, rather than every stretch it covers.
        for (const auto& pages : columns_)
            for (const auto& page : pages)
                if (page)
                    for (const Stretch& entries : *page)
                        visitOverlapping(entries);
    }
    visitOverlapping(wide_);
}

void DependencyIndex::clear() {
    blocks_ = 0;
    wide_.clear();
    if (pages_ > kKeptPages) {
        columns_.clear();
        pages_ = 0;
        return;
    }
    for (auto& pages : columns_)
        for (auto& page : pages)
            if (page)
                for (Stretch& entries : *page)
                    entries.clear();
}

} // namespace grid
