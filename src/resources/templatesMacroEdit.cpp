// Templates of the macro definition editor: the editor with its tab control and its four pages, and the macro
// settings dialog with its pages.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {

void addMacroEditIcons(ui::ResourceModule& module);   // macroEditIcons.cpp

namespace {

using ui::Rect;
constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
constexpr std::uint32_t kImageCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX | ui::BS_PUSHLIKE;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kGridFrame = ui::WS_VISIBLE | ui::SS_BLACKFRAME;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;
constexpr std::uint32_t kField = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kMultiLine = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::WS_VSCROLL |
                                     ui::ES_MULTILINE | ui::ES_WANTRETURN;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr std::uint32_t kEditableList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWN;
constexpr int kComboHeight = 22;   // a closed combo box: its field alone
constexpr int kIconButton = 24;
constexpr ui::Size kPageSize{530, 330};
constexpr int kImageButtonCount = 5;
constexpr int kCommandButtonCount = 14;

ui::DialogTemplate page(int id, ui::Size size = kPageSize) {
    ui::DialogTemplate t;
    t.id = id;
    t.size = size;
    t.style = ui::WS_CHILD;
    return t;
}

// The editor: macro and module commands on top, the pages on the tab control, settings, zoom and OK below.
ui::DialogTemplate editMacroDialog() {
    constexpr ui::Size size{560, 440};
    ui::DialogTemplate t;
    t.id = IDD_EDIT_MACRO;
    t.size = size;
    t.style |= ui::WS_THICKFRAME;
    t.add(u"Button", IDC_EM_SELECT, u"", kButton, Rect::fromSize(7, 7, kIconButton, kIconButton));
    t.add(u"ComboBox", IDC_EM_MODULES, u"", kList, Rect::fromSize(37, 8, 310, kComboHeight));
    t.add(u"Button", IDC_EM_ADD_MODULE, u"", kButton, Rect::fromSize(353, 7, kIconButton, kIconButton));
    t.add(u"Button", IDC_EM_RENAME, u"", kButton, Rect::fromSize(383, 7, 110, 23));
    t.add(u"Button", IDC_EM_REMOVE_MODULE, u"", kButton, Rect::fromSize(499, 7, kIconButton, kIconButton));
    t.add(u"SysTabControl32", IDC_EM_TABS, u"", ui::WS_VISIBLE | ui::WS_TABSTOP,
          Rect::fromSize(7, 38, size.cx - 14, size.cy - 80));
    t.add(u"Button", IDC_EM_SETTINGS, u"", kButton, Rect::fromSize(7, size.cy - 33, 100, 23));
    t.add(u"Button", IDC_EM_ZOOM, u"", kButton, Rect::fromSize(113, size.cy - 34, kIconButton, kIconButton));
    t.add(u"Button", ui::IDOK, u"OK", kButton | ui::BS_DEFPUSHBUTTON, Rect::fromSize(size.cx - 82, size.cy - 33, 75, 23));
    return t;
}

// The constraints: the list over the page's width, the editors of the selected row in a frame below it.
ui::DialogTemplate constraintsPage() {
    ui::DialogTemplate t = page(IDD_EDIT_CONSTRAINTS);
    const int w = kPageSize.cx;
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, Rect::fromSize(7, 7, w - 14, 180));
    t.add(u"Button", IDC_EC_EDITOR_FRAME, u"", kFrame, Rect::fromSize(7, 193, w - 14, 130));
    t.add(u"Static", IDC_EC_VALUE_LABEL, u"", kLabel, Rect::fromSize(17, 214, 60, 14));
    t.add(u"Edit", IDC_EC_VALUE, u"", kField, Rect::fromSize(80, 211, 120, 20));
    t.add(u"Static", IDC_EC_NAME_LABEL, u"", kLabel, Rect::fromSize(210, 214, 50, 14));
    t.add(u"Edit", IDC_EC_NAME, u"", kField, Rect::fromSize(262, 211, 180, 20));
    t.add(u"Button", IDC_EC_DELETE, u"", kButton, Rect::fromSize(w - 41, 208, kIconButton, kIconButton));
    t.add(u"Static", IDC_EC_OPTION_LABEL, u"", kLabel, Rect::fromSize(17, 242, 60, 14));
    t.add(u"ComboBox", IDC_EC_OPTIONS, u"", kList, Rect::fromSize(80, 239, 200, kComboHeight));
    t.add(u"Button", IDC_EC_FIRST_FLAG, u"", kCheck, Rect::fromSize(300, 241, 100, 16));
    t.add(u"Button", IDC_EC_SECOND_FLAG, u"", kCheck, Rect::fromSize(405, 241, 110, 16));
    for (int i = 0; i < kImageButtonCount; ++i)
        t.add(u"Button", IDC_EC_FIRST_IMAGE + i, u"", kImageCheck, Rect::fromSize(17 + i * 40, 273, 36, 36));
    t.add(u"Button", IDC_EC_CUT, u"", kButton, Rect::fromSize(w - 117, 286, 100, 23));
    return t;
}

