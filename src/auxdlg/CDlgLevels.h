#pragma once
// The levels dialog: edits the host's levels record.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/KvLevelsDlgData.h"

class CDlgLevels : public KvRecordDlg<KvLevelsDlgData> {
public:
    explicit CDlgLevels(ui::Window* parent = nullptr);
};
