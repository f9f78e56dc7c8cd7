// Templates of the dialog designer: the designer window (227). The page is drawn from the client area's
// top-left corner; the tools and property boxes stand in a column at the right, which follows the window's
// right edge when it is resized.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {

namespace {

using ui::Rect;
constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kField = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr int kIconButton = 24;
constexpr int kComboHeight = 22;

ui::DialogTemplate designerDialog() {
    constexpr ui::Size size{640, 480};
    constexpr int column = 448;                 // left edge of the tools
    constexpr int width = size.cx - column - 7;
    constexpr int step = kIconButton + 6;
    ui::DialogTemplate t;
    t.id = IDD_DESIGNER;
    t.size = size;
    t.style |= ui::WS_THICKFRAME;
    // File and picture; then the controls; then their sizes and alignment.
    const int fileRow[] = {IDC_DD_OPEN, IDC_DD_SAVE_AS, IDC_DD_PICTURE};
    for (int i = 0; i < 3; ++i)
        t.add(u"Button", fileRow[i], u"", kButton, Rect::fromSize(column + i * step, 7, kIconButton, kIconButton));
    const int controlRow[] = {IDC_DD_ADD, IDC_DD_DELETE, IDC_DD_COPY};
    for (int i = 0; i < 3; ++i)
        t.add(u"Button", controlRow[i], u"", kButton, Rect::fromSize(column + i * step, 7 + step, kIconButton, kIconButton));
    const int sizeRow[] = {IDC_DD_WIDTH, IDC_DD_HEIGHT, IDC_DD_ALIGN_BOTTOMS, IDC_DD_ATTACH_RIGHT};
    for (int i = 0; i < 4; ++i)
        t.add(u"Button", sizeRow[i], u"", kButton, Rect::fromSize(column + i * step, 7 + 2 * step, kIconButton, kIconButton));
    // The property boxes of the selected control, each in a frame that labels it.
    constexpr int boxes = 7 + 3 * step + 6;
    constexpr int frame = 52;
    t.add(u"Button", IDC_DD_TYPE_FRAME, u"", kFrame, Rect::fromSize(column, boxes, width, frame - 6));
    t.add(u"ComboBox", IDC_DD_TYPE, u"", kList, Rect::fromSize(column + 8, boxes + 16, width - 16, kComboHeight));
    t.add(u"Button", IDC_DD_CONTENTS_LABEL, u"", kFrame, Rect::fromSize(column, boxes + frame, width, frame - 6));
    t.add(u"Edit", IDC_DD_CONTENTS, u"", kField, Rect::fromSize(column + 8, boxes + frame + 17, width - 16, 20));
    t.add(u"Button", IDC_DD_EXTRA_LABEL, u"", kFrame, Rect::fromSize(column, boxes + 2 * frame, width, frame - 6));
    t.add(u"Edit", IDC_DD_EXTRA, u"", kField, Rect::fromSize(column + 8, boxes + 2 * frame + 17, width - 16, 20));
    t.add(u"Button", ui::IDOK, u"", kButton | ui::BS_DEFPUSHBUTTON,
          Rect::fromSize(size.cx - 82, size.cy - 30, 75, 23));
    // Present for the dialog manager, never shown.
    t.add(u"Button", ui::IDCANCEL, u"", ui::WS_TABSTOP | ui::BS_PUSHBUTTON, Rect::fromSize(size.cx - 164, size.cy - 30, 75, 23));
    return t;
}

} // namespace

void addDesignerTemplates(ui::ResourceModule& module) {
    module.addDialog(designerDialog());
}

} // namespace ssres
