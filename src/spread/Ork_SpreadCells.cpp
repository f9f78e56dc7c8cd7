// Ork_Spread: cell texts and numbers, whole rows and columns, cell types and locks.
#include "spread/Ork_Spread.h"

#include "nuvo/crtNumbers.h"
#include "os/files.h"
#include "ui/Resources.h"
#include "ui/paint/bmpFile.h"

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

namespace {

// Number cells accept any value the module computes with; the grid's own limit lies just above.
constexpr double kNumberLimit = 99999999999999.0;

Ork_String joinItems(const Ork_StringArray& items) {
    Ork_String joined;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0)
            joined += u'\t';
        joined += items[i];
    }
    return joined;
}

} // namespace

bool Ork_Spread::setText(int column, int row, const Ork_String& text, bool asValue) {
    return asValue ? ssSetValue(column, row, text.c_str()) : ssSetData(column, row, text.c_str());
}

bool Ork_Spread::setModified() { return ssSetBool(grid::kSwitchModified, true); }

// ---- Texts and numbers

bool Ork_Spread::getCellText(int column, int row, Ork_String& text, int kind) {
    text.clear();
    if (!m_created || !isWindow() || kind < kTextData || kind > kTextValue)
        return false;
    // Straight from the sheet: the library's text calls build every text twice (its length, then the copy),
    // and the standards engine reads every cell of a sheet several times per evaluation.
    const grid::Sheet& cells = sheet();
    if (column > cells.maxCols() || row > cells.maxRows())
        return false;
    cells.textInto(column, row, static_cast<grid::TextKind>(kind), text);
    return true;
}

bool Ork_Spread::holdsErrorValue(int column, int row) {
    if (!m_created || !isWindow())
        return false;
    const grid::Sheet& cells = sheet();
    if (column < 1 || row < 1 || column > cells.maxCols() || row > cells.maxRows())
        return false;
    return cells.value(column, row).isError();
}

bool Ork_Spread::getCellInt(int column, int row, int& value) {
    Ork_String text;
    if (!getCellText(column, row, text, kTextValue))
        return false;
    value = _wtoi(text.c_str());
    return true;
}

bool Ork_Spread::getCellDouble(int column, int row, double& value) {
    Ork_String text;
    if (!getCellText(column, row, text, kTextValue))
        return false;
    value = _wtof(text.c_str());
    return true;
}

bool Ork_Spread::setCellInt(int column, int row, int value) {
    return m_created && ssSetValue(column, row, Ork_String(value).c_str());
}

bool Ork_Spread::setCellDouble(int column, int row, double value) {
    return m_created && ssSetData(column, row, Ork_String(value, 2).c_str());
}

bool Ork_Spread::setColumnTexts(int column, const Ork_StringArray& texts, bool asValue) {
    if (!m_created || column > getMaxCols())
        return false;
    const int count = std::min(texts.length(), getMaxRows());
    for (int i = 0; i < count; ++i)
        setText(column, i + 1, texts[i], asValue);
    return true;
}

bool Ork_Spread::setColumnInts(int column, const Ork_Array<int>& values) {
    Ork_StringArray texts;
    for (int v : values)
        texts.append(Ork_String(v));
    return setColumnTexts(column, texts, false);
}

bool Ork_Spread::setColumnDoubles(int column, const Ork_Array<double>& values) {
    Ork_StringArray texts;
    for (double v : values)
        texts.append(Ork_String(v, 2));
    return setColumnTexts(column, texts, false);
}

bool Ork_Spread::setColumnBools(int column, const Ork_Array<bool>& values) {
    Ork_StringArray texts;
    for (bool v : values)
        texts.append(Ork_String(v ? u"1" : u"0"));
    return setColumnTexts(column, texts, false);
}

bool Ork_Spread::setRowTexts(int row, const Ork_StringArray& texts, bool asValue) {
    if (!m_created || row > getMaxRows())
        return false;
    const int count = std::min(texts.length(), getMaxCols());
    for (int i = 0; i < count; ++i)
        setText(i + 1, row, texts[i], asValue);
    return true;
}

