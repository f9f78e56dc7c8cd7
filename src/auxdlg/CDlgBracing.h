#pragma once
// The bracing dialog: edits the host's bracing record.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/KvBracingDlgData.h"

class CDlgBracing : public KvRecordDlg<KvBracingDlgData> {
public:
    explicit CDlgBracing(ui::Window* parent = nullptr);
};
