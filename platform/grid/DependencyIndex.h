#pragma once
// Which formula cells read which positions. A reference is filed under the 8-row stretches of the columns it
// covers, so "who reads (col, row)?" looks at one short list; blocks too large for that are kept on a list of
// their own. Positions need not hold a cell yet: a formula may read a cell that is filled later.
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "grid/Cell.h"

namespace grid {

class DependencyIndex {
public:
    void add(const Block& block, CellId reader);
    void remove(const Block& block, CellId reader);
    // Visits every reader of a block of positions (a reader may come more than once).
    void forEachReader(const Block& block, const std::function<void(CellId)>& visit) const;
    void clear();

private:
    struct Entry {
        std::int32_t col1, row1, col2, row2;
        CellId reader;
    };
    static constexpr int kRowBits = 3;
    static constexpr long long kMaxBuckets = 64;
    static std::uint64_t key(int col, int rowBucket) {
        return (std::uint64_t(std::uint32_t(col)) << 32) | std::uint32_t(rowBucket);
    }
    std::unordered_map<std::uint64_t, std::vector<Entry>> buckets_;
    std::vector<Entry> wide_;
};

} // namespace grid