bool Ork_Spread::getColumnTexts(int column, Ork_StringArray& texts, int kind) {
    if (!m_created || column > getMaxCols())
        return false;
    texts.removeAll();
    const int rows = getMaxRows();
    for (int r = 1; r <= rows; ++r) {
        Ork_String text;
        getCellText(column, r, text, kind);
        texts.append(text);
    }
    return true;
}

bool Ork_Spread::getColumnInts(int column, Ork_Array<int>& values) {
    Ork_StringArray texts;
    if (!getColumnTexts(column, texts, kTextValue))
        return false;
    values.removeAll();
    for (const Ork_String& t : texts)
        values.append(_wtoi(t.c_str()));
    return true;
}

bool Ork_Spread::getColumnDoubles(int column, Ork_Array<double>& values) {
    Ork_StringArray texts;
    if (!getColumnTexts(column, texts, kTextValue))
        return false;
    values.removeAll();
    for (const Ork_String& t : texts)
        values.append(_wtof(t.c_str()));
    return true;
}

bool Ork_Spread::getColumnBools(int column, Ork_Array<bool>& values) {
    Ork_StringArray texts;
    if (!getColumnTexts(column, texts, kTextValue))
        return false;
    values.removeAll();
    for (const Ork_String& t : texts)
        values.append(t == u"1");
    return true;
}

bool Ork_Spread::getRowTexts(int row, Ork_StringArray& texts) {
    if (!m_created || row > getMaxRows())
        return false;
    texts.removeAll();
    const int columns = getMaxCols();
    for (int c = 1; c <= columns; ++c) {
        Ork_String text;
        getCellText(c, row, text, kTextValue);
        texts.append(text);
    }
    return true;
}

bool Ork_Spread::getAllRows(Ork_Array<Ork_StringArray>& rows) {
    if (!m_created)
        return false;
    rows.removeAll();
    const int count = getMaxRows();
    for (int r = 1; r <= count; ++r) {
        Ork_StringArray texts;
        getRowTexts(r, texts);
        rows.append(texts);
    }
    return true;
}

bool Ork_Spread::clearRow(int row) {
    if (!m_created || row < 1 || row > getMaxRows())
        return false;
    const int columns = getMaxCols();
    for (int c = 1; c <= columns; ++c)
        ssSetValue(c, row, u"");
    return true;
}

bool Ork_Spread::clearRows(int firstRow, int lastRow) {
    if (!m_created)
        return false;
    for (int r = firstRow; r <= lastRow; ++r)
        clearRow(r);
    return true;
}

bool Ork_Spread::setRowHeaderTexts(const Ork_StringArray& texts) {
    if (!m_created)
        return false;
    for (int i = 0; i < texts.length(); ++i)
        ssSetData(kHeader, i + 1, texts[i].c_str());
    return true;
}

bool Ork_Spread::setColumnHeaderTexts(const Ork_StringArray& texts) {
    if (!m_created)
        return false;
    for (int i = 0; i < texts.length(); ++i)
        ssSetData(i + 1, kHeader, texts[i].c_str());
    return true;
}

bool Ork_Spread::getColumnHeaderTexts(Ork_StringArray& texts) {
    if (!m_created)
        return false;
    texts.removeAll();
    const int columns = getMaxCols();
    for (int c = 1; c <= columns; ++c) {
        Ork_String text;
        getCellText(c, kHeader, text, kTextValue);
        texts.append(text);
    }
    return true;
}

bool Ork_Spread::setColumnIndexList(int column, const Ork_Array<int>& indices) {
    if (!m_created || column > getMaxCols())
        return false;
    const int rows = getMaxRows();
    Ork_StringArray texts;
    for (int index : indices)
        texts.append(Ork_String(index < 0 || index > rows ? 0 : index));
    return setColumnTexts(column, texts, true);
}

