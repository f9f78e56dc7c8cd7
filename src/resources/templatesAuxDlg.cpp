// Templates of the auxiliary dialogs.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {
namespace {

constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
constexpr std::uint32_t kRadio = ui::WS_VISIBLE | ui::BS_AUTORADIOBUTTON;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;
constexpr std::uint32_t kField = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr int kComboHeight = 22;  // a closed combo box: its field alone
using ui::Rect;

// The point files: the list with "+" and "-", the two actions on the chosen file, and one close button.
ui::DialogTemplate selectDstvPointsFileDialog() {
    ui::DialogTemplate t;
    t.id = IDD_SELECT_DSTV_POINTS_FILE;
    t.size = {360, 112};
    t.add(u"ComboBox", IDC_DSTV_FILES, u"", kList, Rect::fromSize(7, 10, 250, kComboHeight));
    t.add(u"Button", IDC_DSTV_ADD, u"+", kButton, Rect::fromSize(265, 9, 40, 23));
    t.add(u"Button", IDC_DSTV_REMOVE, u"-", kButton, Rect::fromSize(311, 9, 40, 23));
    t.add(u"Button", IDC_DSTV_USE, u"", kButton, Rect::fromSize(7, 44, 140, 23));
    t.add(u"Button", IDC_DSTV_EDIT, u"", kButton, Rect::fromSize(153, 44, 104, 23));
    t.add(u"Button", ui::IDCANCEL, u"", kButton, Rect::fromSize(276, 82, 75, 23));
    return t;
}

// The point editor: the points with "+" and "-" on top, the point's name, how it is found, its plates and
// its hole. The two radio buttons come one after the other, so they form one group.
ui::DialogTemplate editDstvPointsDialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_EDIT_DSTV_POINTS, u"", {440, 388});
    t.add(u"Static", IDC_DSTVPT_POINTS_LABEL, u"", kLabel, Rect::fromSize(7, 11, 120, 14));
    t.add(u"ComboBox", IDC_DSTVPT_POINTS, u"", kList, Rect::fromSize(130, 8, 200, kComboHeight));
    t.add(u"Button", IDC_DSTVPT_ADD, u"+", kButton, Rect::fromSize(338, 7, 40, 23));
    t.add(u"Button", IDC_DSTVPT_REMOVE, u"-", kButton, Rect::fromSize(384, 7, 40, 23));
    t.add(u"Static", IDC_DSTVPT_NAME_LABEL, u"", kLabel, Rect::fromSize(7, 41, 120, 14));
    t.add(u"Edit", IDC_DSTVPT_NAME, u"", kField, Rect::fromSize(130, 38, 200, 20));
    t.add(u"Button", IDC_DSTVPT_POSITION, u"", kFrame, Rect::fromSize(7, 66, 426, 108));
    t.add(u"Button", IDC_DSTVPT_EXTENT, u"", kRadio | ui::WS_TABSTOP | ui::WS_GROUP, Rect::fromSize(15, 84, 170, 16));
    t.add(u"Button", IDC_DSTVPT_INTERS, u"", kRadio, Rect::fromSize(15, 114, 170, 16));
    t.add(u"ComboBox", IDC_DSTVPT_SIDE1, u"", kList | ui::WS_GROUP, Rect::fromSize(190, 81, 115, kComboHeight));
    t.add(u"ComboBox", IDC_DSTVPT_SIDE2, u"", kList, Rect::fromSize(311, 81, 115, kComboHeight));
    t.add(u"Button", IDC_DSTVPT_MIDDLE, u"Midden", kCheck, Rect::fromSize(190, 114, 115, 16));
    t.add(u"Static", IDC_DSTVPT_DIRECTION_LABEL, u"", kLabel, Rect::fromSize(30, 145, 155, 14));
    t.add(u"ComboBox", IDC_DSTVPT_DIRECTION, u"", kList, Rect::fromSize(190, 142, 115, kComboHeight));
    t.add(u"Static", IDC_DSTVPT_VIEW_LABEL, u"", kLabel, Rect::fromSize(7, 187, 180, 14));
    t.add(u"ComboBox", IDC_DSTVPT_VIEW, u"", kList, Rect::fromSize(190, 184, 236, kComboHeight));
    t.add(u"Static", IDC_DSTVPT_MARK_LABEL, u"", kLabel, Rect::fromSize(7, 215, 180, 14));
    t.add(u"ComboBox", IDC_DSTVPT_MARK, u"", kList, Rect::fromSize(190, 212, 236, kComboHeight));
    t.add(u"Static", IDC_DSTVPT_DISTANCE_LABEL, u"", kLabel, Rect::fromSize(7, 243, 180, 14));
    t.add(u"Edit", IDC_DSTVPT_DISTANCE, u"", kField, Rect::fromSize(190, 240, 100, 20));
    t.add(u"Button", IDC_DSTVPT_FULL_HOLE, u"", kCheck, Rect::fromSize(7, 272, 280, 16));
    t.add(u"Button", IDC_DSTVPT_THICKNESS, u"", kCheck, Rect::fromSize(7, 296, 280, 16));
    t.add(u"Static", IDC_DSTVPT_DIAMETER_LABEL, u"", kLabel, Rect::fromSize(7, 323, 180, 14));
    t.add(u"Edit", IDC_DSTVPT_DIAMETER, u"", kField, Rect::fromSize(190, 320, 100, 20));
    return t;
}

