// Templates of the dialogs that edit one part of a macro: a bolt pattern, a dynamic array and a cut.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {
namespace {

using ui::Rect;
constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
constexpr std::uint32_t kCheck3 = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTO3STATE;
constexpr std::uint32_t kPictureCheck = kCheck | ui::BS_PUSHLIKE;
constexpr std::uint32_t kRadio = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTORADIOBUTTON;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kGridFrame = ui::WS_VISIBLE | ui::SS_BLACKFRAME;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;
constexpr std::uint32_t kEdit = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr std::uint32_t kEditableList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWN;
constexpr int kComboHeight = 22;
constexpr int kEditHeight = 21;

// Two direction columns side by side, the staggered flag and the alternation pictures below them.
ui::DialogTemplate patternDialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_MACRO_PATTERN, u"", {500, 390});
    for (int d = 0; d < 2; ++d) {
        const int x = 7 + d * 245, o = d * kPatternSecondOffset;
        t.add(u"Button", IDC_PT_FRAME + o, u"", kFrame, Rect::fromSize(x, 5, 238, 290));
        t.add(u"Static", IDC_PT_OFFSET_LABEL + o, u"", kLabel, Rect::fromSize(x + 8, 24, 90, 14));
        t.add(u"ComboBox", IDC_PT_OFFSET + o, u"", kList, Rect::fromSize(x + 100, 21, 128, kComboHeight));
        t.add(u"Button", IDC_PT_DIRECTION + o, u"", kCheck3, Rect::fromSize(x + 8, 50, 110, 18));
        t.add(u"Edit", IDC_PT_TEXT1 + o, u"", kEdit, Rect::fromSize(x + 120, 48, 108, kEditHeight));
        t.add(u"Static", IDC_PT_TEXT2_LABEL + o, u"", kLabel, Rect::fromSize(x + 8, 78, 90, 14));
        t.add(u"Edit", IDC_PT_TEXT2 + o, u"", kEdit, Rect::fromSize(x + 100, 75, 128, kEditHeight));
        t.add(u"Button", IDC_PT_ON + o, u"", kCheck, Rect::fromSize(x + 8, 102, 220, 18));
        t.add(u"Static", IDC_PT_GRID + o, u"", kGridFrame, Rect::fromSize(x + 8, 127, 220, 160));
    }
    t.add(u"Button", IDC_PT_1051, u"", kCheck3, Rect::fromSize(7, 310, 190, 18));
    for (int i = 0; i < 5; ++i)
        t.add(u"Button", IDC_PT_ALTERNATION_1 + i, u"", kPictureCheck, Rect::fromSize(215 + i * 46, 300, 40, 40));
    return t;
}

ui::DialogTemplate arrayDialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_ARRAY, u"", {420, 430});
    t.add(u"Static", IDC_AR_NAME_LABEL, u"", kLabel, Rect::fromSize(10, 12, 100, 14));
    t.add(u"ComboBox", IDC_AR_NAME, u"", kEditableList, Rect::fromSize(115, 9, 200, kComboHeight));
    t.add(u"Static", IDC_AR_KIND_LABEL, u"", kLabel, Rect::fromSize(10, 40, 100, 14));
    t.add(u"ComboBox", IDC_AR_KIND, u"", kList, Rect::fromSize(115, 37, 200, kComboHeight));
    for (int i = 0; i < 3; ++i) {
        const int y = 65 + i * 28;
        t.add(u"Static", IDC_AR_DIM_LABEL_1 + i, u"", kLabel, Rect::fromSize(10, y + 3, 100, 14));
        t.add(u"ComboBox", IDC_AR_DIM_1 + i, u"", kEditableList, Rect::fromSize(115, y, 200, kComboHeight));
    }
    t.add(u"Static", IDC_AR_KIND_TEXT_LABEL, u"", kLabel, Rect::fromSize(10, 152, 100, 14));
    t.add(u"Edit", IDC_AR_KIND_TEXT, u"", kEdit, Rect::fromSize(115, 149, 200, kEditHeight));
    for (int i = 0; i < 6; ++i) {
        const int x = i < 3 ? 10 : 212, y = 180 + (i % 3) * 27;
        t.add(u"Static", IDC_AR_VALUE_LABEL_1 + i, u"", kLabel, Rect::fromSize(x, y + 3, 110, 14));
        t.add(u"Edit", IDC_AR_VALUE_1 + i, u"", kEdit, Rect::fromSize(x + 115, y, 80, kEditHeight));
    }
    t.add(u"Button", IDC_AR_FLAG_1, u"", kCheck3, Rect::fromSize(10, 263, 195, 18));
    t.add(u"Button", IDC_AR_FLAG_1 + 1, u"", kCheck3, Rect::fromSize(212, 263, 200, 18));
    t.add(u"Button", IDC_AR_ENTRIES_FRAME, u"", kFrame, Rect::fromSize(7, 287, 406, 100));
    t.add(u"Static", IDC_AR_ENTRIES, u"", kGridFrame, Rect::fromSize(15, 304, 300, 76));
    t.add(u"Button", IDC_AR_ENTRY_ACTION, u"", kButton, Rect::fromSize(322, 304, 84, 23));
    return t;
}

