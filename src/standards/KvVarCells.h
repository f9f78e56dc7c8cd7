#pragma once
// All variables of a standards spreadsheet, in declaration order, with the mapping that connects them to a
// macro.
#include "frame/ssExport.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "standards/KvSSMapping.h"
#include "standards/KvVarCell.h"

class SS_EXPORT KvVarCells {
public:
    KvVarCells();
    KvVarCells(const KvVarCells& other);
    KvVarCells& operator=(const KvVarCells& other);
    virtual ~KvVarCells();

    int length() const { return cells_.length(); }
    KvVarCell& operator[](int index) { return cells_[index]; }
    const KvVarCell& operator[](int index) const { return cells_[index]; }
    int append(const KvVarCell& cell) { return cells_.append(cell); }
    bool removeAt(int index) { return cells_.removeAt(index); }
    // Empties the cells; the mapping stays.
    void resetVarCells() { cells_.removeAll(); }
    KvSSMapping& mapping() { return mapping_; }
    const KvSSMapping& mapping() const { return mapping_; }

    // The first cell with exactly that name.
    ErrorStatus findVarCell(const Ork_String& name, int& index) const {
        for (int i = 0; i < cells_.length(); ++i) {
            if (cells_[i].name.equal(name, false)) {
                index = i;
                return eOk;
            }
        }
        return eInvalidInput;
    }

private:
    Ork_Array<KvVarCell> cells_;
    KvSSMapping mapping_;
};