ui::DialogTemplate geometryPage() {
    ui::DialogTemplate t = page(IDD_GEOMETRIES);
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, Rect::fromSize(7, 7, kPageSize.cx - 14, kPageSize.cy - 14));
    return t;
}

// The variables with their add and delete buttons, the dimension values, the equations.
ui::DialogTemplate variablesPage() {
    ui::DialogTemplate t = page(IDD_EDIT_VARS);
    const int w = kPageSize.cx;
    t.add(u"Button", IDC_EV_VARS_FRAME, u"", kFrame, Rect::fromSize(7, 4, w - 14, 130));
    t.add(u"Static", IDC_EV_VARS_GRID, u"", kGridFrame, Rect::fromSize(15, 20, w - 66, 106));
    t.add(u"Button", IDC_EV_ADD, u"", kButton, Rect::fromSize(w - 45, 20, kIconButton, kIconButton));
    t.add(u"Button", IDC_EV_DELETE, u"", kButton, Rect::fromSize(w - 45, 48, kIconButton, kIconButton));
    t.add(u"Button", IDC_EV_DIMS_FRAME, u"", kFrame, Rect::fromSize(7, 138, w - 14, 100));
    t.add(u"Static", IDC_EV_DIMS_GRID, u"", kGridFrame, Rect::fromSize(15, 154, w - 30, 76));
    t.add(u"Button", IDC_EV_EQS_FRAME, u"", kFrame, Rect::fromSize(7, 242, w - 14, 82));
    t.add(u"RichEdit20W", IDC_EV_EQUATIONS, u"", kMultiLine, Rect::fromSize(15, 258, w - 30, 58));
    return t;
}

// Fourteen picture buttons in four rows; buttons 4 and 11 are never shown.
ui::DialogTemplate commandsPage() {
    ui::DialogTemplate t = page(IDD_MACRO_COMMANDS);
    constexpr int kRowOf[kCommandButtonCount] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3};
    int column = 0, lastRow = 0;
    for (int i = 0; i < kCommandButtonCount; ++i) {
        if (kRowOf[i] != lastRow)
            column = 0, lastRow = kRowOf[i];
        const bool hidden = i == 3 || i == 10;
        const std::uint32_t style = (hidden ? 0u : ui::WS_VISIBLE) | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
        t.add(u"Button", IDC_MC_FIRST_BUTTON + i, u"", style, Rect::fromSize(17 + column * 125, 12 + lastRow * 78, 115, 70));
        ++column;
    }
    return t;
}

