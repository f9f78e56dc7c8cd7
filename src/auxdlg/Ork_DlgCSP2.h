#pragma once
// The cutting-stock optimisation dialog: edits the host's optimisation record.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/DlgCSP2Data.h"

class Ork_DlgCSP2 : public KvRecordDlg<DlgCSP2Data> {
public:
    explicit Ork_DlgCSP2(ui::Window* parent = nullptr);
};
