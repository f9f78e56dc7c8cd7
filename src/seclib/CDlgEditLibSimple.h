#pragma once
// The simple section library editor: one row of a profile value table.
//
// For now it ends with OK or Cancel; its table (Ork_ProfValuesTable) arrives with the dialog itself.
#include "nuvo/Ork_String.h"
#include "ui/Dialog.h"

class CDlgEditLibSimple : public ui::Dialog {
public:
    explicit CDlgEditLibSimple(ui::Window* parent = nullptr);

    Ork_String m_name;
    int m_row = -1;
};
