#pragma once
// The general variables dialog: the drawing general variables (name, value, filter) and the standard general
// variables (name, value, override, filter) of a standards record, each in a grid with a "..." button per row
// that adds drawings and folders of the macro library to the row's filter. OK reads both grids back into the
// record's lists, one element per row.
#include "base/KvDlgLayout.h"
#include "base/KvRecordDlg.h"
#include "nuvo/CButtonST.h"
#include "nuvo/records/KvAutoStandardsData.h"
#include "spread/Ork_Spread.h"

class CDlgGenVars : public KvRecordDlg<KvAutoStandardsData> {
public:
    static constexpr int kDwgColumns = 4;   // name, value, filter, "..."
    static constexpr int kStdColumns = 5;   // name, value, override, filter, "..."

    explicit CDlgGenVars(ui::Window* parent = nullptr);
    ~CDlgGenVars() override;

    Ork_Spread& dwgGrid() { return m_dwgGrid; }
    Ork_Spread& stdGrid() { return m_stdGrid; }
    // Adds what the user chooses in the file dialog to the filter of `row` (in `filterColumn`).
    void chooseFilterFiles(Ork_Spread& grid, int filterColumn, int row);
    // Merges equal consecutive names and makes the last column the row buttons.
    void refreshGrid(Ork_Spread& grid);

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void setUpLayout();
    void setUpGrid(Ork_Spread& grid, int frameId, const Ork_StringArray& headers,
                   const std::initializer_list<const Ork_StringArray*>& lists);
    void readGrid(Ork_Spread& grid, const std::initializer_list<Ork_StringArray*>& lists);
    bool rowButton(int id);

    Ork_Spread m_dwgGrid;
    Ork_Spread m_stdGrid;
    CButtonST m_moveButtons[4];
    KvDlgLayout m_layout;
    ui::Size m_initialSize{50, 50};   // the smallest the window can be made, its size once it has opened
};
