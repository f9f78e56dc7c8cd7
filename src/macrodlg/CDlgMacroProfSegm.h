#pragma once
// The segmented profile dialog: the segmented profiles of a macro, one at a time: name, clearance, whether it
// breaks at every point of its polyline, and its numbered points with a value each. It works on a copy of the
// list; the caller takes the whole list back after OK.
#include "base/KvDlgLayout.h"
#include "nuvo/CButtonST.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/macro/MacroTabRecords.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

#include <vector>

class CDlgMacroProfSegm : public ui::Dialog {
public:
    explicit CDlgMacroProfSegm(ui::Window* parent = nullptr);
    ~CDlgMacroProfSegm() override;

    Ork_Array<MacroProfSegmentedData> m_segments;

    int shownIndex() const { return m_shown; }
    Ork_Spread& grid() { return m_grid; }
    ui::Size minimumSize() const { return m_minSize; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void fillSelector();
    void show(int index);
    void store(int index);
    void enableEditors(bool enable);

    Ork_Spread m_grid;
    CButtonST m_addButton;
    CButtonST m_deleteButton;
    KvDlgLayout m_layout;
    ui::Size m_minSize{50, 50};
    int m_shown = -1;
    // What was shown, so that a clearance or point value whose text was not changed keeps its double; one
    // entry per grid row (an added row has none).
    struct ShownValue {
        Ork_String text;
        double value = 0;
        bool known = false;
    };
    ShownValue m_shownClearance;
    std::vector<ShownValue> m_shownPoints;
};
