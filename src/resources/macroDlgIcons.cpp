// The icons of the macro dialog, drawn here, 16 x 16 on white: the four views (a cube seen from the front,
// side, top and at an angle), load from standards (a sheet), open and save values (a folder, a disk) and the
// clash check (two overlapping boxes). The select button shares the macro editor's select icon.
#include "resources/resourceIds.h"
#include "ui/Resources.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

namespace ssres {

namespace {

constexpr int kSide = 16;

ui::Canvas viewIcon(int view) {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.frameRect(3, 3, 13, 13, ui::colors::black);
    // A mark on the face the view looks at: none for the angled view.
    if (view == 0)
        c.fillRect(6, 6, 10, 10, ui::rgb(0, 90, 200));
    else if (view == 1)
        c.fillRect(3, 6, 6, 10, ui::rgb(0, 90, 200));
    else if (view == 2)
        c.fillRect(6, 3, 10, 6, ui::rgb(0, 90, 200));
    else
        c.drawLine(3, 3, 13, 13, ui::rgb(0, 90, 200));
    return c;
}

ui::Canvas sheetIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.frameRect(2, 1, 14, 15, ui::colors::darkGrey);
    for (int y = 4; y < 14; y += 3)
        c.drawHLine(4, 12, y, ui::rgb(0, 140, 0));
    return c;
}

ui::Canvas folderIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.fillRect(1, 5, 15, 14, ui::rgb(230, 190, 60));
    c.fillRect(1, 3, 7, 5, ui::rgb(230, 190, 60));
    return c;
}

ui::Canvas diskIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.fillRect(2, 2, 14, 14, ui::rgb(40, 60, 140));
    c.fillRect(5, 2, 11, 7, ui::colors::white);
    return c;
}

ui::Canvas clashIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.frameRect(1, 1, 10, 10, ui::colors::black);
    c.frameRect(6, 6, 15, 15, ui::rgb(200, 0, 0));
    return c;
}

} // namespace

void addMacroDlgIcons(ui::ResourceModule& module) {
    module.addIcon(IDI_MD_VIEW_3, ui::encodeBmp(viewIcon(3)), {kSide, kSide});
    module.addIcon(IDI_MD_VIEW_0, ui::encodeBmp(viewIcon(0)), {kSide, kSide});
    module.addIcon(IDI_MD_VIEW_1, ui::encodeBmp(viewIcon(1)), {kSide, kSide});
    module.addIcon(IDI_MD_VIEW_2, ui::encodeBmp(viewIcon(2)), {kSide, kSide});
    module.addIcon(IDI_MD_STANDARDS, ui::encodeBmp(sheetIcon()), {kSide, kSide});
    module.addIcon(IDI_MD_OPEN, ui::encodeBmp(folderIcon()), {kSide, kSide});
    module.addIcon(IDI_MD_SAVE, ui::encodeBmp(diskIcon()), {kSide, kSide});
    module.addIcon(IDI_MD_CLASH, ui::encodeBmp(clashIcon()), {kSide, kSide});
}

} // namespace ssres
