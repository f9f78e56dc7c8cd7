#pragma once
// The profile features dialog: edits the host's profile features record.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/DlgProfFeaturesData.h"

class CDlgProfFeatures : public KvRecordDlg<DlgProfFeaturesData> {
public:
    explicit CDlgProfFeatures(ui::Window* parent = nullptr);
};
