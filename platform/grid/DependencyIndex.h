#pragma once
// Which formula cells read which positions. A reference is filed under the 8-row stretches of the columns it
// covers, so "who reads (col, row)?" looks at one short list; blocks too large for that are kept on a list of
// their own. Positions need not hold a cell yet: a formula may read a cell that is filled later.
//
// The stretches of a column are found through pages of 256 stretches, as cells are in the cell store: two
// array reads instead of a hash look-up, and clearing keeps the lists' memory for the next contents (a
// standards sheet is loaded and its statements registered again at every evaluation).
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
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
    // No formula reads anything (a sheet of values, or one being loaded before its formulas).
    bool empty() const { return blocks_ == 0; }

private:
    struct Entry {
        std::int32_t col1, row1, col2, row2;
        CellId reader;
    };
    using Stretch = std::vector<Entry>;
    static constexpr int kRowBits = 3;
    static constexpr long long kMaxStretches = 64;
    static constexpr std::size_t kPageBits = 8, kPageMask = (1u << kPageBits) - 1;
    static constexpr std::size_t kKeptPages = 256;   // pages clear() keeps (6 KB each)
    using Page = std::array<Stretch, kPageMask + 1>;

    // The list of column `col`, stretch `stretch`; null when none was ever made.
    const Stretch* find(int col, int stretch) const;
    Stretch* find(int col, int stretch) { return const_cast<Stretch*>(std::as_const(*this).find(col, stretch)); }
    Stretch& make(int col, int stretch);

    std::vector<std::vector<std::unique_ptr<Page>>> columns_;
    std::size_t pages_ = 0;
    std::vector<Entry> wide_;
    std::size_t blocks_ = 0;   // added and not removed
};

} // namespace grid
