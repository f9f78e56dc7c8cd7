// Templates of the macro definition editor: the editor with its tab control, its four pages, and the two
// pages of the macro settings it owns (general variables and groups).
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

} // namespace

void addMacroEditTemplates(ui::ResourceModule& module) {
    module.addDialog(editMacroDialog());
    module.addDialog(constraintsPage());
    module.addDialog(geometryPage());
    module.addDialog(variablesPage());
    module.addDialog(commandsPage());
    module.addDialog(settingsVariablesPage());
    module.addDialog(settingsGroupsPage());
    addMacroEditIcons(module);
}

} // namespace ssres
