#pragma once
// The groups page of the library editor: the groups listed with their enabled marks, and the enabled flag,
// image and names per language of the current group. What is shown is stored into the record before another
// group is shown, added, removed or moved, so no edit is lost on the way.
#include "nuvo/CButtonST.h"
#include "nuvo/CCheckComboBox.h"
#include "nuvo/records/DlgEditLibData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CEditLibGroupsPage : public ui::Dialog {
public:
    explicit CEditLibGroupsPage(DlgEditLibData& data) : m_data(data) {}

    int current() const { return m_current; }
    // Stores the shown group (enabled flag, image text, names from the grid) into the record.
    void storeCurrent();
    Ork_Spread& namesGrid() { return m_names; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;

private:
    void fillList();
    void show(int index);
    void enableDetails();
    void move(int step);

    DlgEditLibData& m_data;
    CCheckComboBox m_list;
    CButtonST m_up, m_down;
    Ork_Spread m_names;
    int m_current = -1;
};
