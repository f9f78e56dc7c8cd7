#pragma once
// The look-up dialog: picks one of the offered entries.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "auxdlg/KvLookUpDlgData.h"
#include "base/KvRecordDlg.h"

class CDlgLookup : public KvRecordDlg<KvLookUpDlgData> {
public:
    explicit CDlgLookup(ui::Window* parent = nullptr);
};
