#pragma once
// The string array dialog: a grid of texts under fixed column headers, optionally with rows added and
// removed, sized under a key of the host's size store.
//
// For now it holds its fields and ends with OK or Cancel; the grid arrives with the dialog itself.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "ui/Dialog.h"

class CDlgStringArray : public ui::Dialog {
public:
    explicit CDlgStringArray(ui::Window* parent = nullptr);

    Ork_String m_sizeKey;
    Ork_String m_title;
    Ork_StringArray m_columnNames;
    Ork_StringArray m_rowNames;
    Ork_Array<Ork_StringArray> m_rows;  // in and out
    bool m_addRemove = false;

protected:
    bool onInitDialog() override;
};
