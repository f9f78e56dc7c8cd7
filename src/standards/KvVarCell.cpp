#include "standards/KvVarCell.h"

#include "nuvo/textHelpers.h"
#include "spread/Ork_Spread.h"
#include "standards/KvSSMapping.h"

// Special members are defined here, out of line, so that they are part of the module's exported interface.
KvVarCell::KvVarCell() = default;
KvVarCell::KvVarCell(const KvVarCell& other) = default;
KvVarCell& KvVarCell::operator=(const KvVarCell& other) = default;
KvVarCell::KvVarCell(KvVarCell&& other) noexcept = default;
KvVarCell& KvVarCell::operator=(KvVarCell&& other) noexcept = default;
KvVarCell::~KvVarCell() = default;

bool KvVarCell::parseDeclaration(const Ork_String& text, KvValueType& valueType, Ork_String& name) {
    // Blanks at both ends are no part of the declaration (a view: every cell of a sheet is tried).
    std::u16string_view stripped(text);
    const std::size_t first = stripped.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return false;
    stripped = stripped.substr(first, stripped.find_last_not_of(u' ') - first + 1);
    // A plain prefix test: "Integer x" declares an Int named x, as sheets in use rely on.
    if (stripped.starts_with(u"Int"))
        valueType = KvValueType::Int;
    else if (stripped.starts_with(u"Double"))
        valueType = KvValueType::Double;
    else if (stripped.starts_with(u"String"))
        valueType = KvValueType::String;
    else
        return false;
    const auto blank = stripped.find(u' ');
    name = blank == std::u16string_view::npos ? Ork_String() : Ork_String(stripped.substr(blank + 1).data(), stripped.size() - blank - 1);
    return true;
}

ErrorStatus KvVarCell::initialize(Ork_Spread& sheet, int col_, int row_, KvCellType cellType_) {
    Ork_String text;
    if (!sheet.getCellText(col_, row_, text, Ork_Spread::kTextValue))
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
    // Filled in place: a group none of whose modules has the property answers eOk without a value, and the
    // cell then keeps what it held.
    return mapping.getMacroVarValue(name, valueType, value, standardsData) == eOk ? eOk : eInvalidInput;
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
    return sheet.getCellText(col, row, text, Ork_Spread::kTextValue) ? eOk : eInvalidInput;
}
