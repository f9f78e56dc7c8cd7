#pragma once
// The general variables dialog: edits the general variables of a standards record.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/KvAutoStandardsData.h"

class CDlgGenVars : public KvRecordDlg<KvAutoStandardsData> {
public:
    explicit CDlgGenVars(ui::Window* parent = nullptr);
};
