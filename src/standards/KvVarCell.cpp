#include "standards/KvVarCell.h"

#include "nuvo/textHelpers.h"
#include "sheet/Ork_Spread.h"
#include "standards/KvSSMapping.h"

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvVarCell::KvVarCell() = default;
KvVarCell::KvVarCell(const KvVarCell& other) = default;
KvVarCell& KvVarCell::operator=(const KvVarCell& other) = default;
KvVarCell::~KvVarCell() = default;

bool KvVarCell::parseDeclaration(const Ork_String& text, KvValueType& valueType, Ork_String& name) {
    Ork_String stripped = text;
    stripSymbols(stripped, u' ', true, false);
    // A plain prefix test: "Integer x" declares an Int named x, as sheets in use rely on.
    if (stripped.startsWith(u"Int"))
        valueType = KvValueType::Int;
    else if (stripped.startsWith(u"Double"))
        valueType = KvValueType::Double;
    else if (stripped.startsWith(u"String"))
        valueType = KvValueType::String;
    else
        return false;
    const auto blank = stripped.find(u' ');
    name = blank == Ork_String::npos ? Ork_String() : stripped.mid(static_cast<int>(blank) + 1);
    return true;
}

ErrorStatus KvVarCell::initialize(Ork_Spread& sheet, int col_, int row_, KvCellType cellType_) {
    Ork_String text;
    if (!sheet.getCellText(col_, row_, text, 3))
        return eInvalidInput;
    KvValueType type = KvValueType::String;
    if (!parseDeclaration(text, type, name))
        return eInvalidInput;
    valueType = type;
    col = col_;
    row = row_;
    cellType = cellType_;
    return eOk;
}

ErrorStatus KvVarCell::setValueFromMacro(const KvSSMapping& mapping, const KvDlgStandardsData& standardsData) {
    Ork_String fetched;
    if (mapping.getMacroVarValue(name, valueType, fetched, standardsData) != eOk)
        return eInvalidInput;
    value = fetched;
    return eOk;
}

ErrorStatus KvVarCell::setValueToMacro(const KvSSMapping& mapping, const KvDlgStandardsData& standardsData) const {
    return mapping.setMacroVarValue(name, valueType, value, standardsData) == eOk ? eOk : eInvalidInput;
}

ErrorStatus KvVarCell::setValueFromOther(Ork_Spread& sheet, const KvVarCell& other) {
    return setNewValue(sheet, other.value);
}

ErrorStatus KvVarCell::setValueToSS(Ork_Spread& sheet) const {
    bool typed = false;
    switch (valueType) {
    case KvValueType::Int: typed = sheet.setNumberCell(col, row, 0, false); break;
    case KvValueType::Double: typed = sheet.setNumberCell(col, row, 7, false); break;
    case KvValueType::String:
        typed = sheet.setEditType(col, row, col, row, 0x110000, kMaxTextLength);
        break;
    }
    if (!typed)
        return eInvalidInput;
    return sheet.ssSetValue(col, row, value.c_str()) ? eOk : eInvalidInput;
}

ErrorStatus KvVarCell::getCurrentValue(Ork_Spread& sheet, Ork_String& text) const {
    if (col < 1 || row < 1 || col > sheet.getMaxCols() || row > sheet.getMaxRows())
        return eInvalidInput;
    return sheet.getCellText(col, row, text, 3) ? eOk : eInvalidInput;
}
