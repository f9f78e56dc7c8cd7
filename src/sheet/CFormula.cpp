#include "sheet/CFormula.h"

#include "base/calculatingDocuments.h"
#include "cadhost/CommandLine.h"
#include "grid/CellType.h"
#include "resources/resourceIds.h"
#include "sheet/formulaChain.h"
#include "ui/constants.h"

namespace {

// A new sheet: 10 rows of 8 columns, its first 6 x 6 cells numbers with two decimals.
constexpr int kStartRows = 10, kStartCols = 8, kNumberBlock = 6;
constexpr long kNumberStyle = 0x10000200;
// Read mode makes one text per cell; a document that claims more cells than this is refused rather than
// read into memory that a few bytes of file could make unbounded.
constexpr long long kMaxReadCells = 4'000'000;

} // namespace

CFormula::CFormula(ui::Window* parent) : ui::Dialog(IDD_FORMULA, parent) {}

CFormula::~CFormula() {
    // The grid is a member: its window goes before the object does.
    if (isWindow())
        destroyWindow();
    leaveChain();
}

Ork_Spread* CFormula::currentCalcGrid() { return formulaChain::calcGrid(); }

int CFormula::openWindows() { return formulaChain::size(); }

bool CFormula::onInitDialog() {
    // The grid calculates as soon as a document is loaded, and the look-ups it calls need to know whose
    // calculation it is: the window takes the calculating grid before anything can calculate.
    enterChain();
    setForegroundWindow();
    setFocus();
    setDlgItemText(IDC_FORMULA_FILE, m_path);

    m_grid.createInPlace(this, IDC_FORMULA_GRID, true);
    m_grid.ssSetBool(grid::kSwitchCalcSheet, true);
    m_grid.ssSetBool(grid::kSwitchAutoCalc, false);
    checkDlgButton(IDC_FORMULA_AUTO_CALC, ui::BST_UNCHECKED);
    checkRadioButton(IDC_FORMULA_STYLE_DEFAULT, IDC_FORMULA_STYLE_R1C1, IDC_FORMULA_STYLE_DEFAULT);
    registerFromTable();

    m_grid.setMaxRows(kStartRows);
    m_grid.setMaxCols(kStartCols);
    m_grid.ssSetStartingNumbers(4, 5);
    grid::CellType number;
    m_grid.ssSetTypeNumber(number, kNumberStyle, 2, -9999, 9999, true);
    m_grid.ssSetCellTypeRange(1, 1, kNumberBlock, kNumberBlock, number);

    const bool loaded = !m_path.isEmpty() && loadSheet(m_path);
    acutPrintf(u"Loading spreadsheet:%s\n", m_path.c_str());
    registerFromTable();

    switch (m_mode) {
    case Mode::Read:
        if (loaded) {
            readSheet();
        } else {
            m_firstCell.clear();
            m_headers.removeAll();
            m_rows.removeAll();
        }
        onOK();
        return false;
    case Mode::SingleCell:
        recalculateCell(m_activeCol, m_activeRow);
        m_grid.getCellText(m_activeCol, m_activeRow, m_resultText, Ork_Spread::kTextData);
        break;
    case Mode::TableLookup:
        evaluateFromTable();
        break;
    case Mode::None:
        break;
    }
    return false;  // the window has taken the focus itself
}

void CFormula::onDestroy() {
    leaveChain();
    ui::Dialog::onDestroy();
}

bool CFormula::onCommand(int id, int code) {
    if (code == ui::BN_CLICKED) {
        switch (id) {
        case IDC_FORMULA_STYLE_DEFAULT: onReferenceStyle(grid::kRefStyleDefault); return true;
        case IDC_FORMULA_STYLE_A1: onReferenceStyle(grid::kRefStyleA1); return true;
        case IDC_FORMULA_STYLE_R1C1: onReferenceStyle(grid::kRefStyleR1C1); return true;
        case IDC_FORMULA_SAVE: onSave(); return true;
        case IDC_FORMULA_LOAD: onLoad(); return true;
        case IDC_FORMULA_AUTO_CALC: onAutoCalculate(); return true;
        case IDC_FORMULA_RECALC: onRecalculate(); return true;
        default: break;
        }
    }
    return ui::Dialog::onCommand(id, code);
}

void CFormula::onReferenceStyle(int style) {
    m_grid.ssSetRefStyle(style);
    showColumnFourFormulas();
}

