#include "nuvo/controlHelpers.h"

#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Window.h"

bool FillCombo(ui::Window* combo, const Ork_StringArray& items) {
    auto* box = ui::isWindow(combo) ? dynamic_cast<ui::ComboBox*>(combo) : nullptr;
    if (!box)
        return false;
    box->resetContent();
    for (const Ork_String& item : items)
        box->addString(item);
    return true;
}

bool ShowOrHideCtrl(ui::Window* dialog, int id, bool show) {
    ui::Window* control = ui::isWindow(dialog) ? dialog->getDlgItem(id) : nullptr;
    if (!control)
        return false;
    control->showWindow(show ? ui::SW_SHOW : ui::SW_HIDE);
    return true;
}

bool disableTriState(ui::Window* checkBox) {
    auto* box = dynamic_cast<ui::Button*>(checkBox);
    if (!box || !box->isCheckBox())
        return false;
    if (box->getCheck() == ui::BST_INDETERMINATE)
        box->setCheck(ui::BST_UNCHECKED);
    const unsigned type = box->buttonType();
    if (type == ui::BS_AUTO3STATE)
        box->setButtonStyle(ui::BS_AUTOCHECKBOX);
    else if (type == ui::BS_3STATE)
        box->setButtonStyle(ui::BS_CHECKBOX);
    return true;
}

bool changeCheckStatus(ui::Window* checkBox, int state) {
    auto* box = dynamic_cast<ui::Button*>(checkBox);
    if (!box || !box->isCheckBox())
        return false;
    const unsigned type = box->buttonType();
    if (state == ui::BST_INDETERMINATE && type == ui::BS_AUTOCHECKBOX)
        box->setButtonStyle(ui::BS_AUTO3STATE);
    else if (state == ui::BST_INDETERMINATE && type == ui::BS_CHECKBOX)
        box->setButtonStyle(ui::BS_3STATE);
    box->setCheck(state);
    return true;
}