// The grid dialog: two group boxes of three labelled fields, and the option.
ui::DialogTemplate gridDialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_GRID, u"", {300, 250});
    const struct {
        int group, labels, count, spacing, label, top;
    } groups[] = {
        {IDC_GRID_FIRST_GROUP, IDC_GRID_FIRST_LABELS, IDC_GRID_FIRST_COUNT, IDC_GRID_FIRST_SPACING, IDC_GRID_FIRST_LABEL, 7},
        {IDC_GRID_SECOND_GROUP, IDC_GRID_SECOND_LABELS, IDC_GRID_SECOND_COUNT, IDC_GRID_SECOND_SPACING,
         IDC_GRID_SECOND_LABEL, 103},
    };
    for (const auto& g : groups) {
        t.add(u"Button", g.group, u"", kFrame, Rect::fromSize(7, g.top, 286, 90));
        const int fields[] = {g.count, g.spacing, g.label};
        for (int i = 0; i < 3; ++i) {
            const int top = g.top + 18 + i * 24;
            t.add(u"Static", g.labels + i, u"", kLabel, Rect::fromSize(17, top + 3, 120, 14));
            t.add(u"Edit", fields[i], u"", kField, Rect::fromSize(140, top, 140, 20));
        }
    }
    t.add(u"Button", IDC_GRID_OPTION, u"", kCheck, Rect::fromSize(7, 198, 286, 16));
    return t;
}

// The CIS/2 information dialog: the explanation, the first radio pair with the second flag, then the five
// controls the second radio button of the first pair enables. The fourth flag's box starts hidden.
ui::DialogTemplate cis2Dialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_CIS2, u"", {360, 300});
    t.add(u"Static", IDC_CIS2_EXPLANATION, u"", kLabel, Rect::fromSize(7, 7, 346, 70));
    t.add(u"Button", IDC_CIS2_FIRST_ON, u"", kRadio | ui::WS_TABSTOP | ui::WS_GROUP, Rect::fromSize(7, 84, 340, 16));
    t.add(u"Button", IDC_CIS2_FIRST_OFF, u"", kRadio, Rect::fromSize(7, 104, 340, 16));
    t.add(u"Button", IDC_CIS2_FLAG2, u"", kCheck | ui::WS_GROUP, Rect::fromSize(7, 128, 340, 16));
    t.add(u"Button", IDC_CIS2_FLAG4, u"", kCheck & ~ui::WS_VISIBLE, Rect::fromSize(190, 128, 160, 16));
    t.add(u"Button", IDC_CIS2_THIRD_OFF, u"", kRadio | ui::WS_TABSTOP | ui::WS_GROUP, Rect::fromSize(27, 150, 320, 16));
    t.add(u"Button", IDC_CIS2_THIRD_ON, u"", kRadio, Rect::fromSize(27, 170, 320, 16));
    t.add(u"Button", IDC_CIS2_FLAG5, u"", kCheck | ui::WS_GROUP, Rect::fromSize(27, 194, 320, 16));
    t.add(u"Button", IDC_CIS2_TRANSLATION, u"", kButton, Rect::fromSize(27, 218, 160, 23));
    return t;
}

// The image selection: the thumbnails over the whole dialog above OK and Cancel.
ui::DialogTemplate selectImageDialog() {
    constexpr ui::Size size{420, 320};
    ui::DialogTemplate t = okCancelDialog(IDD_SELECT_IMAGE, u"", size, true);
    t.add(u"SysListView32", IDC_SELECT_IMAGE_LIST, u"",
          ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::LVS_ICON | ui::LVS_SINGLESEL,
          Rect::fromSize(7, 7, size.cx - 14, size.cy - 44));
    return t;
}

} // namespace

void addAuxDlgTemplates(ui::ResourceModule& module) {
    // id                              caption  client size
    module.addDialog(okCancelDialog(IDD_SELECT_MACRO,            u"", {320, 300}, true));
    module.addDialog(okCancelDialog(IDD_CSP2,                    u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_EDIT_PROF_CUTS,          u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_PROF_FEATURES,           u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_LEVELS,                  u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_LOOKUP,                  u"", {360, 280}, true));
    module.addDialog(okCancelDialog(IDD_CLADDING_SETTINGS,       u"", {360, 280}));
    module.addDialog(okCancelDialog(IDD_BRACING,                 u"", {360, 280}));
    module.addDialog(selectDstvPointsFileDialog());
    module.addDialog(editDstvPointsDialog());
    module.addDialog(cis2Dialog());
    module.addDialog(gridDialog());
    module.addDialog(selectImageDialog());
}

} // namespace ssres
