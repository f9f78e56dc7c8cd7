#pragma once
// The string array dialog: a table editor for rows of texts under fixed column headers (and optional row
// headers), optionally with rows added and removed, sized under a key of the host's size store. startGridDialog
// runs it on a copy of the caller's rows; OK rebuilds the rows from the grid.
#include "base/KvDlgLayout.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CDlgStringArray : public ui::Dialog {
public:
    // The shortest text a cell accepts; cells take longer texts when a row given in holds one.
    static constexpr int kMinTextLength = 200;

    explicit CDlgStringArray(ui::Window* parent = nullptr);
    ~CDlgStringArray() override;

    Ork_String m_sizeKey;
    Ork_String m_title;
    Ork_StringArray m_columnNames;
    Ork_StringArray m_rowNames;
    Ork_Array<Ork_StringArray> m_rows;  // in and out
    bool m_addRemove = false;

    Ork_Spread& grid() { return m_grid; }
    // The most characters a cell takes: the longest text given in, at least kMinTextLength.
    int textLength() const { return m_textLength; }
    // "Add": a row after the active cell's row, whose cell below the active one becomes active.
    void addRow();
    // "Remove": the active row; the cell at the same place becomes active with its text selected.
    void removeRow();

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void setLook();
    void fillGrid();

    Ork_Spread m_grid;
    KvDlgLayout m_layout;
    ui::Size m_initialSize;  // the window's first size, below which it cannot be made
    int m_textLength = kMinTextLength;
};