// ---- Cell types and locks

bool Ork_Spread::setEditType(int col1, int row1, int col2, int row2, long style, int maxLength) {
    if (!m_created)
        return false;
    BuiltType& built = m_editType;
    if (!built.built || built.style != style || built.size != maxLength) {
        built.type = grid::CellType{};
        built.built = ssSetTypeEdit(built.type, style, maxLength, 0, 1);
        built.style = style;
        built.size = maxLength;
    }
    return ssSetCellTypeRange(col1, row1, col2, row2, built.type);
}

bool Ork_Spread::setTextCells(int col1, int row1, int col2, int row2) {
    return setEditType(col1, row1, col2, row2, 0x110000, 200);
}

bool Ork_Spread::setNumberCell(int column, int row, int decimals, bool styleFlag) {
    if (!m_created)
        return false;
    const long style = 0x10000000L | (styleFlag ? 0x400000L : 0x100000L);
    BuiltType& built = m_numberType;
    if (!built.built || built.style != style || built.size != decimals) {
        built.type = grid::CellType{};
        built.built = ssSetTypeNumber(built.type, style, decimals, -kNumberLimit, kNumberLimit, false);
        built.style = style;
        built.size = decimals;
    }
    return ssSetCellType(column, row, built.type);
}

bool Ork_Spread::setListType(int col1, int row1, int col2, int row2, const Ork_StringArray& items, bool flag) {
    if (!m_created)
        return false;
    grid::CellType type;
    ssSetTypeComboBox(type, flag ? 0x100002L : 0x100000L, joinItems(items).c_str());
    return ssSetCellTypeRange(col1, row1, col2, row2, type);
}

bool Ork_Spread::setListCell(int column, int row, const Ork_StringArray& items, bool flag) {
    return setListType(column, row, column, row, items, flag);
}

bool Ork_Spread::setListColumn(int column, const Ork_StringArray& items, bool flag) {
    if (!m_created)
        return false;
    return setListType(column, 1, column, getMaxRows(), items, flag);
}

void Ork_Spread::loadCheckPictures() {
    if (m_uncheckedPicture.isNull())
        m_uncheckedPicture = ui::Resources::loadBitmap(8136);
    if (m_checkedPicture.isNull())
        m_checkedPicture = ui::Resources::loadBitmap(8134);
}

grid::CellType Ork_Spread::checkBoxType() {
    loadCheckPictures();
    // Picture kind 6: a bitmap handle. Up and focus-up show the cleared face, down and focus-down the checked one.
    const auto unchecked = static_cast<std::uint64_t>(m_uncheckedPicture.resourceId);
    const auto checked = static_cast<std::uint64_t>(m_checkedPicture.resourceId);
    grid::CellType type;
    ssSetTypeCheckBox(type, 0x300, u"", unchecked, 6, checked, 6, unchecked, 6, checked, 6, 0, 0, 0, 0);
    return type;
}

bool Ork_Spread::setCheckBoxColumn(int column, bool border, bool spanHeader) {
    if (!m_created || column < 1 || column > getMaxCols())
        return false;
    const int rows = getMaxRows();
    ssSetCellTypeRange(column, 1, column, rows, checkBoxType());
    if (border)
        ssSetBorderRange(column, 1, column, rows, 2, 6, 0);
    if (spanHeader)
        ssAddCellSpan(column, kHeader, 2, 1);
    return true;
}

bool Ork_Spread::setCheckBoxCell(int column, int row, bool border) {
    if (!m_created)
        return false;
    if (!ssSetCellType(column, row, checkBoxType()))
        return false;
    if (border)
        ssSetBorder(column, row, 2, 6, 0);
    return true;
}

