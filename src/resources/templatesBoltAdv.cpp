// The template of the advanced bolt dialog: the bolt's values and flags on the left, the picture and the
// holes on the right, the slotted holes and the nuts and washers below.
#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

#include <cstdint>

namespace ssres {
namespace {

using ui::Rect;
constexpr std::uint32_t kButton = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON;
constexpr std::uint32_t kTriState = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTO3STATE;
constexpr std::uint32_t kCheck = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
constexpr std::uint32_t kFrame = ui::WS_VISIBLE | ui::BS_GROUPBOX;
constexpr std::uint32_t kGridFrame = ui::WS_VISIBLE | ui::SS_BLACKFRAME;
constexpr std::uint32_t kLabel = ui::WS_VISIBLE | ui::SS_LEFT;
constexpr std::uint32_t kEdit = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr std::uint32_t kList = ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_VSCROLL | ui::CBS_DROPDOWNLIST;
constexpr int kRow = 26;
constexpr int kLabelWidth = 110;
constexpr int kFieldLeft = 125;
constexpr int kFieldWidth = 130;

ui::DialogTemplate boltAdvDialog() {
    constexpr ui::Size size{600, 470};
    ui::DialogTemplate t;
    t.id = IDD_MACRO_BOLT_ADV;
    t.size = size;
    t.style |= ui::WS_THICKFRAME;

    // The bolt's values.
    const struct {
        int label, field;
        bool list;
    } values[] = {
        {IDC_BA_ASSEMBLY_LABEL, IDC_BA_ASSEMBLY, true},       {IDC_BA_DIAMETER_LABEL, IDC_BA_DIAMETER, true},
        {IDC_BA_PENETRATION_LABEL, IDC_BA_PENETRATION, false}, {IDC_BA_ADDED_LABEL, IDC_BA_ADDED, false},
        {IDC_BA_TOLERANCE_LABEL, IDC_BA_TOLERANCE, false},
    };
    int y = 10;
    for (const auto& v : values) {
        t.add(u"Static", v.label, u"", kLabel, Rect::fromSize(10, y + 3, kLabelWidth, 14));
        if (v.list)
            t.add(u"ComboBox", v.field, u"", kList, Rect::fromSize(kFieldLeft, y, kFieldWidth, 22));
        else
            t.add(u"Edit", v.field, u"", kEdit, Rect::fromSize(kFieldLeft, y, kFieldWidth, 20));
        y += kRow;
    }
    for (int id : {IDC_BA_FLAG1, IDC_BA_FLAG2, IDC_BA_FLAG3, IDC_BA_FLAG4}) {
        t.add(u"Button", id, u"", kTriState, Rect::fromSize(10, y, 245, 16));
        y += 20;
    }
    t.add(u"Button", IDC_BA_EXTRA, u"", kCheck, Rect::fromSize(10, y, 100, 16));
    t.add(u"Static", IDC_BA_EXTRA_TEXT, u"", kLabel, Rect::fromSize(115, y + 1, 170, 14));

    // The picture and the holes.
    t.add(u"Static", IDC_BA_PICTURE, u"", ui::WS_VISIBLE | ui::SS_BITMAP, Rect::fromSize(300, 10, 160, 120));
    t.add(u"Button", IDC_BA_HOLES_FRAME, u"", kFrame, Rect::fromSize(295, 140, 295, 145));
    t.add(u"Static", IDC_BA_HOLES, u"", kGridFrame, Rect::fromSize(305, 158, 275, 118));

    // The slotted holes.
    t.add(u"Button", IDC_BA_SLOTS_FRAME, u"", kFrame, Rect::fromSize(5, 292, 400, 140));
    t.add(u"ComboBox", IDC_BA_SLOT_LIST, u"", kList, Rect::fromSize(15, 310, 130, 22));
    t.add(u"Button", IDC_BA_SLOT_ACTIVE, u"", kTriState, Rect::fromSize(160, 313, 120, 16));
    const struct {
        int label, field;
        int x, y;
    } slot[] = {
        {IDC_BA_RADIUS_LABEL, IDC_BA_RADIUS, 15, 340},  {IDC_BA_LENGTH_LABEL, IDC_BA_LENGTH, 210, 340},
        {IDC_BA_ANGLE_LABEL, IDC_BA_ANGLE, 15, 368},    {IDC_BA_FOURTH_LABEL, IDC_BA_FOURTH, 210, 368},
    };
    for (const auto& s : slot) {
        t.add(u"Static", s.label, u"", kLabel, Rect::fromSize(s.x, s.y + 3, 80, 14));
        t.add(u"Edit", s.field, u"", kEdit, Rect::fromSize(s.x + 85, s.y, 90, 20));
    }
    t.add(u"Static", IDC_BA_POSITION_LABEL, u"", kLabel, Rect::fromSize(15, 399, 80, 14));
    t.add(u"ComboBox", IDC_BA_POSITION, u"", kList, Rect::fromSize(100, 396, 150, 22));

    // The nuts and washers: small boxes with their labels beside them. The first label notifies a click.
    t.add(u"Button", IDC_BA_NUTS_FRAME, u"", kFrame, Rect::fromSize(415, 292, 175, 140));
    const int boxes[] = {IDC_BA_NUT1, IDC_BA_NUT2, IDC_BA_WASHER1, IDC_BA_WASHER2, IDC_BA_WASHERS};
    const int labels[] = {IDC_BA_NUT1_LABEL, IDC_BA_NUT2_LABEL, IDC_BA_WASHER1_LABEL, IDC_BA_WASHER2_LABEL,
                          IDC_BA_WASHERS_LABEL};
    y = 308;
    for (int i = 0; i < 5; ++i) {
        t.add(u"Button", boxes[i], u"", kTriState, Rect::fromSize(425, y, 14, 14));
        t.add(u"Static", labels[i], u"", kLabel | (i == 0 ? ui::SS_NOTIFY : 0), Rect::fromSize(445, y, 130, 14));
        y += 24;
    }

    t.add(u"Button", ui::IDOK, u"OK", kButton | ui::BS_DEFPUSHBUTTON, Rect::fromSize(size.cx - 82, size.cy - 33, 75, 23));
    return t;
}

} // namespace

void addBoltAdvTemplates(ui::ResourceModule& module) { module.addDialog(boltAdvDialog()); }

} // namespace ssres
