#pragma once
// The formula window: one grid on a spreadsheet document, for single-sheet calculation, for the table
// look-up, and for reading a document into text arrays (read mode, which closes itself at once).
//
// For now it holds its fields and ends with OK or Cancel; the grid arrives with the window itself, and read
// mode reads nothing.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "ui/Dialog.h"

class CFormula : public ui::Dialog {
public:
    enum class Mode { SingleCell, TableLookup, Read };

    explicit CFormula(ui::Window* parent = nullptr);

    Mode m_mode = Mode::SingleCell;
    Ork_String m_path;
    int m_activeCol = 1;
    int m_activeRow = 1;
    // Read mode's results.
    Ork_String m_firstCell;
    Ork_StringArray m_headers;
    Ork_Array<Ork_StringArray> m_rows;

protected:
    bool onInitDialog() override;
};
