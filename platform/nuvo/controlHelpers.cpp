#include "nuvo/controlHelpers.h"

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
