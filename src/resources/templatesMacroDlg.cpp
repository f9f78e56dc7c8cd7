// Templates of the macro input dialogs: the macro dialog with its general and profile pages, and the
// dialogs it opens.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {

void addMacroDlgIcons(ui::ResourceModule& module);   // macroDlgIcons.cpp
void addBoltAdvTemplates(ui::ResourceModule& module); // templatesBoltAdv.cpp

namespace {

using ui::Rect;
constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kImageCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX | ui::BS_PUSHLIKE;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kGridFrame = ui::WS_VISIBLE | ui::SS_BLACKFRAME;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr std::uint32_t kEditableList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWN;
constexpr int kComboHeight = 22;
constexpr int kIconButton = 24;

ui::DialogTemplate page(int id, ui::Size size) {
    ui::DialogTemplate t;
    t.id = id;
    t.size = size;
    t.style = ui::WS_CHILD;
    t.exStyle = ui::WS_EX_CONTROLPARENT;
    return t;
}

// The macro dialog: the icon buttons and filters on top, the pages on the tab control, Close below.
ui::DialogTemplate macroDialog() {
    constexpr ui::Size size{520, 420};
    ui::DialogTemplate t;
    t.id = IDD_MACRO;
    t.size = size;
    t.style |= ui::WS_THICKFRAME;
    t.add(u"Button", IDC_MD_GROUPS_FRAME, u"", kFrame, Rect::fromSize(7, 3, 250, 46));
    t.add(u"Button", IDC_MD_SELECT_OTHER, u"", kButton, Rect::fromSize(14, 18, kIconButton, kIconButton));
    int x = 44;
    for (int id : {IDC_MD_VIEW_3, IDC_MD_VIEW_0, IDC_MD_VIEW_1, IDC_MD_VIEW_2, IDC_MD_LOAD_STANDARDS,
                   IDC_MD_OPEN_VALUES, IDC_MD_SAVE_VALUES}) {
        t.add(u"Button", id, u"", kButton, Rect::fromSize(x, 18, kIconButton, kIconButton));
        x += 28;
    }
    t.add(u"Button", IDC_MD_CLASH, u"", kImageCheck, Rect::fromSize(x, 18, kIconButton, kIconButton));
    t.add(u"Button", IDC_MD_FILTERS_FRAME, u"", kFrame, Rect::fromSize(263, 3, 250, 46));
    t.add(u"ComboBox", IDC_MD_FILTER1, u"", kList, Rect::fromSize(270, 18, 115, kComboHeight));
    t.add(u"ComboBox", IDC_MD_FILTER2, u"", kList, Rect::fromSize(391, 18, 115, kComboHeight));
    t.add(u"SysTabControl32", IDC_MD_TABS, u"", ui::WS_VISIBLE | ui::WS_TABSTOP,
          Rect::fromSize(7, 55, size.cx - 14, size.cy - 96));
    t.add(u"Button", IDC_MD_REAPPLY, u"", kButton, Rect::fromSize(7, size.cy - 33, 100, 23));
    t.add(u"Button", ui::IDOK, u"Close", kButton | ui::BS_DEFPUSHBUTTON, Rect::fromSize(size.cx - 82, size.cy - 33, 75, 23));
    return t;
}

// A general page: the designed page fills the top, the value grid and the bolt fields are placed below it
// by the page itself.
ui::DialogTemplate generalPage() {
    ui::DialogTemplate t = page(IDD_MACRO_TAB_GENERAL, {490, 300});
    t.add(u"Static", IDC_MT_GRID, u"", kGridFrame, Rect::fromSize(5, 160, 480, 120));
    t.add(u"Static", IDC_MT_ASSEMBLY_LABEL, u"", kLabel, Rect::fromSize(5, 5, 70, 14));
    t.add(u"ComboBox", IDC_MT_ASSEMBLY, u"", kList, Rect::fromSize(80, 2, 120, kComboHeight));
    t.add(u"Static", IDC_MT_DIAMETER_LABEL, u"", kLabel, Rect::fromSize(210, 5, 60, 14));
    t.add(u"ComboBox", IDC_MT_DIAMETER, u"", kList, Rect::fromSize(275, 2, 90, kComboHeight));
    t.add(u"Button", IDC_MT_ADVANCED, u"", kButton, Rect::fromSize(375, 1, 100, 23));
    return t;
}

// A profile page: designed page, value grid, and the group panel below them.
ui::DialogTemplate profilePage() {
    ui::DialogTemplate t = page(IDD_MACRO_TAB_PROF, {490, 320});
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, Rect::fromSize(5, 5, 480, 120));
    t.add(u"Button", IDC_MP_FRAME, u"", kFrame, Rect::fromSize(5, 130, 480, 160));
    t.add(u"ComboBox", IDC_MP_GROUP, u"", kList, Rect::fromSize(15, 148, 220, kComboHeight));
    t.add(u"ComboBox", IDC_MP_PROFILE, u"", kList, Rect::fromSize(250, 148, 225, kComboHeight));
    t.add(u"Static", IDC_MP_SECTION_LABEL, u"", kLabel, Rect::fromSize(15, 180, 90, 14));
    t.add(u"ComboBox", IDC_MP_SECTION, u"", kEditableList, Rect::fromSize(110, 177, 250, kComboHeight));
    t.add(u"Button", IDC_MP_SECTION_PICK, u"", kButton, Rect::fromSize(370, 176, 105, 23));
    t.add(u"Static", IDC_MP_OFFSET_LABEL, u"", kLabel, Rect::fromSize(15, 208, 90, 14));
    t.add(u"ComboBox", IDC_MP_OFFSET, u"", kList, Rect::fromSize(110, 205, 130, kComboHeight));
    t.add(u"Static", IDC_MP_ROTATION_LABEL, u"", kLabel, Rect::fromSize(250, 208, 90, 14));
    t.add(u"ComboBox", IDC_MP_ROTATION, u"", kEditableList, Rect::fromSize(345, 205, 130, kComboHeight));
    t.add(u"Static", IDC_MP_PLANE_LABEL, u"", kLabel, Rect::fromSize(15, 236, 90, 14));
    t.add(u"ComboBox", IDC_MP_PLANE, u"", kList, Rect::fromSize(110, 233, 130, kComboHeight));
    t.add(u"Button", IDC_MP_PLANE_PICK, u"", kButton, Rect::fromSize(250, 232, 105, 23));
    t.add(u"Button", IDC_MT_ADVANCED, u"", kButton, Rect::fromSize(15, 262, 105, 23));
    t.add(u"Button", IDC_MP_SEGMENTS, u"", kButton, Rect::fromSize(130, 262, 130, 23));
    return t;
}

} // namespace

void addMacroDlgTemplates(ui::ResourceModule& module) {
    module.addDialog(macroDialog());
    module.addDialog(generalPage());
    module.addDialog(profilePage());
    module.addDialog(okCancelDialog(IDD_MACRO_PROF_ADV, u"", {360, 300}));
    module.addDialog(okCancelDialog(IDD_MACRO_CUTS, u"", {320, 260}));
    module.addDialog(okCancelDialog(IDD_ARRAY, u"", {320, 260}));
    addMacroDlgIcons(module);
    addBoltAdvTemplates(module);
}

} // namespace ssres
