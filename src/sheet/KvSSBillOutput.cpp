#include "sheet/KvSSBillOutput.h"

#include "base/KvResourceGuard.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/records/billPictures.h"
#include "os/files.h"
#include "os/paths.h"
#include "sheet/CDlgSSAsTool.h"
#include "spread/KvSSSettings.h"
#include "spread/Ork_Spread.h"
#include "sheet/billDate.h"
#include "spread/sheetSettingsFiles.h"

#include <algorithm>

namespace {

constexpr ui::Color kSystemColour = 0x8000000B;
constexpr ui::Color kSubtotalBack = 0xFFD1A4;
constexpr int kGridCode = 7;
constexpr ui::Color kGridColour = 0x323232;
constexpr int kSubtotalBorderKind = 31, kSubtotalBorderStyle = 1;

} // namespace

KvSSBillOutput::KvSSBillOutput() : m_tool(std::make_shared<DlgSSAsTool>()) {}
KvSSBillOutput::KvSSBillOutput(const KvSSBillOutput& other) = default;
KvSSBillOutput& KvSSBillOutput::operator=(const KvSSBillOutput& other) = default;
KvSSBillOutput::~KvSSBillOutput() = default;

ErrorStatus KvSSBillOutput::init(const Ork_String& outputFile, const Ork_StringArray& columnNames,
                                 const AcArray<int>&, const AcArray<int>& columnKinds,
                                 const Ork_String& settingsName, const Ork_StringArray& varNames,
                                 const Ork_StringArray& varValues) {
    if (!m_tool || !m_tool->ensureCreated())
        return eWindowCreateFailed;
    Ork_Spread* grid = m_tool->get();
    if (!grid)
        return eWindowCreateFailed;
    m_outputFile = outputFile;
    grid->applySettingsFile(settingsName);
    grid->ssSetGridType(kGridCode);
    grid->ssSetGridColor(kGridColour);
    m_varNames = varNames;
    m_varValues = varValues;
    grid->setMaxCols(columnNames.length(), true);
    grid->setColumnHeaderTexts(columnNames);
    m_columnKinds = columnKinds;
    return eOk;
}

void KvSSBillOutput::setVars(int imageArg1, int imageArg2, int imageArg3, bool imageFlag1, bool imageFlag2,
                             Ork_Bill* bill, AcDbTransaction* transaction) {
    m_imageArg1 = imageArg1;
    m_imageArg2 = imageArg2;
    m_imageArg3 = imageArg3;
    m_imageFlag1 = imageFlag1;
    m_imageFlag2 = imageFlag2;
    m_bill = bill;
    m_transaction = transaction;
}

Ork_Spread* KvSSBillOutput::getSSPointer() const { return m_tool ? m_tool->get() : nullptr; }

ErrorStatus KvSSBillOutput::onStartFeed() {
    if (m_bill && m_transaction)
        initBMPDialog(m_imageArg2 + 20);
    return eOk;
}

ErrorStatus KvSSBillOutput::onAddRow(const Ork_StringArray& texts) {
    if (!m_bill || !m_transaction) {
        addRow(texts, Ork_String());
        return eOk;
    }
    Ork_String pictureFile;
    if (!createImage(texts, pictureFile, m_imageArg1, m_imageArg2, m_imageArg3, m_imageFlag1, m_imageFlag2, m_bill,
                     m_transaction))
        pictureFile.clear();
    addRow(texts, pictureFile);
    if (!pictureFile.isEmpty())
        deleteFile(pictureFile);
    return eOk;
}

ErrorStatus KvSSBillOutput::onAddSubTotals(const Ork_StringArray& texts, const Ork_StringArray&, bool, int) {
    addRow(texts, Ork_String());
    Ork_Spread* grid = getSSPointer();
    if (!grid)
        return eOk;
    const int columns = std::min(grid->getMaxCols(), texts.length());
    for (int c = 1; c <= columns; ++c) {
        if (texts[c - 1].isEmpty())
            continue;
        grid->ssSetBorder(c, m_currentRow, kSubtotalBorderKind, kSubtotalBorderStyle, kSystemColour);
        grid->ssSetColor(c, m_currentRow, kSubtotalBack, kSystemColour);
    }
    return eOk;
}

