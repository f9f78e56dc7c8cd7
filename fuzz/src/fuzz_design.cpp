// Any bytes as a design file: they read as a page or are refused, never more than the page's limit of
// controls; the page written back reads as the same page, and writing that gives the same text. The page
// is then ordered (which always ends, every editable control numbered once) and placed in run mode on a
// dialog: one window per control, all of them gone again after.
#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/Ork_PropertiesList.h"
#include "ui/Desktop.h"
#include "ui/Dialog.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace {

bool sameNumber(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

bool sameControl(const Ork_DesignerControl& a, const Ork_DesignerControl& b) {
    return a.type == b.type && sameNumber(a.topLeftX, b.topLeftX) && sameNumber(a.topLeftY, b.topLeftY) &&
           sameNumber(a.bottomRightX, b.bottomRightX) && sameNumber(a.bottomRightY, b.bottomRightY) &&
           a.contents == b.contents && a.getMergedExtComboList() == b.getMergedExtComboList() &&
           a.resourceId == b.resourceId;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    Ork_PropertiesList list;
    if (!list.fromText(std::string_view(reinterpret_cast<const char*>(data), size)))
        return 0;
    Ork_DlgDesignerData page;
    page.firstId = Ork_DlgDesignerData::kFirstCtrlId;
    page.lastId = Ork_DlgDesignerData::kLastCtrlId;
    if (!page.readControls(list)) {
        if (page.getNrControls() != 0)
            std::abort();
        return 0;
    }
    if (page.getNrControls() > Ork_DlgDesignerData::kMaxControls)
        std::abort();
    Ork_PropertiesList written;
    page.writeControls(written);
    const std::string text = written.toText();
    Ork_PropertiesList reread;
    if (!reread.fromText(text))
        std::abort();
    Ork_DlgDesignerData back;
    back.firstId = page.firstId;
    back.lastId = page.lastId;
    if (!back.readControls(reread) || back.getNrControls() != page.getNrControls())
        std::abort();
    for (int i = 0; i < page.getNrControls(); ++i)
        if (!sameControl(*page.getControl(i), *back.getControl(i)))
            std::abort();
    Ork_PropertiesList again;
    back.writeControls(again);
    if (again.toText() != text)
        std::abort();

    page.sortAllControls();
    std::set<int> orders;
    int editable = 0;
    for (const Ork_DesignerControl& c : page.controls) {
        if (c.type != ctLabel && c.type != ctGroupBox)
            ++editable;
        if (c.tabOrder != 0 && !orders.insert(c.tabOrder).second)
            std::abort();
    }
    if (static_cast<int>(orders.size()) != editable)
        std::abort();

    // Placing is the costly part; a few hundred controls show what a larger page would.
    if (page.getNrControls() <= 300) {
        ui::Desktop::reset();
        ui::Dialog dialog;
        ui::DialogTemplate t;
        t.size = {400, 300};
        if (!dialog.createIndirect(t, nullptr, ui::Dialog::Show::Visible))
            std::abort();
        page.initialize(&dialog, page.firstId, page.lastId, 0, 0, 0, 0, 0, false);
        page.redrawAllControls();
        page.redrawAllControls();
        if (page.drawnCtrls.size() != static_cast<std::size_t>(page.getNrControls()) ||
            dialog.children().size() != page.drawnCtrls.size())
            std::abort();
        page.removeAllDrawnCtrls();
        if (!dialog.children().empty())
            std::abort();
        dialog.destroyWindow();
        ui::Desktop::reset();
    }
    return 0;
}
