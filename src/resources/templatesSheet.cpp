// Templates of the spreadsheet windows. The grid of each is placed over the static frame 1196.
#include "resources/moveIcons.h"
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <cstdint>
#include <cstdlib>

namespace ssres {

namespace {

ui::DialogTemplate gridDialog(int id, std::u16string caption, ui::Size size) {
    ui::DialogTemplate t = okCancelDialog(id, std::move(caption), size, true);
    t.add(u"Static", IDC_FRAME_GRID, u"", ui::WS_VISIBLE | ui::SS_BLACKFRAME, ui::Rect::fromSize(7, 7, size.cx - 14, size.cy - 44));
    return t;
}

constexpr int kButtonWidth = 75, kButtonHeight = 23, kMargin = 7;
constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kField = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;

// The table editor. Its window keeps OK and Cancel at the bottom left and lets Add and Remove follow the
// bottom right corner, so the buttons are laid out that way.
ui::DialogTemplate stringArrayDialog() {
    constexpr ui::Size size{420, 300};
    ui::DialogTemplate t;
    t.id = IDD_STRING_ARRAY;
    t.size = size;
    t.style |= ui::WS_THICKFRAME;
    const int top = size.cy - kMargin - kButtonHeight;
    t.add(u"Static", IDC_FRAME_GRID, u"", ui::WS_VISIBLE | ui::SS_BLACKFRAME,
          ui::Rect::fromSize(kMargin, kMargin, size.cx - 2 * kMargin, size.cy - 44));
    t.add(u"Button", ui::IDOK, u"OK", kButton | ui::BS_DEFPUSHBUTTON,
          ui::Rect::fromSize(kMargin, top, kButtonWidth, kButtonHeight));
    t.add(u"Button", ui::IDCANCEL, u"Cancel", kButton,
          ui::Rect::fromSize(2 * kMargin + kButtonWidth, top, kButtonWidth, kButtonHeight));
    t.add(u"Button", IDC_STRING_ARRAY_ADD, u"Add", kButton,
          ui::Rect::fromSize(size.cx - 2 * (kMargin + kButtonWidth), top, kButtonWidth, kButtonHeight));
    t.add(u"Button", IDC_STRING_ARRAY_REMOVE, u"Remove", kButton,
          ui::Rect::fromSize(size.cx - kMargin - kButtonWidth, top, kButtonWidth, kButtonHeight));
    return t;
}

// The find/replace window: two fields on the left, its four buttons in a column on the right.
ui::DialogTemplate findReplaceDialog() {
    constexpr ui::Size size{360, 124};
    constexpr int fieldLeft = 90, fieldWidth = 170, buttonLeft = 270, buttonWidth = 83;
    ui::DialogTemplate t;
    t.id = IDD_FIND_REPLACE;
    t.caption = u"Find and replace";
    t.size = size;
    t.style |= ui::WS_THICKFRAME;
    t.add(u"Static", IDC_FIND_LABEL, u"Find what", kLabel, ui::Rect::fromSize(kMargin, 10, 80, 14));
    t.add(u"Edit", IDC_FIND_TEXT, u"", kField, ui::Rect::fromSize(fieldLeft, 7, fieldWidth, 21));
    t.add(u"Static", IDC_FIND_REPLACE_LABEL, u"Replace with", kLabel, ui::Rect::fromSize(kMargin, 38, 80, 14));
    t.add(u"Edit", IDC_FIND_REPLACE_TEXT, u"", kField, ui::Rect::fromSize(fieldLeft, 35, fieldWidth, 21));
    t.add(u"Button", ui::IDOK, u"Find", kButton | ui::BS_DEFPUSHBUTTON,
          ui::Rect::fromSize(buttonLeft, 7, buttonWidth, kButtonHeight));
    t.add(u"Button", IDC_FIND_REPLACE, u"Replace", kButton, ui::Rect::fromSize(buttonLeft, 35, buttonWidth, kButtonHeight));
    t.add(u"Button", IDC_FIND_REPLACE_ALL, u"Replace all", kButton,
          ui::Rect::fromSize(buttonLeft, 63, buttonWidth, kButtonHeight));
    t.add(u"Button", ui::IDCANCEL, u"Cancel", kButton,
          ui::Rect::fromSize(buttonLeft, size.cy - kMargin - kButtonHeight, buttonWidth, kButtonHeight));
    return t;
}

// The sheet options: four number fields with their labels and two notes at the top, the one-row grid of
// column header texts across, the one-column grid of row header texts below it.
ui::DialogTemplate sheetOptionsDialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_SS_OPTIONS, u"Sheet options", {460, 360});
    constexpr int labelWidth = 130, fieldLeft = 140, fieldWidth = 60;
    const int fields[][2] = {{IDC_OPTIONS_COLUMNS_LABEL, IDC_OPTIONS_COLUMNS},
                             {IDC_OPTIONS_ROWS_LABEL, IDC_OPTIONS_ROWS},
                             {IDC_OPTIONS_HEADER_HEIGHT_LABEL, IDC_OPTIONS_HEADER_HEIGHT},
                             {IDC_OPTIONS_HEADER_WIDTH_LABEL, IDC_OPTIONS_HEADER_WIDTH}};
    int top = kMargin;
    for (const auto& field : fields) {
        t.add(u"Static", field[0], u"", kLabel, ui::Rect::fromSize(kMargin, top + 3, labelWidth, 14));
        t.add(u"Edit", field[1], u"", kField, ui::Rect::fromSize(fieldLeft, top, fieldWidth, 21));
        top += 25;
    }
    t.add(u"Static", IDC_OPTIONS_NOTE, u"", kLabel, ui::Rect::fromSize(215, kMargin, 238, 42));
    t.add(u"Static", IDC_OPTIONS_NOTE2, u"", kLabel, ui::Rect::fromSize(215, 55, 238, 42));
    t.add(u"Static", IDC_OPTIONS_COLUMN_GRID, u"", ui::WS_VISIBLE | ui::SS_BLACKFRAME,
          ui::Rect::fromSize(kMargin, 112, 446, 60));
    t.add(u"Static", IDC_OPTIONS_ROW_GRID, u"", ui::WS_VISIBLE | ui::SS_BLACKFRAME,
          ui::Rect::fromSize(kMargin, 180, 200, 140));
    return t;
}

