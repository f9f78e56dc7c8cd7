#pragma once
// The host's check-list combo box: a list whose items each carry a check mark, as the section library editor
// lists its groups and types with their enabled flags. A user's toggle flips the mark and notifies the parent
// (CBN_SELCHANGE); filling it does not.
#include "nuvo/Ork_StringArray.h"
#include "cadhost/AcArray.h"
#include "ui/ComboBox.h"

class CCheckComboBox : public ui::ComboBox {
public:
    // Takes the place of the dialog's combo box `id`; false when there is none.
    bool attach(ui::Window& dialog, int id);

    // Replaces the items: one per text, checked as `checked` says (unchecked past its end). The selection
    // stays on `select` when that is an item, else there is none.
    void setItems(const Ork_StringArray& texts, const AcArray<bool>& checked, int select = -1);
    int addItem(std::u16string_view text, bool checked);
    bool isChecked(int index) const { return getItemChecked(index); }
    bool setChecked(int index, bool checked) { return setItemChecked(index, checked); }
    // The check mark of every item, in order.
    AcArray<bool> checks() const;
};
