#include "nuvo/CCheckComboBox.h"

bool CCheckComboBox::attach(ui::Window& dialog, int id) {
    ui::Window* existing = dialog.getDlgItem(id);
    return existing && existing->isClass(u"ComboBox") && dialog.subclassDlgItem(id, *this);
}

void CCheckComboBox::setItems(const Ork_StringArray& texts, const AcArray<bool>& checked, int select) {
    resetContent();
    for (int i = 0; i < texts.length(); ++i)
        addItem(texts[i], i < checked.length() && checked[i]);
    setCurSel(select >= 0 && select < getCount() ? select : -1);
}

int CCheckComboBox::addItem(std::u16string_view text, bool checked) {
    const int index = insertString(-1, text);
    if (index >= 0)
        setItemChecked(index, checked);
    return index;
}

AcArray<bool> CCheckComboBox::checks() const {
    AcArray<bool> out;
    for (int i = 0; i < getCount(); ++i)
        out.append(getItemChecked(i));
    return out;
}