// The formula window: the grid over its own placeholder 1004, and below it the reference styles, the file with
// its load and save buttons, and the calculation controls.
ui::DialogTemplate formulaDialog() {
    using namespace ui;
    DialogTemplate t = okCancelDialog(IDD_FORMULA, u"Formulas", {480, 320}, true);
    t.add(u"Static", IDC_FORMULA_GRID, u"", WS_VISIBLE | SS_BLACKFRAME, Rect::fromSize(7, 7, 466, 200));
    t.add(u"Static", IDC_FORMULA_SPARE_FRAME, u"", SS_BLACKFRAME, Rect::fromSize(353, 242, 120, 23));
    t.add(u"Button", IDC_FORMULA_STYLE_GROUP, u"Style", WS_VISIBLE | BS_GROUPBOX, Rect::fromSize(7, 213, 120, 74));
    t.add(u"Button", IDC_FORMULA_STYLE_DEFAULT, u"&Default", WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
          Rect::fromSize(15, 228, 100, 16));
    t.add(u"Button", IDC_FORMULA_STYLE_A1, u"&A1", WS_VISIBLE | BS_AUTORADIOBUTTON, Rect::fromSize(15, 246, 100, 16));
    t.add(u"Button", IDC_FORMULA_STYLE_R1C1, u"&R1C1", WS_VISIBLE | BS_AUTORADIOBUTTON, Rect::fromSize(15, 264, 100, 16));
    t.add(u"Edit", IDC_FORMULA_FILE, u"", WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_BORDER | ES_AUTOHSCROLL,
          Rect::fromSize(135, 215, 338, 21));
    t.add(u"Button", IDC_FORMULA_LOAD, u"Load from File", WS_VISIBLE | WS_TABSTOP, Rect::fromSize(135, 242, 100, 23));
    t.add(u"Button", IDC_FORMULA_SAVE, u"Save to File", WS_VISIBLE | WS_TABSTOP, Rect::fromSize(241, 242, 100, 23));
    t.add(u"Button", IDC_FORMULA_AUTO_CALC, u"Auto calculate", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX,
          Rect::fromSize(135, 272, 100, 16));
    t.add(u"Button", IDC_FORMULA_RECALC, u"Recalculate", WS_VISIBLE | WS_TABSTOP, Rect::fromSize(241, 269, 70, 23));
    return t;
}

