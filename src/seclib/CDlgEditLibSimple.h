#pragma once
// The simple section library editor: one row of a profile value table.
//
// For now it holds its table and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "nuvo/Ork_String.h"
#include "seclib/Ork_ProfValuesTable.h"
#include "ui/Dialog.h"

class CDlgEditLibSimple : public ui::Dialog {
public:
    explicit CDlgEditLibSimple(ui::Window* parent = nullptr);

    Ork_String m_name;
    Ork_ProfValuesTable m_table;
    int m_row = -1;
};
