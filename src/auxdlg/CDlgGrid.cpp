#include "auxdlg/CDlgGrid.h"

#include "resources/resourceIds.h"

CDlgGrid::CDlgGrid(ui::Window* parent) : KvRecordDlg<KvGridDlgData>(IDD_GRID, parent) {}
