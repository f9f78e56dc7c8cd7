// Templates of the section library editors.
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

} // namespace

void addSeclibTemplates(ui::ResourceModule& module) {
    module.addDialog(okCancelDialog(IDD_EDIT_LIB_SECTIONS, u"", {560, 420}, true));
    module.addDialog(editLibSimpleDialog());
}

} // namespace ssres