// The general variables page of the settings: the explanation, three settings, the variables grid.
ui::DialogTemplate settingsVariablesPage() {
    ui::DialogTemplate t = page(IDD_MACRO_VARIABLES);
    const int w = kPageSize.cx;
    t.add(u"Static", IDC_MV_EXPLANATION, u"", kLabel, Rect::fromSize(7, 7, w - 14, 30));
    t.add(u"Static", IDC_MV_FIRST_LABEL, u"", kLabel, Rect::fromSize(7, 46, 150, 14));
    t.add(u"ComboBox", IDC_MV_FIRST, u"", kList, Rect::fromSize(160, 43, 200, kComboHeight));
    t.add(u"Static", IDC_MV_SECOND_LABEL, u"", kLabel, Rect::fromSize(7, 72, 150, 14));
    t.add(u"ComboBox", IDC_MV_SECOND, u"", kList, Rect::fromSize(160, 69, 200, kComboHeight));
    t.add(u"Static", IDC_MV_THIRD_LABEL, u"", kLabel, Rect::fromSize(7, 98, 150, 14));
    t.add(u"ComboBox", IDC_MV_THIRD, u"", kEditableList, Rect::fromSize(160, 95, 80, kComboHeight));
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, Rect::fromSize(7, 124, w - 44, kPageSize.cy - 131));
    t.add(u"Button", IDC_MV_ADD, u"", kButton, Rect::fromSize(w - 31, 124, kIconButton, kIconButton));
    t.add(u"Button", IDC_MV_DELETE, u"", kButton, Rect::fromSize(w - 31, 152, kIconButton, kIconButton));
    return t;
}

// The groups page of the settings: the explanation, the table, the two free texts with their labels.
ui::DialogTemplate settingsGroupsPage() {
    ui::DialogTemplate t = page(IDD_MACRO_GROUPS);
    const int w = kPageSize.cx;
    t.add(u"Static", IDC_MG_EXPLANATION, u"", kLabel, Rect::fromSize(7, 7, w - 14, 44));
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, Rect::fromSize(7, 55, w - 14, 130));
    t.add(u"Static", IDC_MG_FIRST_LABEL, u"", kLabel, Rect::fromSize(7, 192, 250, 44));
    t.add(u"Edit", IDC_MG_FIRST, u"", kMultiLine, Rect::fromSize(7, 240, 250, 80));
    t.add(u"Static", IDC_MG_SECOND_LABEL, u"", kLabel, Rect::fromSize(270, 192, 253, 44));
    t.add(u"Edit", IDC_MG_SECOND, u"", kMultiLine, Rect::fromSize(270, 240, 253, 80));
    return t;
}

// The macro settings: six pages on a tab control, OK and Cancel below.
ui::DialogTemplate macroSettingsDialog() {
    constexpr ui::Size size{580, 450};
    ui::DialogTemplate t;
    t.id = IDD_MACRO_SETTINGS;
    t.size = size;
    t.add(u"SysTabControl32", IDC_MS_TABS, u"", ui::WS_VISIBLE | ui::WS_TABSTOP,
          Rect::fromSize(7, 7, size.cx - 14, size.cy - 80));
    t.add(u"Button", ui::IDOK, u"OK", kButton | ui::BS_DEFPUSHBUTTON, Rect::fromSize(size.cx - 164, size.cy - 33, 75, 23));
    t.add(u"Button", ui::IDCANCEL, u"Cancel", kButton, Rect::fromSize(size.cx - 82, size.cy - 33, 75, 23));
    return t;
}

constexpr std::uint32_t kRadio = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTORADIOBUTTON;
constexpr std::uint32_t kPicture = ui::WS_VISIBLE | ui::BS_PUSHBUTTON;
constexpr int kPictureSide = 64;

