#pragma once
// One variable of a standards spreadsheet: its declaration's name, role, value type and place in the grid,
// and its current value as text.
#include "SS/ssExport.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_String.h"
#include "standards/KvCellType.h"
#include "standards/KvValueType.h"

#include <cstdint>

class KvCalcSS;
class KvDlgStandardsData;
class KvSSMapping;
class Ork_Spread;

class SS_EXPORT KvVarCell {
public:
    Ork_String name;
    KvCellType cellType = KvCellType::Input;
    Ork_String value;
    KvValueType valueType = KvValueType::String;
    std::int32_t col = 0;   // 1-based grid place of the declaration; 0 when not placed in a grid
    std::int32_t row = 0;

    // Longest text a String variable's cells hold (declaration and statement cells alike).
    static constexpr int kMaxTextLength = 9999;

    KvVarCell(const Ork_String& name_, KvCellType cellType_, KvValueType valueType_, const Ork_String& value_ = {})
        : name(name_), cellType(cellType_), value(value_), valueType(valueType_) {}
    KvVarCell();
    KvVarCell(const KvVarCell& other);
    KvVarCell& operator=(const KvVarCell& other);
    KvVarCell(KvVarCell&& other) noexcept;
    KvVarCell& operator=(KvVarCell&& other) noexcept;
    virtual ~KvVarCell();

    // Reads the declaration at (col, row); on success takes its name and value type, the place and the role.
    // The value stays as it was.
    ErrorStatus initialize(Ork_Spread& sheet, int col, int row, KvCellType cellType);

    bool isInput() const { return cellType == KvCellType::Input; }
    bool isOutput() const { return cellType == KvCellType::Output; }
    bool isLocal() const { return cellType == KvCellType::Local; }

    ErrorStatus setValueFromMacro(const KvSSMapping& mapping, const KvDlgStandardsData& standardsData);
    ErrorStatus setValueToMacro(const KvSSMapping& mapping, const KvDlgStandardsData& standardsData) const;
    // Takes the other cell's value and writes it into this cell's declaration cell.
    ErrorStatus setValueFromOther(Ork_Spread& sheet, const KvVarCell& other);
    // Gives the declaration cell the cell type of the value type and writes the value into it.
    ErrorStatus setValueToSS(Ork_Spread& sheet) const;
    // The value text of the declaration cell.
    ErrorStatus getCurrentValue(Ork_Spread& sheet, Ork_String& text) const;

    // The value type a declaration text declares and the declared name; false when the text declares nothing.
    static bool parseDeclaration(const Ork_String& text, KvValueType& valueType, Ork_String& name);

private:
    friend class KvCalcSS;
    friend class KvVarCells;

    ErrorStatus setNewValue(const Ork_String& text) {
        value = text;
        return eOk;
    }
    ErrorStatus setNewValue(Ork_Spread& sheet, const Ork_String& text) {
        value = text;
        return setValueToSS(sheet);
    }
};
