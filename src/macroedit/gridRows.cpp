#include "macroedit/gridRows.h"

#include "ui/Dialog.h"

namespace macroedit {

int addRowBelowActive(Ork_Spread& grid) {
    if (!grid.isCreated())
        return 0;
    long column = 1, row = 0;
    const int rows = grid.getMaxRows();
    if (rows > 0 && !grid.ssGetActiveCell(column, row))
        column = 1, row = rows;
    const int added = rows > 0 ? static_cast<int>(std::clamp<long>(row, 1, rows)) + 1 : 1;
    if (added > rows) {
        if (grid.appendRow(false) < 0)
            return 0;
    } else if (!grid.insertRowAt(added, false, false)) {
        return 0;
    }
    grid.setFocus();
    grid.ssSetActiveCell(std::max<long>(column, 1), added);
    return added;
}

int deleteActiveRow(Ork_Spread& grid) {
    const int rows = grid.isCreated() ? grid.getMaxRows() : 0;
    if (rows <= 0)
        return 0;
    long column = 1, row = 1;
    grid.ssGetActiveCell(column, row);
    row = std::clamp<long>(row, 1, rows);
    if (!grid.deleteRow(static_cast<int>(row)))
        return 0;
    grid.setFocus();
    if (grid.getMaxRows() > 0)
        grid.ssSetActiveCell(std::max<long>(column, 1), std::min<long>(row, grid.getMaxRows()));
    return static_cast<int>(row);
}

void fitEqualColumns(Ork_Spread& grid) {
    grid.setFitMode(1);
    grid.applyFitMode();
}

void handlePageEscape(ui::Dialog& page, bool keep) {
    ui::Window* editor = page.getTopLevelParent();
    if (keep || !editor || editor == &page)
        page.sendMessage(ui::WM_COMMAND, ui::makeWParam(ui::IDCANCEL, ui::BN_CLICKED), 0);
    else
        editor->sendMessage(ui::WM_COMMAND, ui::makeWParam(ui::IDOK, ui::BN_CLICKED), 0);
}

} // namespace macroedit
