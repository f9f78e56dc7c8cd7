#pragma once
// Sparse storage of the cells of one sheet. Cells never move in memory (a calculation may hold one while a
// custom function adds others), and each column finds its cells through a table of 256-row pages, so a
// lookup is two array reads and empty stretches of a column cost nothing.
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "grid/Cell.h"

namespace grid {

class CellStore {
public:
    CellStore() = default;
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;
    ~CellStore();

    CellId find(int col, int row) const {
        if (col < 0 || std::size_t(col) >= columns_.size())
            return 0;
        const Column& column = columns_[std::size_t(col)];
        const std::size_t page = std::size_t(row) >> kPageBits;
        if (row < 0 || page >= column.size() || !column[page])
            return 0;
        return column[page][std::size_t(row) & kPageMask];
    }
    CellId findOrCreate(int col, int row);
    Cell& cell(CellId id) { return chunks_[(id - 1) >> kChunkBits][(id - 1) & kChunkMask]; }
    const Cell& cell(CellId id) const { return chunks_[(id - 1) >> kChunkBits][(id - 1) & kChunkMask]; }

    // Removes a cell from its position and recycles it.
    void erase(CellId id);
    void clear();
    // Visits the cells stored inside the block, column by column, while `visit` (bool(CellId)) returns true.
    // A template: the recalculation walks every range a formula reads through it.
    template <class Visit>
    void forEachInBlock(const Block& block, Visit&& visit) const;
    void forEachLive(const std::function<void(CellId)>& visit) const;
    // Rebuilds the position tables after the cells' positions were changed in place.
    void reindex();
    std::size_t liveCount() const { return live_; }

private:
    static constexpr std::size_t kPageBits = 8, kPageMask = (1u << kPageBits) - 1;
    static constexpr std::size_t kChunkBits = 10, kChunkMask = (1u << kChunkBits) - 1;
    static constexpr std::size_t kChunkCells = kChunkMask + 1;
    static constexpr std::size_t kKeptChunks = 64;    // cells whose memory clear() keeps: 65536
    // Past the kept chunks, a sheet is big: its chunks come 64 at a time (6 MB of 96-byte cells, three huge
    // pages) from one bulk block.
    static constexpr std::size_t kSlabChunks = 64;
    static constexpr std::size_t kKeptPages = 1024;   // position pages it keeps (1 KB each)
    using Page = std::unique_ptr<CellId[]>;
    using Column = std::vector<Page>;

    // The memory of some chunks, in chunk order; the first kKeptChunks chunks each have their own.
    struct Slab {
        Cell* cells;
        std::size_t chunks, made;   // of room, and constructed
    };

    void place(CellId id, int col, int row);
    void addChunk();
    void dropChunksFrom(std::size_t chunk);

    std::vector<Cell*> chunks_;
    std::vector<Slab> slabs_;
    std::uint32_t allocated_ = 0;
    std::vector<CellId> free_;
    std::vector<Column> columns_;
    std::size_t live_ = 0;
};

template <class Visit>
void CellStore::forEachInBlock(const Block& block, Visit&& visit) const {
    const int lastCol = std::min(block.col2, int(columns_.size()) - 1);
    for (int col = std::max(block.col1, 0); col <= lastCol; ++col) {
        const Column& column = columns_[std::size_t(col)];
        if (block.row2 < 0)
            continue;
        const std::size_t firstPage = std::size_t(std::max(block.row1, 0)) >> kPageBits;
        const std::size_t lastPage = std::min(std::size_t(block.row2) >> kPageBits, column.size() - 1);
        if (column.empty())
            continue;
        for (std::size_t page = firstPage; page <= lastPage; ++page) {
            if (!column[page])
                continue;
            const int base = int(page << kPageBits);
            const int from = std::max(block.row1, base), to = std::min(block.row2, base + int(kPageMask));
            for (int row = from; row <= to; ++row) {
                CellId id = column[page][std::size_t(row - base)];
                if (id && !visit(id))
                    return;
            }
        }
    }
}

} // namespace grid