void CFormula::showColumnFourFormulas() {
    constexpr int kFormulaColumn = 4, kLastRow = 5;
    for (int row = 1; row <= kLastRow; ++row) {
        Ork_String formula;
        m_grid.getCellText(kFormulaColumn, row, formula, Ork_Spread::kTextFormula);
        if (row == kLastRow && formula.isEmpty())
            continue;
        m_grid.ssSetData(1, row, formula.c_str());
    }
    double width = 0;
    if (m_grid.ssGetMaxTextColWidth(1, width))
        m_grid.ssSetColWidth(1, width);
}

void CFormula::onAutoCalculate() {
    const bool automatic = isDlgButtonChecked(IDC_FORMULA_AUTO_CALC) == ui::BST_CHECKED;
    m_grid.ssSetBool(grid::kSwitchAutoCalc, automatic);
    if (ui::Window* recalculate = getDlgItem(IDC_FORMULA_RECALC))
        recalculate->enableWindow(!automatic);
}

void CFormula::onRecalculate() {
    m_rememberedLookups.clear();   // the tables may have changed since the sheet was loaded
    m_calculating = true;
    m_grid.ssReCalc();
    m_calculating = false;
    m_rememberedLookups.clear();
}

void CFormula::onLoad() {
    m_path = Ork_String(getDlgItemText(IDC_FORMULA_FILE));
    if (!loadSheet(m_path))
        acutPrintf(u"Load failed\n");
}

void CFormula::onSave() {
    const Ork_String path(getDlgItemText(IDC_FORMULA_FILE));
    if (!m_grid.ssSaveToFile(path.c_str(), false))
        acutPrintf(u"Save failed\n");
}

bool CFormula::loadSheet(const Ork_String& path) {
    const std::string previousKey = m_fileKey;
    // Known before the load calculates the document, so that a look-up of this very file from inside it is
    // refused instead of loading it again and again.
    m_fileKey = calculatingDocuments::documentKey(path);
    m_rememberedLookups.clear();
    m_calculating = true;
    const bool loaded = m_grid.ssLoadFromFile(path.c_str());
    m_calculating = false;
    // What the load looked up stays remembered for the cell the window recalculates next (recalculateCell).
    if (!loaded)
        m_fileKey = previousKey;
    // A document brings its own calculation switch; in this window the "Auto calculate" box decides.
    m_grid.ssSetBool(grid::kSwitchAutoCalc, isDlgButtonChecked(IDC_FORMULA_AUTO_CALC) == ui::BST_CHECKED);
    registerFromTable();
    return loaded;
}

void CFormula::recalculateCell(int column, int row) {
    m_calculating = true;
    m_grid.ssReCalcCell(column, row);
    m_calculating = false;
    m_rememberedLookups.clear();
}

void CFormula::registerFromTable() {
    // The grid keeps its sheet functions across loads. Registering again would mark every formula that uses
    // the function out of date and, at the next calculation, call each look-up (and open its window) again.
    if (m_grid.sheet().hasCustomFunction(kFromTable))
        return;
    m_grid.ssAddCustomFunctionExt(kFromTable, 2, 4, &CFormula::fromTableFunction, grid::kPassReferences);
}

void CFormula::readSheet() {
    m_firstCell.clear();
    m_headers.removeAll();
    m_rows.removeAll();
    const int columns = m_grid.getMaxCols(), rows = m_grid.getMaxRows();
    if (columns <= 0 || rows < 0)
        return;
    if (static_cast<long long>(columns) * rows > kMaxReadCells) {
        acutPrintf(u"Sheet too large to read: %d columns, %d rows\n", columns, rows);
        return;
    }
    m_grid.getCellText(1, 1, m_firstCell, Ork_Spread::kTextData);
    for (int column = 1; column <= columns; ++column) {
        Ork_String name;
        m_grid.getCellText(column, Ork_Spread::kHeader, name, Ork_Spread::kTextData);
        m_headers.append(name);
    }
    for (int row = 1; row <= rows; ++row) {
        Ork_StringArray texts;
        for (int column = 1; column <= columns; ++column) {
            Ork_String text;
            m_grid.getCellText(column, row, text, Ork_Spread::kTextData);
            texts.append(text);
        }
        m_rows.append(texts);
    }
}

void CFormula::enterChain() {
    if (m_inChain)
        return;
    m_inChain = true;
    formulaChain::enter(this, m_grid, m_fileKey);
}

void CFormula::leaveChain() {
    if (!m_inChain)
        return;
    m_inChain = false;
    formulaChain::leave(this);
}
