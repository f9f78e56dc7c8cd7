#pragma once
// The CIS/2 information dialog: five choices of the CIS/2 export.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "auxdlg/KvDlgCis2Data.h"
#include "base/KvRecordDlg.h"

class CDlgCis2 : public KvRecordDlg<KvDlgCis2Data> {
public:
    explicit CDlgCis2(ui::Window* parent = nullptr);
};