// The first filter page: the axis-angle filter above, the section-angle filter with its range grid below.
ui::DialogTemplate filterPage() {
    ui::DialogTemplate t = page(IDD_MACRO_FILTER);
    t.add(u"Button", IDC_MF_ENABLE, u"", kCheck, Rect::fromSize(7, 7, 300, 18));
    t.add(u"Button", IDC_MF_AXIS_GROUP, u"", kFrame, Rect::fromSize(7, 30, 516, 130));
    t.add(u"ComboBox", IDC_MF_AXIS_LIST, u"", kList, Rect::fromSize(17, 50, 200, kComboHeight));
    t.add(u"Button", IDC_MF_AXIS_ACTIVE, u"", kCheck, Rect::fromSize(230, 52, 100, 18));
    t.add(u"Button", IDC_MF_MODE1, u"", kRadio | ui::WS_GROUP, Rect::fromSize(17, 84, 200, 18));
    t.add(u"Button", IDC_MF_MODE1_PICTURE, u"", kPicture, Rect::fromSize(222, 78, 34, 34));
    t.add(u"Button", IDC_MF_MODE2, u"", kRadio, Rect::fromSize(17, 120, 200, 18));
    t.add(u"Button", IDC_MF_MODE2_PICTURE, u"", kPicture, Rect::fromSize(222, 114, 34, 34));
    t.add(u"Static", IDC_MF_FIRST_LABEL, u"", kLabel, Rect::fromSize(280, 84, 100, 14));
    t.add(u"Edit", IDC_MF_FIRST, u"", kField, Rect::fromSize(385, 81, 90, 21));
    t.add(u"Static", IDC_MF_SECOND_LABEL, u"", kLabel, Rect::fromSize(280, 120, 100, 14));
    t.add(u"Edit", IDC_MF_SECOND, u"", kField, Rect::fromSize(385, 117, 90, 21));
    t.add(u"Button", IDC_MF_SECTION_GROUP, u"", kFrame, Rect::fromSize(7, 168, 516, 155));
    t.add(u"ComboBox", IDC_MF_SECTION_LIST, u"", kList, Rect::fromSize(17, 188, 200, kComboHeight));
    t.add(u"Button", IDC_MF_SECTION_ACTIVE, u"", kCheck, Rect::fromSize(230, 190, 100, 18));
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, Rect::fromSize(17, 216, 300, 100));
    t.add(u"Button", IDC_MF_ADD_RANGE, u"", kButton, Rect::fromSize(323, 216, kIconButton, kIconButton));
    t.add(u"Button", IDC_MF_DELETE_RANGE, u"", kButton, Rect::fromSize(323, 244, kIconButton, kIconButton));
    t.add(u"Button", IDC_MF_SECTION_PICTURE, u"", kPicture, Rect::fromSize(370, 216, kPictureSide, kPictureSide));
    return t;
}

// The second filter page: the path-distance filter with two values, the section-size filter with four.
ui::DialogTemplate filter2Page() {
    ui::DialogTemplate t = page(IDD_MACRO_FILTER2);
    t.add(u"Button", IDC_MF2_ENABLE, u"", kCheck, Rect::fromSize(7, 7, 300, 18));
    t.add(u"Button", IDC_MF2_PATH_GROUP, u"", kFrame, Rect::fromSize(7, 30, 516, 120));
    t.add(u"Button", IDC_MF2_PATH_PICTURE, u"", kPicture, Rect::fromSize(440, 50, kPictureSide, kPictureSide));
    t.add(u"ComboBox", IDC_MF2_PATH_LIST, u"", kList, Rect::fromSize(17, 50, 200, kComboHeight));
    t.add(u"Button", IDC_MF2_PATH_ACTIVE, u"", kCheck, Rect::fromSize(230, 52, 100, 18));
    for (int n = 0; n < 2; ++n) {
        t.add(u"Static", IDC_MF2_PATH_LABEL1 + 2 * n, u"", kLabel, Rect::fromSize(17, 87 + 28 * n, 130, 14));
        t.add(u"Edit", IDC_MF2_PATH_VALUE1 + 2 * n, u"", kField, Rect::fromSize(150, 84 + 28 * n, 90, 21));
    }
    t.add(u"Button", IDC_MF2_SIZE_GROUP, u"", kFrame, Rect::fromSize(7, 158, 516, 165));
    t.add(u"Button", IDC_MF2_SIZE_PICTURE, u"", kPicture, Rect::fromSize(440, 178, kPictureSide, kPictureSide));
    t.add(u"ComboBox", IDC_MF2_SIZE_LIST, u"", kList, Rect::fromSize(17, 178, 200, kComboHeight));
    t.add(u"Button", IDC_MF2_SIZE_ACTIVE, u"", kCheck, Rect::fromSize(230, 180, 100, 18));
    for (int n = 0; n < 4; ++n) {
        t.add(u"Static", IDC_MF2_SIZE_LABEL1 + 2 * n, u"", kLabel, Rect::fromSize(17, 215 + 26 * n, 130, 14));
        t.add(u"Edit", IDC_MF2_SIZE_VALUE1 + 2 * n, u"", kField, Rect::fromSize(150, 212 + 26 * n, 90, 21));
    }
    return t;
}

