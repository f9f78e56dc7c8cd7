// The page's keyboard order, its look-ups by identifier and contents, and its pixel rectangles.
#include "designer/Ork_DlgDesignerData.h"

#include "cadhost/CommandLine.h"
#include "nuvo/numberHelpers.h"

#include <cmath>

namespace {

int clampedPixel(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = ObjectExportRoundTo(value, 1);
    const double limit = Ork_DlgDesignerData::kMaxCoordinate;
    if (!(rounded < limit))
        return Ork_DlgDesignerData::kMaxCoordinate;
    if (!(rounded > -limit))
        return -Ork_DlgDesignerData::kMaxCoordinate;
    return static_cast<int>(rounded);
}

} // namespace

ui::Rect Ork_DlgDesignerData::pixelRect(const Ork_DesignerControl& c) const {
    // Through the conversion that counts a page without picture as size 1: its fractions are pixels.
    return ui::Rect{clampedPixel(getTopLeftX(c)), clampedPixel(getTopLeftY(c)), clampedPixel(getBottomRightX(c)),
                    clampedPixel(getBottomRightY(c))};
}

void Ork_DlgDesignerData::sortAllControls() {
    // Cleared first: a control that became read-only, or a label, must not keep a number Tab would land on.
    Ork_Array<int> remaining;
    for (int i = 0; i < controls.length(); ++i) {
        Ork_DesignerControl& c = controls[i];
        c.tabOrder = 0;
        if (!c.readOnly && c.type != ctLabel && c.type != ctGroupBox)
            remaining.append(i);
    }
    int counter = 1;
    while (!remaining.isEmpty())
        sortNextRow(remaining, counter);
}

void Ork_DlgDesignerData::sortNextRow(Ork_Array<int>& remaining, int& counter) {
    if (remaining.isEmpty())
        return;
    // The top control: the first remaining one unless another lies strictly higher (NaN never does).
    int top = 0;
    for (int k = 1; k < remaining.length(); ++k)
        if (controls[remaining[k]].topLeftY < controls[remaining[top]].topLeftY)
            top = k;
    const double rowBottom = controls[remaining[top]].bottomRightY;
    AcArray<double> lefts;
    AcArray<int> row;
    Ork_Array<int> rest;
    for (int k = 0; k < remaining.length(); ++k) {
        const Ork_DesignerControl& c = controls[remaining[k]];
        if (k == top || c.topLeftY <= rowBottom) {
            lefts.append(c.topLeftX);
            row.append(remaining[k]);
        } else {
            rest.append(remaining[k]);
        }
    }
    ObjectExportSort(lefts, row);
    for (int k = 0; k < row.length(); ++k)
        controls[row[k]].tabOrder = counter++;
    remaining = std::move(rest);
}

bool Ork_DlgDesignerData::findCtrlFromResource(int resourceId, int& index) const {
    if (resourceId <= 0)
        return false;
    for (int i = 0; i < controls.length(); ++i)
        if (controls[i].resourceId == resourceId) {
            index = i;
            return true;
        }
    return false;
}

bool Ork_DlgDesignerData::findEditCtrlWithContents(const Ork_String& contentsName, int& index) const {
    for (int i = 0; i < controls.length(); ++i) {
        const Ork_DesignerControl& c = controls[i];
        if ((c.type == ctCellEdit || c.type == ctCellCombo) && c.contents.equal(contentsName, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Ork_DlgDesignerData::isTypeBoltCount(int resourceId) const {
    int index = -1;
    if (!findCtrlFromResource(resourceId, index))
        return false;
    return controls[index].type == ctPatternCount1 || controls[index].type == ctPatternCount2;
}

void Ork_DlgDesignerData::printPositions() const {
    for (const Ork_DesignerControl& c : controls) {
        acutPrintf(u"**** Control %s ****\n", c.contents.c_str());
        acutPrintf(u"Left: %f - Right: %f\n", c.topLeftX, c.bottomRightX);
        acutPrintf(u"Top: %f - Bottom: %f\n", c.topLeftY, c.bottomRightY);
    }
    acutPrintf(u"********\n");
}
