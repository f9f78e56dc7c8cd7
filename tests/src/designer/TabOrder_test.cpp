// The keyboard order of a macro page, the look-ups by identifier and contents, and the pixel rectangle.
#include "designer/Ork_DlgDesignerData.h"
#include "cadhost/CommandLine.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace {

Ork_DesignerControl at(int type, double left, double top, double right, double bottom, const char16_t* contents = u"") {
    Ork_DesignerControl c;
    c.type = static_cast<Ork_ControlType>(type);
    c.topLeftX = left;
    c.topLeftY = top;
    c.bottomRightX = right;
    c.bottomRightY = bottom;
    c.contents = contents;
    return c;
}

Ork_DlgDesignerData page() {
    Ork_DlgDesignerData p;
    p.firstId = Ork_DlgDesignerData::kFirstCtrlId;
    p.lastId = Ork_DlgDesignerData::kLastCtrlId;
    return p;
}

TEST(TabOrder, RowsTopToBottomAndLeftToRightWithinARow) {
    Ork_DlgDesignerData p = page();
    p.append(at(2, 0.5, 0.10, 0.6, 0.15, u"A"));
    p.append(at(2, 0.1, 0.12, 0.2, 0.17, u"B"));
    p.append(at(2, 0.0, 0.30, 0.1, 0.35, u"C"));
    p.sortAllControls();
    EXPECT_EQ(p.getControl(0)->tabOrder, 2);
    EXPECT_EQ(p.getControl(1)->tabOrder, 1);
    EXPECT_EQ(p.getControl(2)->tabOrder, 3);
}

TEST(TabOrder, ReadOnlyControlsLabelsAndGroupBoxesGetNone) {
    Ork_DlgDesignerData p = page();
    p.append(at(0, 0.0, 0.0, 0.1, 0.1, u"label"));
    p.append(at(1, 0.0, 0.0, 1.0, 1.0, u"frame"));
    p.append(at(2, 0.2, 0.0, 0.3, 0.1, u"edit"));
    p.append(at(3, 0.4, 0.0, 0.5, 0.1, u"combo"));
    for (Ork_DesignerControl& c : p.controls)
        c.tabOrder = 9;   // numbers from an earlier ordering
    p.getControlWrite(3)->readOnly = true;
    p.sortAllControls();
    EXPECT_EQ(p.getControl(0)->tabOrder, 0);
    EXPECT_EQ(p.getControl(1)->tabOrder, 0);
    EXPECT_EQ(p.getControl(2)->tabOrder, 1);
    EXPECT_EQ(p.getControl(3)->tabOrder, 0);
}

TEST(TabOrder, OrderingEndsOnNaNHugeAndInvertedRectangles) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Ork_DlgDesignerData p = page();
    p.append(at(2, nan, nan, nan, nan));
    p.append(at(2, 150, 150, 151, 151));
    p.append(at(2, 0.5, 0.9, 0.4, 0.1));   // inverted: bottom above top
    p.append(at(2, 0.1, 200, 0.2, -5));
    p.append(at(2, 0.2, 0.1, 0.3, 0.2));
    p.sortAllControls();
    std::set<int> orders;
    for (const Ork_DesignerControl& c : p.controls)
        orders.insert(c.tabOrder);
    EXPECT_EQ(orders, (std::set<int>{1, 2, 3, 4, 5}));   // every control numbered once
}

TEST(TabOrder, LookUpsByIdentifierAndContents) {
    Ork_DlgDesignerData p;   // identifier range 0 to 0: the first control gets 0
    p.append(at(2, 0, 0, 0, 0, u"Zero"));
    int index = -1;
    EXPECT_FALSE(p.findCtrlFromResource(0, index));
    Ork_DlgDesignerData q = page();
    q.append(at(0, 0, 0, 0, 0, u"Width"));
    q.append(at(4, 0, 0, 0, 0, u"Bolts"));
    q.append(at(3, 0, 0, 0, 0, u"Width"));
    q.append(at(2, 0, 0, 0, 0, u"Width"));
    EXPECT_TRUE(q.findCtrlFromResource(33001, index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(q.findCtrlFromResource(-1, index));
    EXPECT_TRUE(q.findEditCtrlWithContents(u"Width", index));
    EXPECT_EQ(index, 2);   // the label does not count
    EXPECT_FALSE(q.findEditCtrlWithContents(u"width", index));
    EXPECT_TRUE(q.isTypeBoltCount(33001));
    EXPECT_FALSE(q.isTypeBoltCount(33002));
    EXPECT_FALSE(q.isTypeBoltCount(0));
}

TEST(PixelRect, RoundedToThePixelAndClampedToWindowCoordinates) {
    Ork_DlgDesignerData p;
    p.imageWidth = 300;
    p.imageHeight = 200;
    EXPECT_EQ(p.pixelRect(at(2, 0.1015, 0.1025, 0.5, 0.75)), (ui::Rect{30, 21, 150, 150}));   // 30.45, 20.5
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(p.pixelRect(at(2, nan, -inf, inf, 1e300)), (ui::Rect{0, -32767, 32767, 32767}));
    Ork_DlgDesignerData bare;   // no picture: fractions are pixels
    EXPECT_EQ(bare.pixelRect(at(2, 10, 12, 40.4, 30.6)), (ui::Rect{10, 12, 40, 31}));
}

TEST(PrintPositions, EveryControlOnTheCommandLine) {
    cadhost::PrintCapture capture;
    Ork_DlgDesignerData p;
    p.append(at(2, 0.25, 0.5, 0.75, 1, u"Thick"));
    p.printPositions();
    EXPECT_EQ(capture.text(), "**** Control Thick ****\nLeft: 0.250000 - Right: 0.750000\nTop: 0.500000 - Bottom: 1.000000\n"
                       "********\n");
}

} // namespace
