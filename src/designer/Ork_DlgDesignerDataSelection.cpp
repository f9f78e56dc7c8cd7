// The designer's editing operations on the selected controls of a page: copy, delete, size, align and
// attach. The selection is the tracker's, so without one (a page outside design mode) they do nothing.
#include "designer/Ork_DlgDesignerData.h"

#include "base/Ork_DlgPromptString.h"
#include "designer/CControlTracker.h"
#include "nuvo/hostTexts.h"
#include "ui/Window.h"
#include "ui/constants.h"

#include <algorithm>

namespace {

constexpr double kCopyOffset = 20;            // pixels right and down of the original
constexpr double kNoLeftEdge = 100000;        // further right than any picture's control

} // namespace

int Ork_DlgDesignerData::getCurSel() const {
    if (!tracker)
        return -1;
    int index = -1;
    return findCtrlFromResource(tracker->singleSelectionId(), index) ? index : -1;
}

void Ork_DlgDesignerData::selectCtrls(const std::vector<int>& ids) {
    if (!tracker)
        return;
    tracker->clearSelection();
    for (int id : ids)
        tracker->selectById(id, false);
    if (ui::Window* dlg = getDlgPtr())
        dlg->invalidate();
}

void Ork_DlgDesignerData::copyCurCtrls() {
    if (!tracker)
        return;
    const std::vector<int> ids = tracker->selectedIds();
    if (ids.empty())
        return;
    getSizeFromAllControls();
    std::vector<int> copies;
    for (int id : ids) {
        int index = -1;
        if (!findCtrlFromResource(id, index))
            continue;
        Ork_DesignerControl copy(controls[index]);
        copy.topLeftX += pixelsToFactor(true, kCopyOffset);
        copy.bottomRightX += pixelsToFactor(true, kCopyOffset);
        copy.topLeftY += pixelsToFactor(false, kCopyOffset);
        copy.bottomRightY += pixelsToFactor(false, kCopyOffset);
        const int copyId = append(copy);
        drawControl(controls[controls.length() - 1]);
        if (copyId != 0)   // a page with all identifiers in use gives the copy none to select it by
            copies.push_back(copyId);
    }
    redrawAllControls();
    selectCtrls(copies);
}

bool Ork_DlgDesignerData::removeCurControls() {
    if (!tracker)
        return false;
    // Removing a window clears the selection, so every identifier is taken before the first goes.
    const std::vector<int> ids = tracker->selectedIds();
    for (int id : ids) {
        removeDrawnCtrlOnly(id);
        int index = -1;
        if (findCtrlFromResource(id, index))
            removeControl(index);
    }
    return true;
}

void Ork_DlgDesignerData::changeCtrlSize(bool horizontal) {
    if (!tracker)
        return;
    const std::vector<int> ids = tracker->selectedIds();
    if (ids.empty())
        return;
    getSizeFromAllControls();
    Ork_DlgPromptString prompt(getDlgPtr());
    prompt.setCaption(dialString(horizontal ? 90 : 744));
    prompt.setLabel(dialString(horizontal ? 825 : 826));
    prompt.setText(horizontal ? u"30" : u"18");
    prompt.setButtonTexts(dialString(1), dialString(2));
    if (prompt.doModal() != ui::IDOK || !prompt.accepted())
        return;
    // Text that is not a number is 0, as the C runtime reads it; a negative size would turn the control
    // inside out, so it is 0 too.
    const double pixels = std::max(0.0, prompt.text().toDouble());
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index))
            changeCtrlSize(index, horizontal, pixels);
    }
    redrawAllControls();
    selectCtrls(ids);
}

void Ork_DlgDesignerData::changeCtrlSize(int index, bool horizontal, double pixels) {
    Ork_DesignerControl* c = controls.get(index);
    if (!c)
        return;
    if (horizontal)
        c->bottomRightX = c->topLeftX + pixelsToFactor(true, pixels);
    else
        c->bottomRightY = c->topLeftY + pixelsToFactor(false, pixels);
}

bool Ork_DlgDesignerData::findMostLeftCtrl(const std::vector<int>& ids, int& index) const {
    double best = kNoLeftEdge;
    for (int id : ids) {
        int i = -1;
        if (!findCtrlFromResource(id, i))
            continue;
        const double left = getTopLeftX(controls[i]);
        if (left < best) {
            best = left;
            index = i;
        }
    }
    return best < kNoLeftEdge;
}

bool Ork_DlgDesignerData::outlineCurCtrls() {
    if (!tracker)
        return false;
    const std::vector<int> ids = tracker->selectedIds();
    if (ids.empty())
        return false;
    getSizeFromAllControls();
    int reference = -1;
    if (!findMostLeftCtrl(ids, reference))
        return false;
    const double bottom = getBottomRightY(controls[reference]);
    for (int id : ids) {
        int index = -1;
        if (!findCtrlFromResource(id, index) || index == reference)
            continue;
        Ork_DesignerControl& c = controls[index];
        const double height = getHeight(c);
        setBottomRightY(c, bottom);
        setHeight(c, height);
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

bool Ork_DlgDesignerData::stickRightCurCtrls() {
    if (!tracker)
        return false;
    const std::vector<int> ids = tracker->selectedIds();
    if (ids.size() != 2)
        return false;
    getSizeFromAllControls();
    int reference = -1;
    if (!findMostLeftCtrl(ids, reference))
        return false;
    int other = -1;
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index) && index != reference)
            other = index;
    }
    if (other < 0)
        return false;
    const Ork_DesignerControl& ref = controls[reference];
    Ork_DesignerControl& c = controls[other];
    const double width = getWidth(c);
    const double right = getBottomRightX(ref);
    const double bottom = getBottomRightY(ref);
    setTopLeftY(c, bottom - getHeight(ref));
    setTopLeftX(c, right);
    setBottomRightY(c, bottom);
    setBottomRightX(c, right + width);
    redrawAllControls();
    selectCtrls(ids);
    return true;
}