ErrorStatus KvSSBillOutput::onEndFeed() {
    if (m_bill && m_transaction)
        closeBMPDialog();
    Ork_Spread* grid = getSSPointer();
    if (!grid)
        return eInvalidInput;
    if (m_currentRow < grid->getMaxRows())
        grid->setMaxRows(m_currentRow);
    grid->setStaticHeaders(true);

    Ork_StringArray names{u"Date", u"Title", u"BillFilename"};
    Ork_StringArray values{billDateText(billLocalTime()), titleOf(m_outputFile), m_outputFile};
    names.append(m_varNames);
    values.append(m_varValues);
    KvSSSettings settings;
    settings.readFromSheet(grid);
    settings.m_varNames = names;
    settings.m_varValues = values;
    settings.writeToSheet(grid);

    // The host must hear that its bill was not written.
    if (!saveSheetWithSettings(grid, m_outputFile))
        return eInvalidInput;
    return eOk;
}

Ork_String KvSSBillOutput::titleOf(const Ork_String& outputFile) {
    Ork_String name(os::fileNameOf(outputFile));
    const size_t dot = name.rfind(u'.');
    if (dot != Ork_String::npos)
        name.resize(dot);
    const size_t mark = name.rfind(u'\u00BF');
    if (mark != Ork_String::npos)
        name.erase(0, mark + 1);
    return name;
}

void KvSSBillOutput::addRow(const Ork_StringArray& texts, const Ork_String& pictureFile) {
    Ork_Spread* grid = getSSPointer();
    if (!grid)
        return;
    if (grid->getMaxCols() < texts.length())
        grid->setMaxCols(texts.length(), true);
    advanceRow(*grid);
    setRowProperties(*grid, m_currentRow);
    grid->setRowTexts(m_currentRow, texts, true);
    if (pictureFile.isEmpty() || !os::fileExists(pictureFile))
        return;
    advanceRow(*grid);
    if (!grid->setImageRow(pictureFile, kPictureColumn, m_currentRow)) {
        // A file that is no picture: the line stays without its picture row.
        grid->clearRow(m_currentRow);
        --m_currentRow;
        return;
    }
    KvResourceGuard guard;   // the mark is this module's bitmap
    grid->setPictureCell(1, m_currentRow, kPictureMark, false);
}

void KvSSBillOutput::advanceRow(Ork_Spread& grid) {
    ++m_currentRow;
    const int last = grid.getMaxRows();
    if (m_currentRow <= last)
        return;
    const int count = m_currentRow + kRowStep;
    if (last > 1 && isPictureRow(grid, last)) {
        // A picture row is no model for the lines to come (its picture cells would become the types of their
        // cells): the new rows copy the line above it.
        grid.setMaxRows(count, false);
        for (int row = last + 1; row <= count; ++row)
            grid.copyRow(last - 1, row);
    } else {
        grid.setMaxRows(count, true);
    }
    grid.clearRows(m_currentRow, count);
}

bool KvSSBillOutput::isPictureRow(Ork_Spread& grid, int row) {
    grid::CellType type;
    return grid.ssGetCellType(kPictureColumn, row, type) && type.kind == grid::CellKind::PictureFile;
}

void KvSSBillOutput::setRowProperties(Ork_Spread& grid, int row) {
    const int columns = std::min(grid.getMaxCols(), m_columnKinds.length());
    for (int c = 1; c <= columns; ++c) {
        switch (m_columnKinds[c - 1]) {
        case kWholeNumber: grid.setNumberCell(c, row, 0, true); break;
        case kOneDecimal: grid.setNumberCell(c, row, 1, true); break;
        case kText: grid.setTextCells(c, row); break;
        default: break;   // the cell keeps the type it has
        }
        grid.ssSetBorder(c, row, 0, 0, kSystemColour);
        grid.ssRemoveCellSpan(c, row);
        grid.ssSetColor(c, row, kSystemColour, kSystemColour);
    }
    double height = 0;
    if (grid.ssGetMaxTextRowHeight(row, height) && height > 0)
        grid.ssSetRowHeight(row, height);
}
