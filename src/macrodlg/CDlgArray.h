#pragma once
// The array dialog: edits one dynamic array of a macro.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "base/KvRecordDlg.h"
#include "nuvo/Ork_String.h"
#include "nuvo/records/DynArrayData.h"

class CDlgArray : public KvRecordDlg<DynArrayData> {
public:
    explicit CDlgArray(ui::Window* parent = nullptr);

    // The drawing objects and the text the array is offered for.
    AcArray<AcDbObjectId> m_objectIds;
    Ork_String m_text;
};
