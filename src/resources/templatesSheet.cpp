// Templates of the spreadsheet windows. The grid of each is placed over the static frame 1196.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

namespace ssres {

namespace {

ui::DialogTemplate gridDialog(int id, std::u16string caption, ui::Size size) {
    ui::DialogTemplate t = okCancelDialog(id, std::move(caption), size, true);
    t.add(u"Static", IDC_FRAME_GRID, u"", ui::WS_VISIBLE | ui::SS_BLACKFRAME, ui::Rect::fromSize(7, 7, size.cx - 14, size.cy - 44));
    return t;
}

} // namespace

void addSheetTemplates(ui::ResourceModule& module) {
    module.addDialog(gridDialog(IDD_FORMULA, u"Formulas", {480, 320}));
    ui::DialogTemplate stringArray = gridDialog(IDD_STRING_ARRAY, u"", {420, 300});
    stringArray.add(u"Button", 1088, u"Add", ui::WS_VISIBLE | ui::WS_TABSTOP, ui::Rect::fromSize(7, 300 - 30, 75, 23));
    stringArray.add(u"Button", 1089, u"Remove", ui::WS_VISIBLE | ui::WS_TABSTOP, ui::Rect::fromSize(89, 300 - 30, 75, 23));
    module.addDialog(std::move(stringArray));
    // The standards window is never shown: its template is not visible, so a modeless creation stays hidden.
    module.addDialog(gridDialog(IDD_SS_STANDARDS, u"", {400, 300}));
    module.addDialog(okCancelDialog(IDD_GEN_VARS, u"", {460, 320}, true));
}

} // namespace ssres
