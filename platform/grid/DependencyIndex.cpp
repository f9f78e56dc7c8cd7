#include "grid/DependencyIndex.h"

#include <algorithm>

namespace grid {
namespace {

bool overlaps(const Block& b, std::int32_t c1, std::int32_t r1, std::int32_t c2, std::int32_t r2) {
    return b.col1 <= c2 && c1 <= b.col2 && b.row1 <= r2 && r1 <= b.row2;
}

} // namespace

void DependencyIndex::add(const Block& b, CellId reader) {
    Entry e{b.col1, b.row1, b.col2, b.row2, reader};
    const long long buckets = (long long)(b.col2 - b.col1 + 1) * ((b.row2 >> kRowBits) - (b.row1 >> kRowBits) + 1);
    if (buckets > kMaxBuckets) {
        wide_.push_back(e);
        return;
    }
    for (int c = b.col1; c <= b.col2; ++c)
        for (int rb = b.row1 >> kRowBits; rb <= (b.row2 >> kRowBits); ++rb)
            buckets_[key(c, rb)].push_back(e);
}

void DependencyIndex::remove(const Block& b, CellId reader) {
    auto same = [&](const Entry& e) {
        return e.reader == reader && e.col1 == b.col1 && e.row1 == b.row1 && e.col2 == b.col2 && e.row2 == b.row2;
    };
    const long long buckets = (long long)(b.col2 - b.col1 + 1) * ((b.row2 >> kRowBits) - (b.row1 >> kRowBits) + 1);
    if (buckets > kMaxBuckets) {
        auto it = std::find_if(wide_.begin(), wide_.end(), same);
        if (it != wide_.end()) {
            *it = wide_.back();
            wide_.pop_back();
        }
        return;
    }
    for (int c = b.col1; c <= b.col2; ++c) {
        for (int rb = b.row1 >> kRowBits; rb <= (b.row2 >> kRowBits); ++rb) {
            auto bucket = buckets_.find(key(c, rb));
            if (bucket == buckets_.end())
                continue;
            std::vector<Entry>& entries = bucket->second;
            auto it = std::find_if(entries.begin(), entries.end(), same);
            if (it != entries.end()) {
                *it = entries.back();
                entries.pop_back();
            }
            if (entries.empty())
                buckets_.erase(bucket);
        }
    }
}

void DependencyIndex::forEachReader(const Block& b, const std::function<void(CellId)>& visit) const {
    const long long buckets = (long long)(b.col2 - b.col1 + 1) * ((b.row2 >> kRowBits) - (b.row1 >> kRowBits) + 1);
    if (buckets <= kMaxBuckets * 4) {
        for (int c = b.col1; c <= b.col2; ++c) {
            for (int rb = b.row1 >> kRowBits; rb <= (b.row2 >> kRowBits); ++rb) {
                auto bucket = buckets_.find(key(c, rb));
                if (bucket == buckets_.end())
                    continue;
                for (const Entry& e : bucket->second)
                    if (overlaps(b, e.col1, e.row1, e.col2, e.row2))
                        visit(e.reader);
            }
        }
    } else {
        for (const auto& [k, entries] : buckets_)
            for (const Entry& e : entries)
                if (overlaps(b, e.col1, e.row1, e.col2, e.row2))
                    visit(e.reader);
    }
    for (const Entry& e : wide_)
        if (overlaps(b, e.col1, e.row1, e.col2, e.row2))
            visit(e.reader);
}

void DependencyIndex::clear() {
    buckets_.clear();
    wide_.clear();
}

} // namespace grid
