#pragma once
// What the editor's variable grids share: adding a row below the active one and deleting the active one as
// the user asks, and the values a grid was filled with, so a cell the user did not change gives back the
// stored double however the cell shows it (rounded to its decimals).
#include "spread/Ork_Spread.h"

#include <optional>
#include <vector>

namespace macroedit {

// A row below the active row (row 1 in an empty grid), with the grid's default format; the grid gets the
// focus and the active cell moves to the same column of the new row. The new row's number, 0 on failure.
int addRowBelowActive(Ork_Spread& grid);
// Deletes the active row; the active cell keeps its column and row number as far as the grid still has
// them. The deleted row's number, 0 when the grid has no rows.
int deleteActiveRow(Ork_Spread& grid);
// Equal widths for all columns and the row-header column, filling the grid's visible width.
void fitEqualColumns(Ork_Spread& grid);

// Per grid row: the value it was filled with, until the user changes its cell.
template <typename T>
class StoredCells {
public:
    void reset(int rows) { m_cells.assign(static_cast<std::size_t>(std::max(rows, 0)), std::nullopt); }
    void set(int row, T value) {
        if (valid(row))
            m_cells[static_cast<std::size_t>(row - 1)] = value;
    }
    void forget(int row) {
        if (valid(row))
            m_cells[static_cast<std::size_t>(row - 1)].reset();
    }
    void inserted(int row) {
        if (row >= 1 && row <= size() + 1)
            m_cells.insert(m_cells.begin() + (row - 1), std::nullopt);
    }
    void deleted(int row) {
        if (valid(row))
            m_cells.erase(m_cells.begin() + (row - 1));
    }
    std::optional<T> get(int row) const { return valid(row) ? m_cells[static_cast<std::size_t>(row - 1)] : std::nullopt; }
    int size() const { return static_cast<int>(m_cells.size()); }

private:
    bool valid(int row) const { return row >= 1 && row <= size(); }
    std::vector<std::optional<T>> m_cells;
};

// Escape on a page of the definition editor: handed to the editor as OK unless `keep` (a selection moments
// ago, an Escape the cut editor asked for); a kept Escape goes to the page's own cancel.
void handlePageEscape(ui::Dialog& page, bool keep);

} // namespace macroedit