// The filter properties page: the property, its accepted values in a grid, its picture.
ui::DialogTemplate filterPropsPage() {
    ui::DialogTemplate t = page(IDD_MACRO_FILTER_PROPS);
    t.add(u"Static", IDC_MFP_EXPLANATION, u"", kLabel, Rect::fromSize(7, 7, 516, 28));
    t.add(u"Static", IDC_MFP_PROPERTY_LABEL, u"", kLabel, Rect::fromSize(7, 42, 80, 14));
    t.add(u"ComboBox", IDC_MFP_PROPERTIES, u"", kList, Rect::fromSize(90, 39, 250, kComboHeight));
    t.add(u"Button", IDC_MFP_VALUES_GROUP, u"", kFrame, Rect::fromSize(7, 70, 516, 190));
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, Rect::fromSize(17, 90, 440, 160));
    t.add(u"Button", IDC_MFP_ADD, u"", kButton, Rect::fromSize(463, 90, kIconButton, kIconButton));
    t.add(u"Button", IDC_MFP_DELETE, u"", kButton, Rect::fromSize(463, 118, kIconButton, kIconButton));
    t.add(u"Static", IDC_MFP_IMAGE_LABEL, u"", kLabel, Rect::fromSize(7, 272, 80, 14));
    t.add(u"ComboBox", IDC_MFP_IMAGE, u"", kEditableList, Rect::fromSize(90, 269, 250, kComboHeight));
    return t;
}

// The standards mapping page: the spreadsheets of the macro above, the variables of the one chosen below.
ui::DialogTemplate mappingPage() {
    ui::DialogTemplate t = page(IDD_MACRO_MAPPING);
    t.add(u"Button", IDC_MM_LIST_GROUP, u"", kFrame, Rect::fromSize(7, 7, 516, 150));
    t.add(u"Static", IDC_MM_LIST_FRAME, u"", kGridFrame, Rect::fromSize(17, 25, 440, 100));
    t.add(u"Button", IDC_MM_UP, u"", kButton, Rect::fromSize(463, 25, kIconButton, kIconButton));
    t.add(u"Button", IDC_MM_DOWN, u"", kButton, Rect::fromSize(463, 53, kIconButton, kIconButton));
    t.add(u"Button", IDC_MM_ADD, u"", kButton, Rect::fromSize(17, 129, 80, 23));
    t.add(u"Button", IDC_MM_REMOVE, u"", kButton, Rect::fromSize(103, 129, 80, 23));
    t.add(u"Button", IDC_MM_VARS_GROUP, u"", kFrame, Rect::fromSize(7, 162, 516, 161));
    t.add(u"Static", IDC_MM_VARS_FRAME, u"", kGridFrame, Rect::fromSize(17, 180, 496, 136));
    return t;
}

} // namespace

void addMacroEditTemplates(ui::ResourceModule& module) {
    module.addDialog(editMacroDialog());
    module.addDialog(constraintsPage());
    module.addDialog(geometryPage());
    module.addDialog(variablesPage());
    module.addDialog(commandsPage());
    module.addDialog(settingsVariablesPage());
    module.addDialog(settingsGroupsPage());
    module.addDialog(macroSettingsDialog());
    module.addDialog(filterPage());
    module.addDialog(filter2Page());
    module.addDialog(filterPropsPage());
    module.addDialog(mappingPage());
    addMacroEditIcons(module);
}

} // namespace ssres
