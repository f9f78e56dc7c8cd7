// Inserting, deleting, moving and copying rows, columns and blocks, with references following the cells they
// point to, as a spreadsheet user expects: a reference below an inserted row moves down, a block grows when
// rows are inserted inside it, a reference to a deleted cell becomes #REF!.
#include <algorithm>

#include "grid/Sheet.h"

namespace grid {
namespace {

// One axis of an insertion: positions at or after `at` move by `count`.
int inserted(int pos, int at, int count) { return pos >= at ? pos + count : pos; }

// One axis of a deletion of [at, at + count): false when the position is deleted.
bool deleted(int& pos, int at, int count) {
    if (pos < at)
        return true;
    if (pos < at + count)
        return false;
    pos -= count;
    return true;
}

// A block's extent along one axis after a deletion; false when nothing of it is left.
bool shrink(int& first, int& last, int at, int count) {
    const int end = at + count - 1;
    if (first >= at && last <= end)
        return false;
    int f = first, l = last;
    if (f > end)
        f -= count;
    else if (f >= at)
        f = at;
    if (l > end)
        l -= count;
    else if (l >= at)
        l = at - 1;
    first = f, last = l;
    return first <= last;
}

template <class Map>
void shiftKeys(Map& map, int at, int count, bool remove) {
    Map out;
    for (auto& [k, v] : map) {
        int key = k;
        if (key == 0) {
            out[key] = v;
            continue;
        }
        if (remove) {
            if (deleted(key, at, count))
                out[key] = v;
        } else {
            out[inserted(key, at, count)] = v;
        }
    }
    map.swap(out);
}

} // namespace

bool Sheet::restructure(const CellMap& cells, const RefMap& refs) {
    if (calculating_)
        return false;
    std::vector<CellId> ids;
    store_.forEachLive([&](CellId id) { ids.push_back(id); });
    for (CellId id : ids) {
        Cell& c = store_.cell(id);
        int col = c.col, row = c.row;
        const bool keep = cells(col, row) && col <= kMaxCols && row <= kMaxRows;
        if (c.formula && keep) {
            Formula f = *c.formula;
            for (Op& op : f.ops) {
                if ((op.code != OpCode::Ref && op.code != OpCode::Range) || (op.flags & kRefDeleted))
                    continue;
                Block b = op.block(c.col, c.row);
                if (!refs(b))
                    op.flags |= kRefDeleted;
                else
                    op.setBlock(b, col, row);
            }
            c.formula = intern(std::move(f));
        }
        if (!keep) {
            store_.erase(id);
            continue;
        }
        c.col = col, c.row = row;
    }
    store_.reindex();
    rebuildDependencies();
    store_.forEachLive([&](CellId id) {
        if (store_.cell(id).formula)
            markDirty(id);
    });
    if (switchOn(kSwitchAutoCalc))
        recalcDirty();
    return true;
}

bool Sheet::insertRows(int at, int count) {
    if (at < 1 || count < 1 || count > kMaxRows || calculating_)
        return false;
    auto cells = [&](int&, int& row) {
        row = inserted(row, at, count);
        return true;
    };
    auto refs = [&](Block& b) {
        b.row1 = inserted(b.row1, at, count);
        b.row2 = inserted(b.row2, at, count);
        return b.row2 <= kMaxRows;
    };
    if (!restructure(cells, refs))
        return false;
    for (Span& s : spans_)
        s.row = inserted(s.row, at, count);
    shiftKeys(rowHeights_, at, count, false);
    return true;
}

bool Sheet::deleteRows(int at, int count) {
    if (at < 1 || count < 1 || count > kMaxRows || calculating_)
        return false;
    auto cells = [&](int&, int& row) { return row == 0 || deleted(row, at, count); };
    auto refs = [&](Block& b) { return shrink(b.row1, b.row2, at, count); };
    if (!restructure(cells, refs))
        return false;
    std::vector<Span> kept;
    for (Span s : spans_)
        if (s.row == 0 || deleted(s.row, at, count))
            kept.push_back(s);
    spans_.swap(kept);
    shiftKeys(rowHeights_, at, count, true);
    return true;
}

bool Sheet::insertCols(int at, int count) {
    if (at < 1 || count < 1 || count > kMaxCols || calculating_)
        return false;
    auto cells = [&](int& col, int&) {
        col = inserted(col, at, count);
        return true;
    };
    auto refs = [&](Block& b) {
        b.col1 = inserted(b.col1, at, count);
        b.col2 = inserted(b.col2, at, count);
        return b.col2 <= kMaxCols;
    };
    if (!restructure(cells, refs))
        return false;
    for (Span& s : spans_)
        s.col = inserted(s.col, at, count);
    shiftKeys(colWidths_, at, count, false);
    return true;
}

bool Sheet::deleteCols(int at, int count) {
    if (at < 1 || count < 1 || count > kMaxCols || calculating_)
        return false;
    auto cells = [&](int& col, int&) { return col == 0 || deleted(col, at, count); };
    auto refs = [&](Block& b) { return shrink(b.col1, b.col2, at, count); };
    if (!restructure(cells, refs))
        return false;
    std::vector<Span> kept;
    for (Span s : spans_)
        if (s.col == 0 || deleted(s.col, at, count))
            kept.push_back(s);
    spans_.swap(kept);
    shiftKeys(colWidths_, at, count, true);
    return true;
}

bool Sheet::moveBlock(const Block& block, int targetCol, int targetRow) {
    Block src = clampBlock(block);
    targetCol = internal(targetCol), targetRow = internal(targetRow);
    if (src.col1 > src.col2 || src.row1 > src.row2 || targetCol < 0 || targetRow < 0 || calculating_)
        return false;
    const int dc = targetCol - src.col1, dr = targetRow - src.row1;
    const Block dst{src.col1 + dc, src.row1 + dr, src.col2 + dc, src.row2 + dr};
    if (dst.col2 > kMaxCols || dst.row2 > kMaxRows)
        return false;
    if (dc == 0 && dr == 0)
        return true;
    // Cells of the target that the block does not cover are overwritten: their readers lose them.
    std::vector<CellId> overwritten;
    store_.forEachInBlock(dst, [&](CellId id) {
        const Cell& c = store_.cell(id);
        if (!src.contains(c.col, c.row))
            overwritten.push_back(id);
        return true;
    });
    for (CellId id : overwritten)
        store_.erase(id);
    auto cells = [&](int& col, int& row) {
        if (src.contains(col, row))
            col += dc, row += dr;
        return true;
    };
    auto refs = [&](Block& b) {
        if (src.contains(b.col1, b.row1) && src.contains(b.col2, b.row2)) {
            b.col1 += dc, b.col2 += dc, b.row1 += dr, b.row2 += dr;
            return true;
        }
        const bool single = b.col1 == b.col2 && b.row1 == b.row2;
        return !(single && dst.contains(b.col1, b.row1));
    };
    return restructure(cells, refs);
}

bool Sheet::copyBlock(const Block& block, int targetCol, int targetRow) {
    Block src = clampBlock(block);
    targetCol = internal(targetCol), targetRow = internal(targetRow);
    if (src.col1 > src.col2 || src.row1 > src.row2 || targetCol < 0 || targetRow < 0 || calculating_)
        return false;
    const int dc = targetCol - src.col1, dr = targetRow - src.row1;
    const Block dst{src.col1 + dc, src.row1 + dr, src.col2 + dc, src.row2 + dr};
    if (dst.col2 > kMaxCols || dst.row2 > kMaxRows)
        return false;
    struct Copy {
        int col, row;
        Value value;
        std::shared_ptr<const Formula> formula;
        std::shared_ptr<const CellType> type;
        std::unique_ptr<CellAttrs> attrs;
    };
    std::vector<Copy> copies;
    store_.forEachInBlock(src, [&](CellId id) {
        const Cell& c = store_.cell(id);
        copies.push_back({c.col + dc, c.row + dr, c.value, c.formula, c.type,
                          c.attrs ? std::make_unique<CellAttrs>(*c.attrs) : nullptr});
        return true;
    });
    // The target is emptied first: a blank of the source is a blank of the copy.
    std::vector<CellId> old;
    store_.forEachInBlock(dst, [&](CellId id) {
        old.push_back(id);
        return true;
    });
    for (CellId id : old) {
        if (store_.cell(id).formula)
            dropFormula(id);
        store_.cell(id).value = Value();
        store_.cell(id).type.reset();
        store_.cell(id).attrs.reset();
    }
    std::vector<CellId> copiedFormulas;
    for (Copy& copy : copies) {
        CellId id = store_.findOrCreate(copy.col, copy.row);
        Cell& c = store_.cell(id);
        c.type = std::move(copy.type);
        c.attrs = std::move(copy.attrs);
        if (copy.formula && copy.col > 0 && copy.row > 0) {
            // Relative references move with the copy; one that leaves the sheet is lost.
            std::shared_ptr<const Formula> f = copy.formula;
            bool lost = false;
            for (const Op& op : f->ops) {
                if ((op.code == OpCode::Ref || op.code == OpCode::Range) && !(op.flags & kRefDeleted)) {
                    Block b = op.block(copy.col, copy.row);
                    lost = lost || b.col1 < 1 || b.row1 < 1 || b.col2 > kMaxCols || b.row2 > kMaxRows;
                }
            }
            if (lost) {
                Formula fixed = *f;
                for (Op& op : fixed.ops) {
                    if ((op.code == OpCode::Ref || op.code == OpCode::Range)) {
                        Block b = op.block(copy.col, copy.row);
                        if (b.col1 < 1 || b.row1 < 1 || b.col2 > kMaxCols || b.row2 > kMaxRows)
                            op.flags |= kRefDeleted;
                    }
                }
                f = intern(std::move(fixed));
            }
            c.formula = f;
            registerFormula(id);
            markDirty(id);
            copiedFormulas.push_back(id);
        } else {
            c.value = copy.value;
        }
    }
    // Readers of the target see new contents. A target too large to visit cell by cell makes every formula
    // out of date instead.
    const long long area = (long long)(dst.col2 - dst.col1 + 1) * (dst.row2 - dst.row1 + 1);
    if (area <= 100000) {
        for (int col = std::max(dst.col1, 1); col <= dst.col2; ++col)
            for (int row = std::max(dst.row1, 1); row <= dst.row2; ++row)
                markReadersDirty(col, row);
    } else {
        store_.forEachLive([&](CellId id) {
            if (store_.cell(id).formula)
                markDirty(id);
        });
    }
    if (switchOn(kSwitchAutoCalc))
        recalcDirty();
    else
        calculate(copiedFormulas, true);   // like setting a formula: the copies are computed
    return true;
}

} // namespace grid
