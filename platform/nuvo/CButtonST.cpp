#include "nuvo/CButtonST.h"

bool CButtonST::attach(ui::Window& dialog, int id, int iconId, std::u16string_view tooltip) {
    if (!dialog.getDlgItem(id))
        return false;
    // The icon is looked up first, so a missing icon leaves the template's button in place.
    ui::ImageButton probe;
    if (!probe.setIconResource(iconId) || !dialog.subclassDlgItem(id, *this))
        return false;
    setIconResource(iconId);
    setFlat(true);
    setTooltipText(tooltip);
    return true;
}