bool Ork_Spread::setButtonColumn(int column, const Ork_String& caption, bool spanHeader) {
    if (!m_created || column < 1 || column > getMaxCols())
        return false;
    grid::CellType type;
    ssSetTypeButton(type, 0, caption.c_str(), 0, 0, 0, 0, 0, 1, nullptr);
    ssSetCellTypeRange(column, 1, column, getMaxRows(), type);
    if (spanHeader && column > 1)
        ssAddCellSpan(column - 1, kHeader, 2, 1);
    setModified();
    return true;
}

bool Ork_Spread::setButtonCell(int column, int row, const Ork_String& caption, bool spanHeader) {
    if (!m_created)
        return false;
    grid::CellType type;
    ssSetTypeButton(type, 0, caption.c_str(), 0, 0, 0, 0, 0, 1, nullptr);
    if (!ssSetCellType(column, row, type))
        return false;
    if (spanHeader && column > 1)
        ssAddCellSpan(column - 1, kHeader, 2, 1);
    setModified();
    return true;
}

bool Ork_Spread::setPictureCell(int column, int row, int resourceId, bool isIcon) {
    if (!m_created)
        return false;
    ui::Image picture = isIcon ? ui::Resources::loadIcon(resourceId) : ui::Resources::loadBitmap(resourceId);
    if (picture.isNull())
        return false;   // a missing resource would give the cell an empty picture
    grid::CellType type;
    ssSetTypePicture(type, isIcon ? 0x211004L : 0x210024L, static_cast<std::uint64_t>(picture.resourceId), 0, true);
    return ssSetCellType(column, row, type);
}

bool Ork_Spread::setImageRow(const Ork_String& imageFile, int column, int row) {
    if (!m_created || !os::fileExists(imageFile))
        return false;
    std::string bytes;
    ui::Canvas image;
    std::u16string error;
    if (!os::readBytes(imageFile, bytes) ||
        !ui::readBmp(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), image, error))
        return false;   // a file that is no picture leaves the row as it was
    ssSetRowHeightInPixels(row, image.height());
    const int columns = getMaxCols();
    if (column <= columns)
        ssAddCellSpan(column, row, columns - column + 1, 1);
    if (column > 1)
        ssSetBorder(column - 1, row, 18, 6, 0x8000000B);
    grid::CellType type;
    ssSetTypePictureFile(type, 36, imageFile.c_str());
    type.pictureBytes = std::make_shared<const std::string>(std::move(bytes));
    return ssSetCellType(column, row, type);
}

bool Ork_Spread::setStaticHeaders(bool skipLists) {
    if (!m_created)
        return false;
    grid::CellType type;
    ssSetTypeStaticText(type, 140);
    const int columns = getMaxCols();
    if (columns > 0)
        ssSetCellTypeRange(1, kHeader, columns, kHeader, type);
    for (int c = 1; c <= columns; ++c)
        autoFitColumn(c, skipLists);
    return true;
}

bool Ork_Spread::lockColumn(int column) {
    if (!m_created || column < 1 || column > getMaxCols())
        return false;
    const int rows = getMaxRows();
    return rows < 1 || ssSetLockRange(column, 1, column, rows, true);
}

bool Ork_Spread::setCellLock(int column, int row, bool locked) { return m_created && ssSetLock(column, row, locked); }

int Ork_Spread::getCellTypeCode(int column, int row) {
    grid::CellType type;
    if (!m_created || !ssGetCellType(column, row, type))
        return -1;
    return type.typeCode();
}

bool Ork_Spread::setCheckCellsInSelection(bool checked) {
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    if (!getSelection(col1, row1, col2, row2))
        return false;
    const int columns = getMaxCols(), rows = getMaxRows();
    // A negative end reaches the last column or row; the headers are never check cells.
    if (col2 < 0)
        col2 = columns;
    if (row2 < 0)
        row2 = rows;
    col1 = std::max(col1, 1), row1 = std::max(row1, 1);
    col2 = std::min(col2, columns), row2 = std::min(row2, rows);
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c)
            if (getCellTypeCode(c, r) == 12)
                ssSetData(c, r, checked ? u"1" : u"0");
    setModified();
    return true;
}
