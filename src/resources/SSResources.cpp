#include "resources/SSResources.h"

#include "resources/resourceIds.h"
#include "resources/templateBuilders.h"
#include "ui/Resources.h"

namespace ssres {

ui::DialogTemplate okCancelDialog(int id, std::u16string caption, ui::Size size, bool resizable) {
    ui::DialogTemplate t;
    t.id = id;
    t.caption = std::move(caption);
    t.size = size;
    if (resizable)
        t.style |= ui::WS_THICKFRAME;
    constexpr int kButtonWidth = 75, kButtonHeight = 23, kMargin = 7;
    const int top = size.cy - kMargin - kButtonHeight;
    const int cancelLeft = size.cx - kMargin - kButtonWidth;
    const int okLeft = cancelLeft - kMargin - kButtonWidth;
    t.add(u"Button", ui::IDOK, u"OK", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
          ui::Rect::fromSize(okLeft, top, kButtonWidth, kButtonHeight));
    t.add(u"Button", ui::IDCANCEL, u"Cancel", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON,
          ui::Rect::fromSize(cancelLeft, top, kButtonWidth, kButtonHeight));
    return t;
}

} // namespace ssres

void registerSSResources(ui::ResourceModule& module) {
    ssres::addFrameTemplates(module);
    ssres::addSheetTemplates(module);
    ssres::addDesignerTemplates(module);
    ssres::addMacroEditTemplates(module);
    ssres::addMacroDlgTemplates(module);
    ssres::addProfAdvTemplates(module);
    ssres::addMacroPartTemplates(module);
    ssres::addSeclibTemplates(module);
    ssres::addAuxDlgTemplates(module);
    ssres::addBitmaps(module);
    ssres::addDesignerIcons(module);
    module.addIcon(IDI_FLEX);
}
