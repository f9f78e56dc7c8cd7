#pragma once
// All variables of a standards spreadsheet, in declaration order, with the mapping that connects them to a
// macro.
#include "SS/ssExport.h"
#include "cadhost/ErrorStatus.h"
#include "nuvo/Ork_Array.h"
#include "standards/KvSSMapping.h"
#include "standards/KvVarCell.h"

class KvDlgStandardsData;
class Ork_Spread;

class SS_EXPORT KvVarCells {
public:
    KvVarCells();
    KvVarCells(const KvVarCells& other);
    KvVarCells& operator=(const KvVarCells& other);
    KvVarCells(KvVarCells&& other) noexcept;
    KvVarCells& operator=(KvVarCells&& other) noexcept;
    virtual ~KvVarCells();

    int length() const { return cells_.length(); }
    KvVarCell& operator[](int index) { return cells_[index]; }
    const KvVarCell& operator[](int index) const { return cells_[index]; }
    auto begin() { return cells_.begin(); }
    auto end() { return cells_.end(); }
    auto begin() const { return cells_.begin(); }
    auto end() const { return cells_.end(); }
    int append(const KvVarCell& cell) { return cells_.append(cell); }
    int append(KvVarCell&& cell) { return cells_.append(std::move(cell)); }
    bool removeAt(int index) { return cells_.removeAt(index); }
    // Empties the cells; the mapping stays.
    void resetVarCells() { cells_.removeAll(); }
    // Replaces the cells with these; the mapping stays.
    void takeCells(Ork_Array<KvVarCell>&& cells) { cells_ = std::move(cells); }
    // Replaces the cells with copies of these, in the room of the cells held when there are as many (an
    // evaluation of the same document takes the same declarations again); the mapping stays.
    void copyCells(const Ork_Array<KvVarCell>& cells) {
        if (cells_.length() != cells.length()) {
            cells_ = cells;
            return;
        }
        for (int i = 0; i < cells.length(); ++i)
            cells_[i] = cells[i];
    }
    KvSSMapping& mapping() { return mapping_; }
    const KvSSMapping& mapping() const { return mapping_; }

    // The first cell with exactly that name.
    ErrorStatus findVarCell(const Ork_String& name, int& index) const;

    // Fills the cells from the record's macro: locals empty, inputs and outputs through the mapping, which is
    // initialised first. A variable the macro cannot give keeps its value (with a warning when the standards
    // messages are on); a mapping that cannot be initialised leaves every cell as it was. Fails only for a
    // record without macro and without module group.
    ErrorStatus getFromMacro(const KvDlgStandardsData& standardsData);
    // Writes every output to the macro; a variable the macro does not take is skipped.
    ErrorStatus setToMacro(const KvDlgStandardsData& standardsData) const;
    // Every cell writes its value into its declaration cell; stops at the first refusal.
    ErrorStatus setValuesToSS(Ork_Spread& sheet) const;
    // Every output reads its value from its declaration cell; stops at the first failure.
    ErrorStatus getValuesFromSS(Ork_Spread& sheet);
    // Every input of these cells has a namesake in `other` with the same value type and exactly the same value.
    bool hasSameInput(const KvVarCells& other) const;

private:
    Ork_Array<KvVarCell> cells_;
    KvSSMapping mapping_;
};
