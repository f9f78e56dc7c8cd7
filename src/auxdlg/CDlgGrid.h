#pragma once
// The grid dialog: two rows of grid lines (count, spacing, label) and an option.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "auxdlg/KvGridDlgData.h"
#include "base/KvRecordDlg.h"

class CDlgGrid : public KvRecordDlg<KvGridDlgData> {
public:
    explicit CDlgGrid(ui::Window* parent = nullptr);
};
