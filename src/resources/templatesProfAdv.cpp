// Templates of the advanced profile dialog and the segmented profile dialog.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {

namespace {

using ui::Rect;
constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
constexpr std::uint32_t kTriState = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTO3STATE;
constexpr std::uint32_t kRadio = ui::WS_VISIBLE | ui::BS_AUTORADIOBUTTON;
constexpr std::uint32_t kFirstRadio = kRadio | ui::WS_GROUP | ui::WS_TABSTOP;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;
constexpr std::uint32_t kEdit = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr std::uint32_t kEditableList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWN;
constexpr std::uint32_t kGridFrame = ui::WS_VISIBLE | ui::SS_BLACKFRAME;
constexpr int kComboHeight = 22;

// The advanced profile dialog, laid out for a profile with one section. The second section and the morph
// fields sit in the 65 pixels the dialog grows by for a morphed profile; below them everything moves down.
ui::DialogTemplate profAdvDialog() {
    constexpr ui::Size size{420, 440};
    ui::DialogTemplate t;
    t.id = IDD_MACRO_PROF_ADV;
    t.size = size;
    t.style |= ui::WS_THICKFRAME;
    t.add(u"Button", IDC_PA_MULTI, u"", kCheck, Rect::fromSize(10, 7, 250, 16));
    t.add(u"Static", IDC_PA_GROUP_LABEL, u"", kLabel, Rect::fromSize(10, 31, 90, 14));
    t.add(u"Edit", IDC_PA_GROUP, u"", kEdit, Rect::fromSize(105, 28, 220, 20));
    t.add(u"Static", IDC_PA_SECTION_LABEL, u"", kLabel, Rect::fromSize(10, 57, 90, 14));
    t.add(u"ComboBox", IDC_PA_SECTION, u"", kList, Rect::fromSize(105, 54, 220, kComboHeight));
    t.add(u"Button", IDC_PA_SECTION_PICK, u"", kButton, Rect::fromSize(332, 53, 80, 23));
    t.add(u"Static", IDC_PA_SECTION2_LABEL, u"", kLabel, Rect::fromSize(10, 83, 90, 14));
    t.add(u"ComboBox", IDC_PA_SECTION2, u"", kList, Rect::fromSize(105, 80, 220, kComboHeight));
    t.add(u"Button", IDC_PA_SECTION2_PICK, u"", kButton, Rect::fromSize(332, 79, 80, 23));
    t.add(u"Static", IDC_PA_MORPH1_LABEL, u"", kLabel, Rect::fromSize(10, 110, 90, 14));
    t.add(u"Edit", IDC_PA_MORPH1, u"", kEdit, Rect::fromSize(105, 107, 100, 20));
    t.add(u"Static", IDC_PA_MORPH2_LABEL, u"", kLabel, Rect::fromSize(215, 110, 90, 14));
    t.add(u"Edit", IDC_PA_MORPH2, u"", kEdit, Rect::fromSize(312, 107, 100, 20));

    t.add(u"Button", IDC_PA_OFFSET_GROUP, u"", kFrame, Rect::fromSize(10, 80, 402, 132));
    t.add(u"ComboBox", IDC_PA_OFFSET_TYPE, u"", kList, Rect::fromSize(20, 97, 180, kComboHeight));
    t.add(u"Button", IDC_PA_CHOOSE_POINT, u"", kButton, Rect::fromSize(208, 96, 100, 23));
    t.add(u"Static", IDC_PA_X_LABEL, u"", kLabel, Rect::fromSize(20, 128, 60, 14));
    t.add(u"Edit", IDC_PA_X, u"", kEdit, Rect::fromSize(85, 125, 80, 20));
    t.add(u"Static", IDC_PA_Y_LABEL, u"", kLabel, Rect::fromSize(20, 154, 60, 14));
    t.add(u"Edit", IDC_PA_Y, u"", kEdit, Rect::fromSize(85, 151, 80, 20));
    t.add(u"Button", IDC_PA_ZOOM, u"", kButton, Rect::fromSize(20, 180, 24, 24));
    t.add(u"Button", IDC_PA_PICTURE, u"", ui::WS_VISIBLE | ui::WS_DISABLED | ui::BS_PUSHBUTTON,
          Rect::fromSize(318, 124, 84, 84));
    for (int i = 0; i < 9; ++i)
        t.add(u"Button", IDC_PA_INSERT_1 + i, u"", i == 0 ? kFirstRadio : kRadio,
              Rect::fromSize(322 + (i % 3) * 32, 128 + (i / 3) * 32, 12, 12));

    t.add(u"Button", IDC_PA_ROTATION_GROUP, u"", kFrame | ui::WS_GROUP, Rect::fromSize(10, 217, 196, 124));
    const int rotations[] = {IDC_PA_ROT_0, IDC_PA_ROT_90, IDC_PA_ROT_180, IDC_PA_ROT_270, IDC_PA_ROT_MIXED,
                             IDC_PA_ROT_CUSTOM};
    const char16_t* rotationTexts[] = {u"0\u00B0", u"90\u00B0", u"180\u00B0", u"270\u00B0", u"", u""};
    for (int i = 0; i < 6; ++i)
        t.add(u"Button", rotations[i], rotationTexts[i], i == 0 ? kFirstRadio : kRadio,
              Rect::fromSize(20, 234 + i * 17, 85, 14));
    t.add(u"Edit", IDC_PA_ROT_ANGLE, u"", kEdit | ui::WS_GROUP, Rect::fromSize(110, 317, 86, 20));

    t.add(u"Button", IDC_PA_PLANE_GROUP, u"", kFrame | ui::WS_GROUP, Rect::fromSize(216, 217, 196, 124));
    const int planes[] = {IDC_PA_PLANE_WCS, IDC_PA_PLANE_OWN, IDC_PA_PLANE_CS, IDC_PA_PLANE_MIXED,
                          IDC_PA_PLANE_PICKED};
    for (int i = 0; i < 5; ++i)
        t.add(u"Button", planes[i], i == 0 ? u"WCS" : u"", i == 0 ? kFirstRadio : kRadio,
              Rect::fromSize(224, 234 + i * 17, 95, 14));
    t.add(u"ComboBox", IDC_PA_AXIS, u"", kList | ui::WS_GROUP, Rect::fromSize(322, 232, 82, kComboHeight));
    t.add(u"ComboBox", IDC_PA_COORDSYS, u"", kList, Rect::fromSize(322, 260, 82, kComboHeight));
    t.add(u"Button", IDC_PA_PLANE_PICK, u"", kButton, Rect::fromSize(224, 316, 180, 23));

    t.add(u"ComboBox", IDC_PA_ORIENTATION, u"", kList, Rect::fromSize(10, 349, 196, kComboHeight));
    t.add(u"Button", IDC_PA_TRISTATE, u"", kTriState, Rect::fromSize(216, 352, 196, 16));
    t.add(u"Button", IDC_PA_ON_SEGMENT, u"", kCheck, Rect::fromSize(10, 380, 150, 16));
    t.add(u"Static", IDC_PA_SEGMENT_LABEL, u"", kLabel, Rect::fromSize(170, 381, 70, 14));
    t.add(u"ComboBox", IDC_PA_SEGMENT, u"", kEditableList, Rect::fromSize(245, 377, 80, kComboHeight));
    t.add(u"Button", ui::IDOK, u"OK", kButton | ui::BS_DEFPUSHBUTTON, Rect::fromSize(size.cx - 82, size.cy - 30, 75, 23));
    t.add(u"Button", ui::IDCANCEL, u"Cancel", kButton, Rect::fromSize(size.cx - 164, size.cy - 30, 75, 23));
    return t;
}

// The segmented profile dialog: the selector on top, the editors and the point grid in the group box.
ui::DialogTemplate profSegmDialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_MACRO_PROF_SEGM, u"", {420, 330}, true);
    t.add(u"Static", IDC_PS_SELECTOR_LABEL, u"", kLabel, Rect::fromSize(10, 12, 90, 14));
    t.add(u"ComboBox", IDC_PS_SELECTOR, u"", kList, Rect::fromSize(105, 9, 305, kComboHeight));
    t.add(u"Button", IDC_PS_GROUP, u"", kFrame, Rect::fromSize(10, 38, 400, 250));
    t.add(u"Static", IDC_PS_GRID, u"", kGridFrame, Rect::fromSize(20, 58, 210, 220));
    t.add(u"Static", IDC_PS_NAME_LABEL, u"", kLabel, Rect::fromSize(240, 58, 160, 14));
    t.add(u"Edit", IDC_PS_NAME, u"", kEdit, Rect::fromSize(240, 74, 160, 20));
    t.add(u"Static", IDC_PS_CLEARANCE_LABEL, u"", kLabel, Rect::fromSize(240, 102, 160, 14));
    t.add(u"Edit", IDC_PS_CLEARANCE, u"", kEdit, Rect::fromSize(240, 118, 160, 20));
    t.add(u"Button", IDC_PS_BREAK, u"", kCheck, Rect::fromSize(240, 146, 160, 16));
    t.add(u"Button", IDC_PS_ADD, u"", kButton, Rect::fromSize(240, 254, 24, 24));
    t.add(u"Button", IDC_PS_DELETE, u"", kButton, Rect::fromSize(268, 254, 24, 24));
    t.add(u"Button", IDC_PS_PICK, u"", kButton, Rect::fromSize(300, 254, 100, 24));
    return t;
}

} // namespace

void addProfAdvTemplates(ui::ResourceModule& module) {
    module.addDialog(profAdvDialog());
    module.addDialog(profSegmDialog());
}

} // namespace ssres
