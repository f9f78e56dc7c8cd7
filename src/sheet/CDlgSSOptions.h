#pragma once
// The sheet options dialog: a sheet's column and row counts, the height of its header row and the width of
// its header column in pixels, and its column and row header texts, each list edited in a small grid.
// editSheetOptions runs it on a grid and applies what the user accepted.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CDlgSSOptions : public ui::Dialog {
public:
    explicit CDlgSSOptions(ui::Window* parent = nullptr);
    ~CDlgSSOptions() override;

    // Takes the counts, header sizes and header texts of `grid` as the dialog's starting values.
    void readFrom(Ork_Spread& grid);
    // Gives `grid` the accepted counts, header sizes and header texts, and marks it modified.
    bool applyTo(Ork_Spread& grid) const;

    // What the user types is held to these: the grid's column limit, a row count that stays workable (or the
    // sheet's own, when it has more), and header sizes of a screen.
    int maxColumns() const;
    int maxRows() const;
    int maxHeaderSize() const;

    int m_columns = 0;
    int m_rows = 0;
    int m_headerRowHeight = 0;    // pixels
    int m_headerColumnWidth = 0;  // pixels
    // The result lists: the texts when the dialog opens, the accepted ones after OK (these end at the last text
    // that is not empty, or where the sheet's own texts ended).
    Ork_StringArray m_columnTexts;
    Ork_StringArray m_rowTexts;
    // The texts as edited, kept at their longest, so that lowering a count and raising it again brings the
    // dropped texts back.
    Ork_StringArray m_editedColumnTexts;
    Ork_StringArray m_editedRowTexts;

    Ork_Spread& columnGrid() { return m_columnGrid; }
    Ork_Spread& rowGrid() { return m_rowGrid; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code) override;

private:
    void fillColumnGrid();
    void fillRowGrid();
    // The texts the grid showed (`shownCount` places) go into the edited list, which never gets shorter.
    static void keepTexts(Ork_StringArray& edited, const Ork_StringArray& shown, int shownCount, int initialCount);
    // The accepted texts of a list, padded with empty texts up to where the sheet had texts (at most `count`).
    static Ork_StringArray acceptedTexts(Ork_StringArray texts, int sheetTexts, int count);
    // The text for position i: the edited one, else the one the dialog opened with, else empty.
    static Ork_String textAt(const Ork_StringArray& edited, const Ork_StringArray& initial, int i);
    void countChanged(int fieldId);
    void sizeChanged(int fieldId);
    // The field's number held to [0, maximum]; the field shows the held number when the typed one was beyond.
    int fieldNumber(int fieldId, int maximum);

    Ork_Spread m_columnGrid;
    Ork_Spread m_rowGrid;
    int m_sheetRows = 0;  // the sheet's row count when the dialog opened
    bool m_ready = false;  // the fields notify changes while they are filled; those are not the user's
};

// Runs the sheet options dialog on `grid`; on OK the grid gets the new counts, header sizes and header texts
// and its modified switch. False when the grid does not exist or the user cancelled; nothing changes then.
bool editSheetOptions(Ork_Spread& grid);
