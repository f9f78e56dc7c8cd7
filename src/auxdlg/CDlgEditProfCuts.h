#pragma once
// The profile cuts dialog: edits the host's profile cuts record.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/DlgProfCutsData.h"

class CDlgEditProfCuts : public KvRecordDlg<DlgProfCutsData> {
public:
    explicit CDlgEditProfCuts(ui::Window* parent = nullptr);

    // The module-wide setting the caller keeps between runs; given in, and read back after OK.
    int m_setting = 0;
};
