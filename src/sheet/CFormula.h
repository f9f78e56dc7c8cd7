#pragma once
// The formula window: one grid on a sheet file, run modally in one of three modes. Single-cell mode evaluates
// one cell and stays open on the sheet; look-up mode computes the sheet function "FROMTABLE" (a value looked up
// in another sheet file) for the formula that called it; read mode reads a sheet file into text arrays and
// closes at once. In every mode the user gets the grid with its file field, load and save, reference styles
// and calculation controls.
//
// "FROMTABLE" is a plain callback of the grid, so it cannot be told which grid called it: each window makes its
// grid the current calculating grid from the moment it opens (loading a document calculates it) until it
// closes, and then gives back the one it found. Look-ups nest (a looked-up table may look up others), each in a
// window of its own, with at most kMaxNesting windows open at once; a table already open in the chain is never
// looked up again, so a table that looks itself up, directly or through others, gives no value instead of
// recursing.
#include "grid/CustomFunction.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CFormula : public ui::Dialog {
public:
    enum class Mode { None = 0, SingleCell = 1, TableLookup = 2, Read = 4 };
    static constexpr int kMaxNesting = 16;
    static constexpr const char16_t* kFromTable = u"FROMTABLE";

    explicit CFormula(ui::Window* parent = nullptr);
    ~CFormula() override;

    Mode m_mode = Mode::None;
    Ork_String m_path;           // the sheet file; shown in the file field
    // Single-cell mode: the cell evaluated and its data text afterwards.
    int m_activeCol = 1;
    int m_activeRow = 1;
    Ork_String m_resultText;
    // Look-up mode: the records of the call and the sheet whose formula made it (not owned).
    SSValueRecord* m_result = nullptr;
    SSValueRecord* m_args = nullptr;
    std::int16_t m_argCount = 0;
    Ork_Spread* m_callingGrid = nullptr;
    // Read mode's results: the data text of (1, 1), the column headers, and every row's texts.
    Ork_String m_firstCell;
    Ork_StringArray m_headers;
    Ork_Array<Ork_StringArray> m_rows;

    Ork_Spread& grid() { return m_grid; }

    // The grid whose calculation a "FROMTABLE" call comes from; null while no formula window is open.
    static Ork_Spread* currentCalcGrid();
    // How many formula windows are open (nested look-ups each add one).
    static int openWindows();
    // The grid's callback of "FROMTABLE" (2 to 4 arguments, references passed as references): opens a look-up
    // window on the current calculating grid and returns 1. Refused look-ups leave the result without a value.
    static int fromTableFunction(SSValueRecord* result, SSValueRecord* args, std::int16_t count);

    // Read mode: fills the three results from the grid.
    void readSheet();
    // Shows the formulas of (4, 1..5) as texts in column 1, in the current reference style.
    void showColumnFourFormulas();
    // Look-up mode: loads the table, finds the target cell and fills the result record (or the calling grid).
    void evaluateFromTable();
    // The text an argument stands for; false when it has none (the look-up then finds nothing). A string
    // argument's block is read and freed.
    bool argumentText(SSValueRecord& arg, Ork_String& text);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onDestroy() override;

private:
    // Loads a sheet file, keeping the window's calculation switch and the sheet function; false when the grid
    // refused the file (it then keeps what it had).
    bool loadSheet(const Ork_String& path);
    // Recalculates one cell; the look-ups it makes again are answered from what the load before remembered.
    void recalculateCell(int column, int row);
    void registerFromTable();
    void onReferenceStyle(int style);
    void onAutoCalculate();
    void onLoad();
    void onSave();
    void onRecalculate();
    // Finds the target cell of a look-up from its arguments; false when there is none.
    bool findTarget(int& column, int& row);
    bool findColumnByHeader(const Ork_String& name, int& column);
    bool findRowByKey(int keyColumn, const Ork_String& key, int& row);
    // Reads the target cell into the result record by the cell's type; false when the value cannot be read.
    bool readResult(int column, int row);
    // The command line's "Result is ..." line of a look-up's result; nothing for a result without a value.
    static void printResult(const SSValueRecord& result);
    // Joins the chain of open windows and takes the calculating grid; leaves both (once) when it closes.
    void enterChain();
    void leaveChain();

    // What one look-up came to: its result and, for the three-argument form, the text it wrote into the
    // calling grid.
    struct LookupOutcome {
        SSValueRecord result{};
        Ork_String resultText;   // a string result's text (its block is handed over anew each time)
        bool wrote = false;
        int column = 0, row = 0;
        Ork_String written;
    };
    // A load calculates every formula of the document twice (as it is read and once all of it is there), and
    // the grid calculates a formula again after it wrote into a cell the formula reads. While this window
    // loads or recalculates its sheet, a look-up made again with the same arguments replays its outcome
    // instead of opening its window, and every window nested in it, once more: otherwise the windows would
    // double at every level of nesting. A replayed look-up prints its result line as the look-up did, so the
    // command line shows a line per look-up whatever was remembered.
    static bool lookupKey(Ork_Spread& calling, const SSValueRecord* args, int count, std::u16string& key);
    const LookupOutcome* rememberedLookup(const std::u16string& key) const;
    void replay(const LookupOutcome& outcome, SSValueRecord& result, Ork_Spread& calling) const;

    Ork_Spread m_grid;
    std::string m_fileKey;   // which file the grid holds, to recognise a look-up of a table already open
    bool m_inChain = false;
    bool m_calculating = false;   // the window loads or recalculates its sheet: look-ups are remembered
    std::vector<std::pair<std::u16string, LookupOutcome>> m_rememberedLookups;
    LookupOutcome m_outcome;   // look-up mode: what this window's look-up came to
};