// Bitmap 251: the small picture in column 1 of a bill line's picture row (16 x 16, a framed picture with a
// dark mountain and a sun), so a reader sees that the row beside it holds the part's picture.
void addBillPicture(ui::ResourceModule& module) {
    constexpr int kSide = 16;
    ui::Canvas picture(kSide, kSide, ui::colors::white);
    picture.frameRect(0, 0, kSide, kSide, ui::colors::darkGrey);
    for (int x = 2; x < kSide - 2; ++x) {
        const int peak = std::abs(x - 7);
        picture.drawVLine(x, 6 + peak, kSide - 2, ui::rgb(32, 96, 32));
    }
    picture.fillRect(10, 3, 13, 6, ui::rgb(255, 192, 0));
    module.addBitmap(IDB_BILL_PICTURE, ui::encodeBmp(picture), {kSide, kSide});
}

// The general variables dialog: the drawing variables' group above the standard variables' group, each with
// its grid on the left and its row buttons on the right; OK and Cancel below both.
ui::DialogTemplate genVarsDialog() {
    constexpr ui::Size size{460, 360};
    constexpr int groupWidth = size.cx - 2 * kMargin, gridWidth = 340, buttonLeft = 362, iconSize = 24;
    ui::DialogTemplate t = okCancelDialog(IDD_GEN_VARS, u"", size, true);
    struct Group {
        int group, frame, add, remove, up, down, top, height;
    };
    const Group groups[] = {
        {IDC_GENVARS_DWG_GROUP, IDC_GENVARS_DWG_FRAME, IDC_GENVARS_DWG_ADD, IDC_GENVARS_DWG_REMOVE, IDC_GENVARS_DWG_UP,
         IDC_GENVARS_DWG_DOWN, kMargin, 160},
        {IDC_GENVARS_STD_GROUP, IDC_GENVARS_STD_FRAME, IDC_GENVARS_STD_ADD, IDC_GENVARS_STD_REMOVE, IDC_GENVARS_STD_UP,
         IDC_GENVARS_STD_DOWN, 174, 140},
    };
    for (const Group& g : groups) {
        t.add(u"Button", g.group, u"", ui::WS_VISIBLE | ui::BS_GROUPBOX, ui::Rect::fromSize(kMargin, g.top, groupWidth, g.height));
        t.add(u"Static", g.frame, u"", ui::WS_VISIBLE | ui::SS_BLACKFRAME,
              ui::Rect::fromSize(2 * kMargin, g.top + 15, gridWidth, g.height - 22));
        t.add(u"Button", g.add, u"Add", kButton, ui::Rect::fromSize(buttonLeft, g.top + 15, kButtonWidth, kButtonHeight));
        t.add(u"Button", g.remove, u"Remove", kButton,
              ui::Rect::fromSize(buttonLeft, g.top + 41, kButtonWidth, kButtonHeight));
        t.add(u"Button", g.up, u"", kButton, ui::Rect::fromSize(buttonLeft, g.top + 73, iconSize, iconSize));
        t.add(u"Button", g.down, u"", kButton,
              ui::Rect::fromSize(buttonLeft + iconSize + 4, g.top + 73, iconSize, iconSize));
    }
    return t;
}

} // namespace

void addSheetTemplates(ui::ResourceModule& module) {
    module.addDialog(formulaDialog());
    module.addDialog(stringArrayDialog());
    module.addDialog(findReplaceDialog());
    module.addDialog(sheetOptionsDialog());
    // The standards window is never shown: its template is not visible, so a modeless creation stays hidden.
    module.addDialog(gridDialog(IDD_SS_STANDARDS, u"", {400, 300}));
    // The bill's sheet is built in a window that is never shown either.
    module.addDialog(gridDialog(IDD_SS_AS_TOOL, u"", {400, 300}));
    addBillPicture(module);
    module.addDialog(genVarsDialog());
    module.addIcon(IDI_ROW_UP, moveIconBytes(true));
    module.addIcon(IDI_ROW_DOWN, moveIconBytes(false));
}

} // namespace ssres
