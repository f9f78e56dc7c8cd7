// Templates of the section library editors.
#include "resources/moveIcons.h"
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {

namespace {

constexpr std::uint32_t kField = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;
constexpr int kSimpleFields = 11;   // value fields 1300 .. 1320
constexpr int kFieldPitch = 22;

// The simple editor: the name with its two ways of making it at the top, the value fields below, the type's
// picture on the right.
ui::DialogTemplate editLibSimpleDialog() {
    constexpr ui::Size size{420, 380};
    ui::DialogTemplate t = okCancelDialog(IDD_EDIT_LIB_SIMPLE, u"", size);
    t.add(u"Static", IDC_LIBSIMPLE_NAME_LABEL, u"", kLabel, ui::Rect::fromSize(7, 11, 60, 14));
    t.add(u"Edit", IDC_LIBSIMPLE_NAME, u"", kField, ui::Rect::fromSize(70, 8, 230, 20));
    t.add(u"Button", IDC_LIBSIMPLE_ACTIVE, u"I/O", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX,
          ui::Rect::fromSize(310, 10, 100, 16));
    t.add(u"Button", IDC_LIBSIMPLE_NAME_FRAME, u"", ui::WS_VISIBLE | ui::BS_GROUPBOX,
          ui::Rect::fromSize(7, 34, 293, 52));
    t.add(u"Button", IDC_LIBSIMPLE_COMPOSE, u"",
          ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_GROUP | ui::BS_AUTORADIOBUTTON, ui::Rect::fromSize(15, 46, 280, 16));
    t.add(u"Button", IDC_LIBSIMPLE_TYPED, u"", ui::WS_VISIBLE | ui::BS_AUTORADIOBUTTON,
          ui::Rect::fromSize(15, 64, 280, 16));
    t.add(u"Button", IDC_LIBSIMPLE_PICTURE, u"", ui::WS_VISIBLE | ui::BS_PUSHBUTTON,
          ui::Rect::fromSize(310, 34, 100, 100));
    for (int i = 0; i < kSimpleFields; ++i) {
        const int top = 94 + i * kFieldPitch;
        t.add(u"Static", IDC_LIBSIMPLE_FIRST_LABEL + 2 * i, u"", kLabel, ui::Rect::fromSize(7, top + 3, 150, 14));
        t.add(u"Edit", IDC_LIBSIMPLE_FIRST_FIELD + 2 * i, u"", kField, ui::Rect::fromSize(160, top, 140, 20));
    }
    return t;
}

constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kGridFrame = ui::WS_VISIBLE | ui::SS_BLACKFRAME;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr std::uint32_t kEditableList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWN |
                                        ui::CBS_AUTOHSCROLL;
constexpr ui::Size kPageSize{540, 340};
constexpr int kComboHeight = 22;   // a closed combo box: its field alone, so it covers nothing below it
constexpr int kIconButton = 24;

// A page of the library editor: a child dialog placed on the tab control.
ui::DialogTemplate editLibPage(int id) {
    ui::DialogTemplate t;
    t.id = id;
    t.size = kPageSize;
    t.style = ui::WS_CHILD;
    return t;
}

// The groups and types pages share their shape: the list with add, remove and the order buttons on top, the
// details of the current entry in a frame below it; the types page adds its group and its type text.
ui::DialogTemplate editLibEntryPage(int id, int listId, int frameId, bool withTypeFields) {
    ui::DialogTemplate t = editLibPage(id);
    t.add(u"ComboBox", listId, u"", kList, ui::Rect::fromSize(7, 8, 250, kComboHeight));
    t.add(u"Button", IDC_EDITLIB_ADD, u"", kButton, ui::Rect::fromSize(265, 7, 90, 23));
    t.add(u"Button", IDC_EDITLIB_REMOVE, u"", kButton, ui::Rect::fromSize(361, 7, 90, 23));
    t.add(u"Button", IDC_EDITLIB_UP, u"", kButton, ui::Rect::fromSize(459, 7, kIconButton, kIconButton));
    t.add(u"Button", IDC_EDITLIB_DOWN, u"", kButton, ui::Rect::fromSize(487, 7, kIconButton, kIconButton));
    t.add(u"Button", frameId, u"", kFrame, ui::Rect::fromSize(7, 38, kPageSize.cx - 14, kPageSize.cy - 45));
    t.add(u"Button", IDC_EDITLIB_ENABLED, u"", kCheck, ui::Rect::fromSize(17, 56, 200, 16));
    t.add(u"Static", IDC_EDITLIB_IMAGE_LABEL, u"", kLabel, ui::Rect::fromSize(17, 83, 110, 14));
    t.add(u"ComboBox", IDC_EDITLIB_IMAGE, u"", kEditableList, ui::Rect::fromSize(130, 80, 250, kComboHeight));
    int namesTop = 110;
    if (withTypeFields) {
        t.add(u"Static", IDC_EDITLIB_TYPE_GROUP_LABEL, u"", kLabel, ui::Rect::fromSize(17, 111, 110, 14));
        t.add(u"ComboBox", IDC_EDITLIB_TYPE_GROUP, u"", kList, ui::Rect::fromSize(130, 108, 250, kComboHeight));
        t.add(u"Static", IDC_EDITLIB_TYPE_TEXT_LABEL, u"", kLabel, ui::Rect::fromSize(17, 139, 110, 14));
        t.add(u"Edit", IDC_EDITLIB_TYPE_TEXT, u"", kField, ui::Rect::fromSize(130, 136, 250, 20));
        namesTop = 166;
    }
    t.add(u"Static", IDC_EDITLIB_NAMES_LABEL, u"", kLabel, ui::Rect::fromSize(17, namesTop, 200, 14));
    t.add(u"Static", IDC_EDITLIB_NAMES_GRID, u"", kGridFrame,
          ui::Rect::fromSize(17, namesTop + 18, kPageSize.cx - 34, kPageSize.cy - namesTop - 35));
    return t;
}

// The values page: the table with its commands on top, its section type, the grid buttons, the grid.
ui::DialogTemplate editLibValuesPage() {
    ui::DialogTemplate t = editLibPage(IDD_EDITLIB_VALUES);
    t.add(u"ComboBox", IDC_EDITLIB_TABLES, u"", kList, ui::Rect::fromSize(7, 8, 200, kComboHeight));
    t.add(u"Button", IDC_EDITLIB_NEW, u"", kButton, ui::Rect::fromSize(215, 7, 75, 23));
    t.add(u"Button", IDC_EDITLIB_DELETE, u"", kButton, ui::Rect::fromSize(295, 7, 75, 23));
    t.add(u"Button", IDC_EDITLIB_RENAME, u"", kButton, ui::Rect::fromSize(375, 7, 75, 23));
    t.add(u"Button", IDC_EDITLIB_OPTIONS, u"", kButton, ui::Rect::fromSize(455, 7, 78, 23));
    t.add(u"Static", IDC_EDITLIB_TYPE_BOX_LABEL, u"", kLabel, ui::Rect::fromSize(7, 41, 80, 14));
    t.add(u"ComboBox", IDC_EDITLIB_SECTION_TYPE, u"", kEditableList, ui::Rect::fromSize(90, 38, 200, kComboHeight));
    int left = 300;
    for (int id : kEditLibGridButtons) {
        t.add(u"Button", id, u"", kButton, ui::Rect::fromSize(left, 36, kIconButton, kIconButton));
        left += kIconButton + 4;
    }
    t.add(u"Static", IDC_FRAME_GRID, u"", kGridFrame, ui::Rect::fromSize(7, 68, kPageSize.cx - 14, kPageSize.cy - 75));
    return t;
}

// The editor: the tab control its pages sit on, OK and Cancel below.
ui::DialogTemplate editLibSectionsDialog() {
    constexpr ui::Size size{560, 420};
    ui::DialogTemplate t = okCancelDialog(IDD_EDIT_LIB_SECTIONS, u"", size, true);
    t.add(u"SysTabControl32", IDC_EDITLIB_TABS, u"", ui::WS_VISIBLE | ui::WS_TABSTOP,
          ui::Rect::fromSize(7, 7, size.cx - 14, size.cy - 44));
    return t;
}

} // namespace

void addSeclibTemplates(ui::ResourceModule& module) {
    module.addDialog(editLibSectionsDialog());
    module.addDialog(editLibEntryPage(IDD_EDITLIB_GROUPS, IDC_EDITLIB_GROUP_LIST, IDC_EDITLIB_GROUP_FRAME, false));
    module.addDialog(editLibEntryPage(IDD_EDITLIB_TYPES, IDC_EDITLIB_TYPE_LIST, IDC_EDITLIB_TYPE_FRAME, true));
    module.addDialog(editLibValuesPage());
    for (int icon : kEditLibGridIcons)
        module.addIcon(icon);
    module.addIcon(IDI_MOVE_UP, moveIconBytes(true));
    module.addIcon(IDI_MOVE_DOWN, moveIconBytes(false));
    module.addDialog(editLibSimpleDialog());
}

} // namespace ssres
