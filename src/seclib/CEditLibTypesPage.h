#pragma once
// The types page of the library editor: the section types with their enabled marks, and the enabled flag,
// image, group, type text and names per language of the current type. As on the groups page, what is shown
// is stored into the record before another type is shown, added, removed or moved.
#include "nuvo/CButtonST.h"
#include "nuvo/CCheckComboBox.h"
#include "nuvo/records/DlgEditLibData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CEditLibTypesPage : public ui::Dialog {
public:
    explicit CEditLibTypesPage(DlgEditLibData& data) : m_data(data) {}

    int current() const { return m_current; }
    // Stores the shown type (enabled flag, image, group identifier, type text, names) into the record.
    void storeCurrent();
    // Lists the groups again (names as the groups page left them) and shows the current type's group.
    void refreshGroups();
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
