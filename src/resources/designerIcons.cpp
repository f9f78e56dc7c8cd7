// The icons of the dialog designer, drawn here: its window icon (a page with controls on a picture) and the
// tool buttons' copy, picture, open, save, width and height, 16 x 16 on white. Add and delete share the macro
// editor's plus and cross (macroEditIcons.cpp).
#include "resources/resourceIds.h"
#include "ui/Resources.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

namespace ssres {

namespace {

constexpr int kSide = 16;
constexpr int kBigSide = 32;
constexpr ui::Color kInk = ui::rgb(0, 0, 128);

ui::Canvas designerIcon() {
    ui::Canvas c(kBigSide, kBigSide, ui::colors::white);
    c.fillRect(2, 2, 30, 30, ui::rgb(255, 255, 224));
    c.frameRect(2, 2, 30, 30, ui::colors::black);
    c.fillRect(2, 2, 30, 7, kInk);                       // the page's caption
    c.frameRect(6, 11, 18, 17, ui::colors::black);       // an edit field
    c.frameRect(6, 20, 18, 26, ui::colors::black);
    c.drawSelectionHandles(ui::Rect{6, 20, 18, 26}, 2, true, ui::colors::black);
    c.fillRect(21, 11, 27, 26, ui::rgb(0, 140, 0));      // a picture beside them
    return c;
}

ui::Canvas copyIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.frameRect(1, 1, 10, 11, kInk);
    c.fillRect(5, 5, 15, 15, ui::colors::white);
    c.frameRect(5, 5, 15, 15, kInk);
    return c;
}

ui::Canvas pictureIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.fillRect(1, 2, 15, 14, ui::rgb(160, 200, 255));
    c.frameRect(1, 2, 15, 14, ui::colors::black);
    for (int i = 0; i < 5; ++i)
        c.drawHLine(6 - i, 7 + i, 8 + i, ui::rgb(0, 120, 0));   // a hill
    c.fillRect(10, 4, 13, 7, ui::rgb(255, 200, 0));             // the sun
    return c;
}

ui::Canvas openIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.fillRect(1, 4, 7, 6, ui::rgb(200, 160, 40));     // the folder's tab
    c.fillRect(1, 6, 15, 14, ui::rgb(240, 200, 80));
    c.frameRect(1, 6, 15, 14, ui::rgb(120, 90, 0));
    return c;
}

ui::Canvas saveIcon() {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    c.fillRect(1, 1, 15, 15, kInk);
    c.fillRect(4, 2, 12, 7, ui::colors::white);        // the label
    c.fillRect(5, 10, 11, 15, ui::rgb(192, 192, 192));  // the shutter
    return c;
}

// A double arrow across (width) or up and down (height).
ui::Canvas sizeIcon(bool horizontal) {
    ui::Canvas c(kSide, kSide, ui::colors::white);
    for (int i = 0; i < 4; ++i) {
        if (horizontal) {
            c.drawVLine(2 + i, 8 - i, 9 + i, ui::colors::black);
            c.drawVLine(13 - i, 8 - i, 9 + i, ui::colors::black);
        } else {
            c.drawHLine(8 - i, 9 + i, 2 + i, ui::colors::black);
            c.drawHLine(8 - i, 9 + i, 13 - i, ui::colors::black);
        }
    }
    if (horizontal)
        c.fillRect(2, 7, 14, 9, ui::colors::black);
    else
        c.fillRect(7, 2, 9, 14, ui::colors::black);
    return c;
}

} // namespace

void addDesignerIcons(ui::ResourceModule& module) {
    module.addIcon(IDI_DESIGNER, ui::encodeBmp(designerIcon()), {kBigSide, kBigSide});
    module.addIcon(IDI_DESIGN_COPY, ui::encodeBmp(copyIcon()), {kSide, kSide});
    module.addIcon(IDI_DESIGN_PICTURE, ui::encodeBmp(pictureIcon()), {kSide, kSide});
    module.addIcon(IDI_DESIGN_OPEN, ui::encodeBmp(openIcon()), {kSide, kSide});
    module.addIcon(IDI_DESIGN_SAVE, ui::encodeBmp(saveIcon()), {kSide, kSide});
    module.addIcon(IDI_DESIGN_WIDTH, ui::encodeBmp(sizeIcon(true)), {kSide, kSide});
    module.addIcon(IDI_DESIGN_HEIGHT, ui::encodeBmp(sizeIcon(false)), {kSide, kSide});
}

} // namespace ssres
