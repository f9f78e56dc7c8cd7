#pragma once
// One variable of a standards spreadsheet: its declaration's name, role, value type and place in the grid,
// and its current value as text.
#include "frame/ssExport.h"
#include "nuvo/Ork_String.h"
#include "standards/KvCellType.h"
#include "standards/KvValueType.h"

#include <cstdint>

class SS_EXPORT KvVarCell {
public:
    Ork_String name;
    KvCellType cellType = KvCellType::Input;
    Ork_String value;
    KvValueType valueType = KvValueType::String;
    std::int32_t col = 0;   // 1-based grid place of the declaration; 0 when not placed in a grid
    std::int32_t row = 0;

    KvVarCell(const Ork_String& name_, KvCellType cellType_, KvValueType valueType_, const Ork_String& value_ = {})
        : name(name_), cellType(cellType_), value(value_), valueType(valueType_) {}
    KvVarCell();
    KvVarCell(const KvVarCell& other);
    KvVarCell& operator=(const KvVarCell& other);
    virtual ~KvVarCell();

    bool isInput() const { return cellType == KvCellType::Input; }
    bool isOutput() const { return cellType == KvCellType::Output; }
    bool isLocal() const { return cellType == KvCellType::Local; }
};
