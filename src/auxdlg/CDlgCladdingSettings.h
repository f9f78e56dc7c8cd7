#pragma once
// The cladding settings dialog: edits the host's cladding record.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/KvCladdingDlgData.h"

class CDlgCladdingSettings : public KvRecordDlg<KvCladdingDlgData> {
public:
    explicit CDlgCladdingSettings(ui::Window* parent = nullptr);
};
