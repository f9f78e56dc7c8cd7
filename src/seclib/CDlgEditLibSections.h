#pragma once
// The section library editor: groups, types and value tables of the library, on three tabs.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "base/KvRecordDlg.h"
#include "nuvo/Ork_String.h"
#include "nuvo/records/DlgEditLibData.h"

class CDlgEditLibSections : public KvRecordDlg<DlgEditLibData> {
public:
    explicit CDlgEditLibSections(ui::Window* parent = nullptr);

    // The value table to open on (the values tab becomes current); empty opens on the groups tab.
    Ork_String m_name;
};
