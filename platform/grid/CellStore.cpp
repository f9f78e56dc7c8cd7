#include "grid/CellStore.h"

#include <algorithm>
#include <memory>

#include "os/bulkMemory.h"

namespace grid {

void CellStore::place(CellId id, int col, int row) {
    if (std::size_t(col) >= columns_.size())
        columns_.resize(std::size_t(col) + 1);
    Column& column = columns_[std::size_t(col)];
    const std::size_t page = std::size_t(row) >> kPageBits;
    if (page >= column.size())
        column.resize(page + 1);
    if (!column[page])
        column[page] = std::make_unique<CellId[]>(kPageMask + 1);   // zero-filled
    column[page][std::size_t(row) & kPageMask] = id;
}

CellStore::~CellStore() { dropChunksFrom(0); }

void CellStore::addChunk() {
    chunks_.push_back(nullptr);   // first, so that a failure below leaves every count as it was
    if (slabs_.empty() || slabs_.back().made == slabs_.back().chunks) {
        const std::size_t chunks = chunks_.size() <= kKeptChunks ? 1 : kSlabChunks;
        try {
            slabs_.reserve(slabs_.size() + 1);
            slabs_.push_back({static_cast<Cell*>(os::allocateBulk(chunks * kChunkCells * sizeof(Cell))), chunks, 0});
        } catch (...) {
            chunks_.pop_back();
            throw;
        }
    }
    Slab& slab = slabs_.back();
    Cell* chunk = slab.cells + slab.made * kChunkCells;
    std::uninitialized_value_construct_n(chunk, kChunkCells);   // cannot fail: a cell's parts start empty
    ++slab.made;
    chunks_.back() = chunk;
}

void CellStore::dropChunksFrom(std::size_t chunk) {
    std::size_t first = chunks_.size();   // of the slab at the back
    while (!slabs_.empty() && chunks_.size() > chunk) {
        Slab& slab = slabs_.back();
        first -= slab.made;
        std::destroy_n(slab.cells, slab.made * kChunkCells);
        os::releaseBulk(slab.cells, slab.chunks * kChunkCells * sizeof(Cell));
        slabs_.pop_back();
        chunks_.resize(first);
    }
}

CellId CellStore::findOrCreate(int col, int row) {
    if (CellId id = find(col, row))
        return id;
    CellId id;
    if (!free_.empty()) {
        id = free_.back();
        free_.pop_back();
    } else {
        if ((allocated_ >> kChunkBits) >= chunks_.size())
            addChunk();
        id = ++allocated_;
    }
    Cell& c = cell(id);
    c.col = col;
    c.row = row;
    c.flags = Cell::kLive;
    place(id, col, row);
    ++live_;
    return id;
}

void CellStore::erase(CellId id) {
    Cell& c = cell(id);
    if (!c.live())
        return;
    if (find(c.col, c.row) == id)
        place(0, c.col, c.row);
    c.value = Value();
    c.formula.reset();
    c.type.reset();
    c.attrs.reset();
    c.flags = 0;
    free_.push_back(id);
    --live_;
}

void CellStore::clear() {
    // The memory stays for the next contents, up to a bound: a standards window loads its sheet again at
    // every evaluation, and giving a large sheet's cells back only to ask for them again cost page faults.
    for (CellId id = 1; id <= allocated_; ++id)
        cell(id) = Cell{};
    dropChunksFrom(kKeptChunks);
    allocated_ = 0;
    free_.clear();
    std::size_t pages = 0;
    for (const Column& column : columns_)
        pages += std::size_t(std::count_if(column.begin(), column.end(), [](const Page& p) { return p != nullptr; }));
    if (pages > kKeptPages) {
        columns_.clear();
    } else {
        for (Column& column : columns_)
            for (Page& page : column)
                if (page)
                    std::fill_n(page.get(), kPageMask + 1, CellId(0));
    }
    live_ = 0;
}

void CellStore::forEachLive(const std::function<void(CellId)>& visit) const {
    for (CellId id = 1; id <= allocated_; ++id)
        if (cell(id).live())
            visit(id);
}

void CellStore::reindex() {
    columns_.clear();
    for (CellId id = 1; id <= allocated_; ++id) {
        const Cell& c = cell(id);
        if (c.live())
            place(id, c.col, c.row);
    }
}

} // namespace grid
