#pragma once
// The array dialog: edits one dynamic array of a macro — its name, kind, dimensions, values, flags and
// entries. The layout follows the kind: kind 1 (a single value) has one dimension and a text and no
// entries; kind 3 has no first dimension; a mixed kind shows kind 0's layout. Changing the kind reads the
// controls back first, so the entries a kind hides come back when it shows them again.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "base/KvRecordDlg.h"
#include "nuvo/Ork_String.h"
#include "nuvo/records/DynArrayData.h"
#include "spread/Ork_Spread.h"

class CDlgArray : public KvRecordDlg<DynArrayData> {
public:
    static constexpr int kMixedKindPosition = 4;

    explicit CDlgArray(ui::Window* parent = nullptr);

    // The drawing objects and the text the array is offered for.
    AcArray<AcDbObjectId> m_objectIds;
    Ork_String m_text;

    Ork_Spread& entryGrid() { return m_grid; }
    // Reads every control into the record.
    void readControls();

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;

private:
    void setUpGrid();
    void showRecord();
    void showEntries();
    void readEntries();
    void layoutForKind();
    int shownKind() const;
    void markActiveEntry();

    Ork_Spread m_grid;
};
