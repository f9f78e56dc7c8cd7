#pragma once
// The cut dialog: edits one cut of a macro.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/records/DlgMacroCutsData.h"

class CDlgMacroCuts : public KvRecordDlg<DlgMacroCutsData> {
public:
    explicit CDlgMacroCuts(ui::Window* parent = nullptr);

    // A flag the caller gets back however the dialog ended.
    bool m_flag = false;
};
