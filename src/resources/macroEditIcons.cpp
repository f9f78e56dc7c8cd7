// The icons of the macro definition editor, drawn here: add (a green plus), remove (a red cross), select (an
// arrow on a frame) and zoom (a magnifying glass), 16 x 16 on white.
#include "resources/resourceIds.h"
#include "ui/Resources.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

namespace ssres {

namespace {

constexpr int kSide = 16;

ui::Canvas plusIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.fillRect(7, 2, 9, 14, ui::rgb(0, 140, 0));
    c.fillRect(2, 7, 14, 9, ui::rgb(0, 140, 0));
    return c;
}

ui::Canvas crossIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    for (int i = 0; i < 2; ++i) {
        c.drawLine(3 + i, 3, 12 + i, 12, ui::rgb(200, 0, 0));
        c.drawLine(12 + i, 3, 3 + i, 12, ui::rgb(200, 0, 0));
    }
    return c;
}

ui::Canvas selectIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.frameRect(1, 1, 12, 12, ui::colors::darkGrey);
    for (int i = 0; i < 7; ++i)
        c.drawHLine(6, 7 + i, 6 + i, ui::colors::black);   // the arrow's head
    c.drawLine(8, 10, 13, 15, ui::colors::black);
    return c;
}

ui::Canvas zoomIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.frameRect(1, 1, 10, 10, ui::rgb(0, 0, 160), 2);
    for (int i = 0; i < 2; ++i)
        c.drawLine(9 + i, 9, 14 + i, 14, ui::rgb(96, 64, 0));
    return c;
}

} // namespace

void addMacroEditIcons(ui::ResourceModule& module) {
    module.addIcon(IDI_EDIT_REMOVE, ui::encodeBmp(crossIcon()), {kSide, kSide});
    module.addIcon(IDI_EDIT_ADD, ui::encodeBmp(plusIcon()), {kSide, kSide});
    module.addIcon(IDI_EDIT_SELECT, ui::encodeBmp(selectIcon()), {kSide, kSide});
    module.addIcon(IDI_EDIT_ZOOM, ui::encodeBmp(zoomIcon()), {kSide, kSide});
}

} // namespace ssres