ui::DialogTemplate cutDialog() {
    ui::DialogTemplate t = okCancelDialog(IDD_MACRO_CUTS, u"", {440, 420}, true);
    t.add(u"ComboBox", IDC_CU_TYPE, u"", kList, Rect::fromSize(10, 10, 250, 40));
    t.add(u"Static", IDC_CU_NAME_LABEL, u"", kLabel, Rect::fromSize(270, 13, 60, 14));
    t.add(u"Edit", IDC_CU_NAME, u"", kEdit, Rect::fromSize(335, 10, 95, kEditHeight));
    for (int i = 0; i < 3; ++i)
        t.add(u"Button", IDC_CU_SIDE_1 + i, u"", kRadio | (i == 0 ? ui::WS_GROUP : 0u),
              Rect::fromSize(10 + i * 140, 42, 138, 18));
    t.add(u"Static", IDC_CU_VALUE_LABEL, u"", kLabel, Rect::fromSize(10, 70, 100, 14));
    t.add(u"Edit", IDC_CU_VALUE, u"", kEdit, Rect::fromSize(115, 67, 100, kEditHeight));
    t.add(u"Static", IDC_CU_OPTION_LABEL, u"", kLabel, Rect::fromSize(225, 70, 90, 14));
    t.add(u"ComboBox", IDC_CU_OPTION, u"", kList, Rect::fromSize(320, 67, 110, kComboHeight));
    for (int i = 0; i < 3; ++i)
        t.add(u"Button", IDC_CU_CHECK_1 + i, u"", kCheck, Rect::fromSize(10, 96 + i * 20, 420, 18));
    t.add(u"Static", IDC_CU_OFFSETS, u"", kGridFrame, Rect::fromSize(10, 160, 420, 130));
    t.add(u"Button", IDC_CU_THIS_MACRO, u"", kRadio | ui::WS_GROUP, Rect::fromSize(10, 300, 200, 18));
    t.add(u"Button", IDC_CU_OTHER_MACRO, u"", kRadio, Rect::fromSize(220, 300, 200, 18));
    t.add(u"Button", IDC_CU_SELECT, u"", kButton | ui::WS_GROUP, Rect::fromSize(10, 325, 110, 23));
    t.add(u"Static", IDC_CU_MODULE_LABEL, u"", kLabel, Rect::fromSize(130, 329, 90, 14));
    t.add(u"ComboBox", IDC_CU_MODULE, u"", kEditableList, Rect::fromSize(225, 326, 205, kComboHeight));
    return t;
}

} // namespace

void addMacroPartTemplates(ui::ResourceModule& module) {
    module.addDialog(patternDialog());
    module.addDialog(arrayDialog());
    module.addDialog(cutDialog());
}

} // namespace ssres
